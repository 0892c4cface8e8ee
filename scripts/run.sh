#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target tamrel
exec build/release/bin/tamrel "$@"
