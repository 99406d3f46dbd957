#!/usr/bin/env bash
# Sets up, builds the program and its content (nothing else) and starts the
# package from its package folder.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${SHINO_BUILD_DIR:-$here/build}
"$here/tools/bootstrap.sh"
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
# Only what running needs: the test programs and developer tools are left to tools/run-tests.sh.
cmake --build "$build" -j2 --target shinovedenie content
package="$build/package"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: the package is built in $package but cannot be shown."
  echo "Start it later, on a display, with:"
  echo "  cd $package && ./shinovedenie"
  echo "or here under a virtual display with:"
  echo "  cd $package && xvfb-run -a -s '-screen 0 1280x1024x24' ./shinovedenie"
  exit 0
fi
cd "$package"
exec ./shinovedenie
