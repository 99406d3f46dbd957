#!/usr/bin/env bash
# Sets up, builds (warnings are errors) and runs the whole test suite offscreen.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${SHINO_BUILD_DIR:-$here/build}
"$here/tools/bootstrap.sh"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHINO_WARNINGS_AS_ERRORS=ON
cmake --build "$build" -j2
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300
