#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the
# regular build first, then the whole program and every test again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then a short run
# (a minute) of every fuzz target, all at once (clang, libFuzzer), last the
# Debian package of the release build, unpacked and started.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh
jobs=$(nproc)

cmake --preset default
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

scripts/fuzz.sh 60

scripts/check-package.sh
