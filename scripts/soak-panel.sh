#!/usr/bin/env bash
# Soaks the gauge module in the panel core under the address and undefined-behaviour sanitizers:
# CYCLES panel cycles (default 1,000,000) of random, extreme and NaN token values, absurd control
# inputs and random clicks, holds and drags on random gauges (tests/gauge_values/panel_soak.cpp).
# Builds what it needs with the asan preset; fails on the first sanitizer finding or on a value
# drawn from that is no finite number. Not part of the suite: a million cycles take minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="${QTP_ASAN_BUILD_DIR:-$root/build-asan}"
cycles="${1:-1000000}"
seed="${SOAK_SEED:-1}"

[ -f "$build/build.ninja" ] || cmake --preset asan >/dev/null
cmake --build "$build" --target panel_soak NOR_NV36 -j2 >/dev/null

export ALSOFT_DRIVERS=null
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_odr_violation=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
start=$(date +%s)
"$build/tests/gauge_values/panel_soak" "$build/gauges/NOR_NV36.gau" "$cycles" "$seed"
echo "soak-panel: $(($(date +%s) - start)) s"
