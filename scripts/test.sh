#!/usr/bin/env bash
# Configures, builds and runs the whole test suite (the preset given, "default" when none).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset"
