#!/usr/bin/env bash
# The installation soak, not part of the test suite: scripts/soak-install.sh [RUNS] [SEED]
# (1000 runs and a random seed unless given), niced, after building qtp-install-soak. Each run
# installs a random set of components into a demo prefix under a random fault and is checked in
# a process of its own; a prefix whose check disagrees is kept under $TMPDIR/qtp-soak-<pid>/ and
# named on standard error. The summary at the end gives the runs per fault and the disagreements.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/build.ninja ] || cmake --preset default >/dev/null
cmake --build build --target qtp-install-soak -j "$(nproc)" >/dev/null
export QTP_CONTENT_DIR="${QTP_CONTENT_DIR:-$PWD/build/content}"
exec nice -n 10 build/soak/qtp-install-soak soak "${1:-1000}" ${2:+"$2"}
