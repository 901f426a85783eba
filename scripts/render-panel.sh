#!/usr/bin/env bash
# Renders the finished panel of the sample CD's aircraft, parked cold and level in cruise, to
# panel-cold.png and panel-cruise.png in OUTDIR (default: a new temporary folder). Builds the
# panel host, the gauge module and the sample CD when needed (default preset), unpacks the
# aircraft and the gauge module from the CD into a simulator folder with bsdtar and runs a panel
# script over the aircraft's panel.cfg.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="${QTP_BUILD_DIR:-$root/build}"

command -v bsdtar >/dev/null || {
  echo "render-panel: bsdtar is missing (libarchive-tools)" >&2
  exit 1
}
[ -f "$build/build.ninja" ] || cmake --preset default >/dev/null
cmake --build "$build" --target panelhost NOR_NV36 qtp_sample_cd_content -j2 >/dev/null

out="${1:-$(mktemp -d "${TMPDIR:-/tmp}/qtp-panel.XXXXXX")}"
mkdir -p "$out"
out=$(cd "$out" && pwd)
sim=$(mktemp -d "${TMPDIR:-/tmp}/qtp-panel-sim.XXXXXX")
trap 'rm -rf "$sim"' EXIT

cd_fs2000="$build/content/cd/FS2000"
bsdtar -xf "$cd_fs2000/Aircraft1.rar" -C "$sim"
bsdtar -xf "$cd_fs2000/GAUGES1.rar" -C "$sim"
config=$(find "$sim/Aircraft" -ipath '*/panel/panel.cfg' | head -n 1)
[ -n "$config" ] || {
  echo "render-panel: no panel.cfg in the CD's aircraft archive" >&2
  exit 1
}

# The needles swing at their gauges' rate, so each state runs a few seconds before its picture.
cat >"$sim/render.script" <<EOF
load "$config"
aircraft cold
update 90
render panel "$out/panel-cold.png" full
aircraft cruise
update 90
render panel "$out/panel-cruise.png" full
EOF
QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null "$build/bin/panelhost" --script "$sim/render.script"
echo "$out/panel-cold.png"
echo "$out/panel-cruise.png"
