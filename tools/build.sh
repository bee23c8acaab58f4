#!/usr/bin/env bash
# Installs what is missing, then configures and builds incrementally.
# VORLEN_BUILD_DIR (default build) and VORLEN_SANITIZE=ON select the build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
dir=${VORLEN_BUILD_DIR:-build}
sanitize=${VORLEN_SANITIZE:-OFF}
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" -G Ninja -DVORLEN_SANITIZE="$sanitize" >/dev/null
fi
cmake --build "$dir" -j2 "$@"
