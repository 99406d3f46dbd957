#!/usr/bin/env bash
# Sets up, builds and starts the package from its package folder.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${SHINO_BUILD_DIR:-$here/build}
"$here/tools/bootstrap.sh"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2
package="$build/package"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: the package is built in $package but cannot be shown here." >&2
  echo "Start it under a virtual display with:" >&2
  echo "  cd $package && xvfb-run -a -s '-screen 0 1280x1024x24' ./shinovedenie" >&2
  exit 1
fi
cd "$package"
exec ./shinovedenie
