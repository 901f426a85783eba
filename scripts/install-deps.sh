#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running the project need; with
# --fuzz also clang and its libFuzzer runtime for the `fuzz` preset, when they are missing.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
packages=(build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev libgl-dev libjpeg62-turbo-dev libarchive-dev libopenal-dev libopenal1
  libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation fonts-dseg xvfb xauth
  libarchive-tools desktop-file-utils)
case "${1:-}" in
  "") ;;
  --fuzz) packages+=(clang libclang-rt-dev) ;;
  *) echo "usage: $0 [--fuzz]" >&2; exit 2 ;;
esac
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
