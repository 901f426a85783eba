#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running the project need.
#   --windows  also the 32-bit Windows cross compiler and Wine (with the i386 architecture Wine
#              needs), for the Windows gauge module and its conformance test
set -euo pipefail
windows=false
for arg in "$@"; do
  case "$arg" in
    --windows) windows=true ;;
    *) echo "usage: $0 [--windows]" >&2; exit 2 ;;
  esac
done
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
windows_packages=()
if $windows; then
  $SUDO dpkg --add-architecture i386
  windows_packages=(g++-mingw-w64-i686-win32 wine wine32:i386)
fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  build-essential cmake ninja-build pkg-config clang-format ccache \
  qt6-base-dev libgl-dev libjpeg62-turbo-dev libarchive-dev libopenal-dev libopenal1 \
  libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation fonts-dseg xvfb xauth \
  libarchive-tools desktop-file-utils appstream lintian file "${windows_packages[@]}" >/dev/null
