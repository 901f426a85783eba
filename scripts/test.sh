#!/usr/bin/env bash
# Configures, builds and runs the whole test suite (the preset given, "default" when none).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
# A compiler cache, where one is installed, lets a fresh checkout reuse earlier builds' objects.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake --preset "$preset" "${launcher[@]}" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset"
