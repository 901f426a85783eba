#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running the project need, only
# those that are missing.
#   --windows  also the 32-bit Windows cross compiler and Wine (with the i386 architecture Wine
#              needs), for the Windows gauge module and its conformance test
#   --fuzz     also clang and its libFuzzer runtime, for the `fuzz` preset
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
packages=(build-essential cmake ninja-build pkg-config clang-format ccache
  qt6-base-dev libgl-dev libjpeg62-turbo-dev libarchive-dev libopenal-dev libopenal1
  libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation fonts-dseg xvfb xauth
  libarchive-tools desktop-file-utils appstream lintian file)
for arg in "$@"; do
  case "$arg" in
    --windows)
      dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
      packages+=(g++-mingw-w64-i686-win32 wine wine32:i386) ;;
    --fuzz) packages+=(clang libclang-rt-dev) ;;
    *) echo "usage: $0 [--windows] [--fuzz]" >&2; exit 2 ;;
  esac
done
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
