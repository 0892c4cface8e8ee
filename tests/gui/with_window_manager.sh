#!/bin/sh
# Runs a command on the X display of $DISPLAY under the openbox window
# manager: window frames, title bars and the manager's own placement, as a
# desktop has them. openbox is started first and the command only once the
# manager has started up; the manager is ended with the command.
#   with_window_manager.sh [--config-file RC] command [arguments...]
# RC: an openbox configuration to use instead of the system's.
set -u
config=
if [ "${1:-}" = "--config-file" ]; then
  config=$2
  shift 2
fi
ready=$(mktemp -u "${TMPDIR:-/tmp}/tamrel-wm-XXXXXX")
if [ -n "$config" ]; then
  openbox --sm-disable --config-file "$config" --startup "touch $ready" >/dev/null 2>&1 &
else
  openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
fi
wm=$!
tries=0
while [ ! -e "$ready" ]; do
  tries=$((tries + 1))
  if [ "$tries" -gt 200 ] || ! kill -0 "$wm" 2>/dev/null; then
    echo "openbox did not start" >&2
    kill "$wm" 2>/dev/null
    exit 1
  fi
  sleep 0.05
done
rm -f "$ready"
"$@"
rc=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit $rc
