#!/usr/bin/env bash
# Sets up, builds (warnings are errors) and runs the whole test suite offscreen.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${SHINO_BUILD_DIR:-$here/build}
"$here/tools/bootstrap.sh"
launcher=()
if command -v ccache >/dev/null 2>&1; then
  # Clones in other folders share the cache.
  export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHINO_WARNINGS_AS_ERRORS=ON "${launcher[@]}"
cmake --build "$build" -j2
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300
