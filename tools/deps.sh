#!/usr/bin/env bash
# Installs whatever the build, the game and the tests need and is not yet on
# this Debian 12 machine. Root uses apt-get directly, anyone else goes via sudo.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6test6 libgl-dev
  libpng-dev zlib1g-dev libgtest-dev
  fonts-noto-cjk
  xvfb xauth xdotool imagemagick x11-utils libxcb1-dev
  desktop-file-utils appstream file dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  as_root=()
else
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
