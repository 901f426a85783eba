#!/usr/bin/env bash
# Runs one fuzz target for longer than CI does: scripts/fuzz.sh TARGET [SECONDS] (600 unless
# given), niced, after building the `fuzz` preset (clang with libFuzzer) when needed. Inputs that
# reach new code collect in build-fuzz/fuzz/work/TARGET and are used again by the next run; a
# crashing input lands in build-fuzz/fuzz/findings/. The last lines show executions and coverage.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-fuzz/build.ninja ] || cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null
binary=build-fuzz/fuzz/fuzz_"${1:-}"
if [ $# -lt 1 ] || [ ! -x "$binary" ]; then
  echo "usage: $0 TARGET [SECONDS]; targets:" \
    $(cd build-fuzz/fuzz && ls fuzz_* | sed 's/^fuzz_//') >&2
  exit 2
fi
target="$1"
seeds=fuzz/corpus/"$target"
[ -d "$seeds" ] || seeds=build-fuzz/fuzz/seeds/"$target"
mkdir -p build-fuzz/fuzz/work/"$target" build-fuzz/fuzz/findings
exec nice -n 10 "$binary" -max_total_time="${2:-600}" -timeout=10 -print_final_stats=1 \
  -artifact_prefix=build-fuzz/fuzz/findings/"$target"- build-fuzz/fuzz/work/"$target" "$seeds"
