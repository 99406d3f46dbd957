#!/usr/bin/env bash
# Installs every Debian package needed to build, test and package Shinovedenie.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libqt6svg6 qt6-image-formats-plugins
  libwmf-dev libuemf-dev libchm-dev fp-utils libjpeg62-turbo-dev
  xvfb xauth fonts-dejavu-core ccache clang libclang-rt-14-dev
  ffmpeg espeak-ng libqt6multimedia6 libqt6multimediawidgets6 libavcodec59 libavformat59 libswscale6
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "bootstrap: all packages present"
  exit 0
fi

echo "bootstrap: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
  else
    echo "bootstrap: cannot install packages: not root and no sudo. Install as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get update -q; then
  echo "bootstrap: apt-get update failed; check the network or the apt sources" >&2
  exit 1
fi
if ! "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
  echo "bootstrap: apt-get install failed for: ${missing[*]}" >&2
  exit 1
fi
echo "bootstrap: done"
