#!/usr/bin/env bash
# Builds the Debian package and checks it as a user's machine would get it:
# lintian (errors) on the package, desktop-file-validate on its desktop
# entry, then the package unpacked into a scratch root and the program
# started through the unpacked bin/tamrel link under Xvfb. The main window
# "Tamrel DNV: New File" must appear, which it does only once the five data
# tables have loaded from the program directory the link leads to, and no
# start-up failure box (titled "Tamrel DNV") may be shown.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

scripts/package.sh
deb=$(ls build/release/tamrel_*.deb)
echo "Checking $deb"

lintian --fail-on error --display-level '>=error' "$deb"
echo "lintian: no errors"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
dpkg-deb -x "$deb" "$root"

desktop-file-validate "$root/usr/share/applications/tamrel.desktop"
echo "desktop-file-validate: passed"

link="$root/usr/bin/tamrel"
if [ ! -L "$link" ] || [ "$(readlink "$link")" != "../lib/tamrel/tamrel" ]; then
  echo "FAILED: $link is not the relative link ../lib/tamrel/tamrel" >&2
  exit 1
fi
for f in tamrel DNVmat.dat bfprof.dat lprof.dat tprof.dat fprof.dat tamrel.chm \
  "Documentation/Tamrel DNV Theory Manual.pdf"; do
  if [ ! -s "$root/usr/lib/tamrel/$f" ]; then
    echo "FAILED: the package has no usr/lib/tamrel/$f" >&2
    exit 1
  fi
done
if [ ! -s "$root/usr/share/icons/hicolor/scalable/apps/tamrel.svg" ]; then
  echo "FAILED: the package has no icon" >&2
  exit 1
fi

# The about box's version line is the package's version.
version=$(dpkg-deb -f "$deb" Version)
if ! grep -aqP "Version \\Q$version\\E\\x00" "$root/usr/lib/tamrel/tamrel"; then
  echo "FAILED: the program does not show \"Version $version\" in its about box" >&2
  exit 1
fi

# The start itself, in a clean home so no settings of this machine are used
# or changed, from another current directory than the program's.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config"
export XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export TAMREL_START="$link"
cd "$scratch"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash -c '
  set -u
  env -u QT_QPA_PLATFORM "$TAMREL_START" >start.log 2>&1 &
  pid=$!
  found=""
  for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    if xdotool search --onlyvisible --name "^Tamrel DNV\$" >/dev/null 2>&1; then break; fi
    if xdotool search --onlyvisible --name "^Tamrel DNV: New File\$" >/dev/null 2>&1; then
      found=yes
      break
    fi
    sleep 0.1
  done
  # A moment for the first paint of the filled window.
  if [ -n "$found" ]; then sleep 1; fi
  failed=""
  if [ -z "$found" ]; then
    echo "FAILED: no window \"Tamrel DNV: New File\" within 10 s" >&2
    failed=yes
  fi
  if xdotool search --onlyvisible --name "^Tamrel DNV\$" >/dev/null 2>&1; then
    echo "FAILED: a start-up failure box was shown" >&2
    failed=yes
  fi
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "FAILED: the program ended by itself" >&2
    failed=yes
  else
    kill "$pid"
  fi
  wait "$pid" 2>/dev/null
  if [ -n "$failed" ]; then
    cat start.log >&2
    exit 1
  fi
  echo "Started through the link: window \"Tamrel DNV: New File\", no start-up failure"
'
