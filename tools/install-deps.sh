#!/usr/bin/env bash
# Installs what the project needs to build, test and run on Debian 12.
# Idempotent: does nothing when every package is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libjpeg-dev
  libmpv-dev mpv ffmpeg
  libcdio-dev xorriso vcdimager
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils openbox imagemagick strace inotify-tools
  fonts-noto-cjk fonts-dejavu-core
  xdg-utils
  librsvg2-bin
  dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db groff-base
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
