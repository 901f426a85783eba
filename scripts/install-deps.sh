#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running the project need.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  build-essential cmake ninja-build pkg-config clang-format \
  qt6-base-dev libgl-dev libjpeg62-turbo-dev libarchive-dev libopenal-dev libopenal1 \
  libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation fonts-dseg xvfb xauth \
  libarchive-tools desktop-file-utils appstream lintian file >/dev/null
