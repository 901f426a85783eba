#!/usr/bin/env bash
# Builds QTP when needed (default preset), makes a fresh demo prefix with both simulators and
# the sample product CD, and runs the program on it. Without a display it walks through the main
# menu, the information pages and the flight school offscreen in both layouts, each on a fresh
# prefix of its own (the tour answers the first CD prompt, which a used prefix no longer shows),
# and leaves the screenshots in a folder it names at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="${QTP_BUILD_DIR:-$root/build}"

[ -f "$build/build.ninja" ] || cmake --preset default >/dev/null
# The demo prefix links its CD drive to the generated sample CD, and its simulators start the
# panel host.
cmake --build "$build" --target qtp qtp-uninstall qtp-make-demo qtp_sample_cd_content panelhost \
  -j "$(nproc)"

work=$(mktemp -d "${TMPDIR:-/tmp}/qtp-demo.XXXXXX")
# Shortcuts, the desktop link and the program's log stay inside the demo folder in both modes:
# XDG_DESKTOP_DIR from the environment wins over the user's user-dirs.dirs. HOME stays the
# user's with a display, which the display's session needs. The QTP.EXE and UNINSTALL.EXE the
# shortcuts start find the build's qtp and qtp-uninstall on PATH.
export PATH="$build/bin:$PATH"
export XDG_DATA_HOME="$work/data"
export XDG_DESKTOP_DIR="$work/Desktop"
export XDG_STATE_HOME="$work/state"
mkdir -p "$XDG_DATA_HOME" "$XDG_DESKTOP_DIR" "$XDG_STATE_HOME"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  "$build/bin/qtp-make-demo" "$work/prefix" >/dev/null
  echo "Demo prefix: $work/prefix"
  exec "$build/bin/qtp" --prefix "$work/prefix" "$@"
fi

export QT_QPA_PLATFORM=offscreen
export HOME="$work/home"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
for layout in small:640 large:1024; do
  name=${layout%%:*}
  width=${layout##*:}
  mkdir -p "$work/shots/$name"
  "$build/bin/qtp-make-demo" "$work/prefix-$name" >/dev/null
  echo "== $name layout (screen $width px) =="
  (cd "$work/shots/$name" &&
    "$build/bin/qtp" --prefix "$work/prefix-$name" --screen-width "$width" \
      --automate "$root/automation/walkthroughs/tour.qtpw")
done
echo "Screenshots: $work/shots"
