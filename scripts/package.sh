#!/usr/bin/env bash
# Installs what is missing, builds the program in the release build and
# writes its Debian package, build/release/tamrel_<version>_amd64.deb.
# Only the program is built (not the tests or benchmarks of that build).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tamrel
rm -f build/release/tamrel_*.deb
(cd build/release && cpack --config CPackConfig.cmake)
ls build/release/tamrel_*.deb
