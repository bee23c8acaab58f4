#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
dir=${VORLEN_BUILD_DIR:-build}
cd "$dir"
ctest --output-on-failure -j2 "$@"
