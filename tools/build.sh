#!/usr/bin/env bash
# Installs what is missing, then configures and builds incrementally.
# VORLEN_BUILD_DIR (default build) and VORLEN_SANITIZE=ON|OFF select the build;
# VORLEN_SANITIZE given for an existing build folder configures it again when
# it differs from what the folder was configured with.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
dir=${VORLEN_BUILD_DIR:-build}
# CMake's truth values, as the cache would hold them.
as_cmake_bool() {
  case "${1^^}" in
    1 | ON | YES | TRUE | Y) echo ON ;;
    *) echo OFF ;;
  esac
}
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" -G Ninja -DVORLEN_SANITIZE="$(as_cmake_bool "${VORLEN_SANITIZE:-OFF}")" >/dev/null
elif [ -n "${VORLEN_SANITIZE:-}" ]; then
  wanted=$(as_cmake_bool "$VORLEN_SANITIZE")
  cached=$(as_cmake_bool "$(sed -n 's/^VORLEN_SANITIZE:BOOL=//p' "$dir/CMakeCache.txt")")
  if [ "$wanted" != "$cached" ]; then
    echo "Configuring $dir again with VORLEN_SANITIZE=$wanted (was $cached)"
    cmake -S . -B "$dir" -DVORLEN_SANITIZE="$wanted" >/dev/null
  fi
fi
cmake --build "$dir" -j2 "$@"
