#!/usr/bin/env bash
# Fuzzes every target of fuzz/ for SECONDS seconds, all at once on all
# cores, built by the preset "fuzz" (clang, ASan, UBSan). The cores are
# shared out among the targets; each core runs one libFuzzer process, and
# the processes of a target share its corpus folder (libFuzzer reloads it).
# A process that stops at a finding is started again for the time left, so
# a long run goes on past what it finds (libFuzzer's -fork mode does the
# same, at a far lower rate of executions for these targets).
#
#   scripts/fuzz.sh SECONDS [TARGET ...]
#
# Each target grows its corpus in build/fuzz/corpus/TARGET, starting from
# the seeds in the repository. Inputs that crash, break an invariant, hang
# or run out of memory are written to build/fuzz/crashes/TARGET/ and kept;
# the log of each run is build/fuzz/logs/TARGET.log. At the end a table
# shows per target the executions, the coverage (edges reached of the
# instrumented edges), the features, the corpus size and the findings of
# this run. The exit status is 1 when anything was found.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

seconds=${1:-}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: scripts/fuzz.sh SECONDS [TARGET ...]" >&2
  exit 2
fi
shift
wanted=("$@")

scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

out=build/fuzz
list=$out/fuzz_targets.txt
names=() programs=() dicts=() seeds=()
while IFS=$'\t' read -r name program dict seed; do
  if [ ${#wanted[@]} -gt 0 ] && [[ ! " ${wanted[*]} " =~ " $name " ]]; then continue; fi
  names+=("$name") programs+=("$program") dicts+=("$dict") seeds+=("$seed")
done <"$list"
if [ ${#names[@]} -eq 0 ]; then
  echo "no such target; the targets are: $(cut -f1 "$list" | tr '\n' ' ')" >&2
  exit 2
fi

# Workers per target: the cores shared out, at least one each; the first
# targets (the project reader, the design states) take the cores left over.
cores=$(nproc)
count=${#names[@]}
base=$((cores / count))
extra=$((cores % count))
[ "$base" -lt 1 ] && base=1 && extra=0

# One worker: libFuzzer again and again until the time is up. A run that
# stops at a finding before it has even read its corpus would stop at it
# every time: the worker then ends.
worker() {
  local program=$1 log=$2 until=$3
  shift 3
  while true; do
    local left=$((until - $(date +%s)))
    [ "$left" -ge 1 ] || break
    local before
    before=$(wc -l <"$log")
    "$program" -max_total_time="$left" "$@" >>"$log" 2>&1 && break
    tail -n +"$((before + 1))" "$log" | grep -q 'INITED' || break
  done
}

stamp=$out/.fuzz-start
mkdir -p "$out/logs"
touch "$stamp"
until=$(($(date +%s) + seconds))
for i in "${!names[@]}"; do
  name=${names[$i]}
  workers=$base
  [ "$i" -lt "$extra" ] && workers=$((base + 1))
  mkdir -p "$out/corpus/$name" "$out/crashes/$name"
  args=(-timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -print_funcs=0
        -artifact_prefix="$out/crashes/$name/")
  [ "${dicts[$i]}" != "-" ] && args+=(-dict="${dicts[$i]}")
  IFS=';' read -r -a seedDirs <<<"${seeds[$i]}"
  for w in $(seq 1 "$workers"); do
    log=$out/logs/$name.$w.log
    : >"$log"
    worker "${programs[$i]}" "$log" "$until" "${args[@]}" "$out/corpus/$name" "${seedDirs[@]}" &
  done
done
echo "Fuzzing ${names[*]} for $seconds s on $cores cores ..."
wait

# The coverage of each corpus as it stands now: every input of it run once
# (-runs=0), all targets at once.
for i in "${!names[@]}"; do
  "${programs[$i]}" -runs=0 -timeout=30 -rss_limit_mb=2048 "$out/corpus/${names[$i]}" \
    >"$out/logs/${names[$i]}.coverage.log" 2>&1 &
done
wait

# N from "KEY N" in a text, the last one.
field() { grep -oE "$1 [0-9]+" <<<"$2" | tail -1 | grep -oE '[0-9]+$' || true; }
found_any=0
printf '\n%-16s %12s %20s %10s %8s %9s\n' target executions "coverage (edges)" features corpus findings
for i in "${!names[@]}"; do
  name=${names[$i]}
  # Executions: the final statistics of every libFuzzer run of the target.
  execs=$(cat "$out/logs/$name".[0-9]*.log | grep -oE 'number_of_executed_units: [0-9]+' |
          awk '{ n += $2 } END { print n + 0 }')
  coverage=$(cat "$out/logs/$name.coverage.log")
  inited=$(grep -E 'INITED|DONE' <<<"$coverage" | tail -1 || true)
  edges=$(grep -oE 'Loaded 1 modules +\([0-9]+' <<<"$coverage" | grep -oE '[0-9]+$' | head -1 || true)
  found=$(find "$out/crashes/$name" -type f -newer "$stamp" | wc -l)
  [ "$found" -gt 0 ] && found_any=1
  printf '%-16s %12s %20s %10s %8s %9s\n' "$name" "${execs:-?}" \
    "$(field 'cov:' "$inited")/${edges:-?}" "$(field 'ft:' "$inited")" \
    "$(field 'corp:' "$inited")" "$found"
done
if [ "$found_any" -ne 0 ]; then
  # Each finding replayed (the first few of a target) to show what it breaks.
  echo
  echo "Findings of this run (replay one with: PROGRAM FILE):"
  for i in "${!names[@]}"; do
    find "$out/crashes/${names[$i]}" -type f -newer "$stamp" | sort | head -5 | while read -r f; do
      echo "${programs[$i]} $f"
      timeout 60 "${programs[$i]}" -runs=1 "$f" 2>&1 |
        grep -m1 -A2 -E 'invariant broken|ERROR: (AddressSanitizer|LeakSanitizer)|runtime error|timeout|out-of-memory' |
        cut -c1-200 | sed 's/^/    /' || true
    done
  done
  exit 1
fi
echo "No finding."
