#!/usr/bin/env bash
# Makes the Debian package from a built tree (default build/) and checks it as a user gets it:
# lintian, installing, installing again and removing it in a throwaway dpkg root, the menu entry
# and metainfo validators, and the unpacked program on its own: --version, --help, and an
# installation of the training from the sample CD whose desktop entries are validated and whose
# QTP.EXE starts the unpacked qtp from PATH, and its removal through the menu entry "Uninstall".
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")

rm -f "$build"/qtp_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(echo "$build"/qtp_*.deb)
version=$(dpkg-deb -f "$deb" Version)
work=$(mktemp -d "${TMPDIR:-/tmp}/qtp-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
  echo "package check: $*" >&2
  exit 1
}

lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)

# Installed over an older version and again over itself, then removed: nothing may stay behind.
db="$work/dpkg"
mkdir -p "$db/var/lib/dpkg/updates" "$db/var/lib/dpkg/info"
touch "$db/var/lib/dpkg/status"
# The dependencies are the host's business here: dpkg's complaints about them are not shown.
dpkg_root() {
  dpkg --root="$db" --force-not-root --force-depends --log=/dev/null "$@" >"$work/dpkg.log" 2>&1 ||
    fail "dpkg $*: $(cat "$work/dpkg.log")"
}
# An older version to upgrade from: the same files under version 0.9.
dpkg-deb -R "$deb" "$work/old"
sed -i 's/^Version: .*/Version: 0.9/' "$work/old/DEBIAN/control"
dpkg-deb --root-owner-group -b "$work/old" "$work/qtp_0.9.deb" >/dev/null
dpkg_root -i "$work/qtp_0.9.deb"
dpkg_root -i "$deb"
dpkg_root -i "$deb"
[ -x "$db/usr/bin/qtp" ] || fail "dpkg -i did not install usr/bin/qtp"
[ "$(dpkg-query --admindir="$db/var/lib/dpkg" -W -f '${Version}' qtp)" = "$version" ] ||
  fail "the upgrade did not leave version $version installed"
dpkg_root -r qtp
left=$(find "$db" -path "$db/var" -prune -o ! -type d -print)
[ -z "$left" ] || fail "left after removal: $left"

root="$work/root"
dpkg -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net --pedantic "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null
for size in 16 32 48 64 128 256; do
  [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/qtp.png" ] || fail "no ${size}px icon"
done
for page in qtp panelhost qtp-uninstall; do
  [ -f "$root/usr/share/man/man1/$page.1.gz" ] || fail "no manual page $page(1)"
done

# The unpacked programs, with nothing of the build tree within their reach.
qtp="$root/usr/bin/qtp"
if readelf -d "$qtp" | grep -q "$build"; then fail "qtp's run path names the build tree"; fi
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_STATE_HOME="$work/home/state"
export XDG_DESKTOP_DIR="$work/home/Desktop" XDG_RUNTIME_DIR="$work/home/runtime"
export QT_QPA_PLATFORM=offscreen PATH="$root/usr/bin:/usr/bin:/bin"
unset QTP_PREFIX QTP_PROGRAM
mkdir -p "$XDG_DATA_HOME" "$XDG_DESKTOP_DIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
[ "$("$qtp" --version)" = "QTP $version" ] || fail "qtp --version"
menu_exec=$(sed -n 's/^Exec=//p' "$root"/usr/share/applications/*.desktop)
[ "$($menu_exec --version)" = "QTP $version" ] || fail "the menu entry's Exec=$menu_exec"
"$qtp" --help | head -n 1 | grep -q '^usage: qtp ' || fail "qtp --help"
"$root/usr/bin/panelhost" --help | head -n 1 | grep -q '^usage: panelhost ' || fail "panelhost --help"
"$root/usr/bin/qtp-uninstall" --help | head -n 1 | grep -q '^usage: qtp-uninstall ' ||
  fail "qtp-uninstall --help"

# The training installed from the sample CD: the archive component loads the unpacked libunrar.so.
"$build/bin/qtp-make-demo" "$work/prefix" >/dev/null
printf 'WINE REGISTRY Version 2\n\n[SOFTWARE\\\\NORVANE\\\\QTP\\\\1.0] 0\n"CDDrive"="D:\\\\"\n' \
  >"$work/prefix/qtp.reg"
cat >"$work/install.qtpw" <<'EOF'
screen 640
answer Ja
click FlugSchuleBtn
expect-form TFSVersionDLG
choose FSSel 1
click OKBtn
expect-form TSetup1DLG
check AircraftCheck off
check SceneryCheck off
check DesktopIcon on
click ContinueBtn
expect-form TSetup2DLG
answer OK
wait-form TSyllabusDLG 60000
click ReturnBtn
EOF
(cd "$work" && "$qtp" --prefix "$work/prefix" --automate "$work/install.qtpw" >walk.log) ||
  fail "the installation walkthrough: $(tail -n 3 "$work/walk.log")"
grep -q 'Installation wurde erfolgreich' "$work/walk.log" || fail "no successful installation"

for entry in "$XDG_DATA_HOME"/applications/Norvane/QTP/{QTP,Uninstall}.desktop \
  "$XDG_DESKTOP_DIR/QTP.desktop"; do
  desktop-file-validate "$entry"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  file -b "$icon" | grep -q '^PNG image' || fail "$entry: Icon= is no picture: $icon"
done
launcher=$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$XDG_DESKTOP_DIR/QTP.desktop")
[ "$("$launcher" --version)" = "QTP $version" ] || fail "the desktop entry's $launcher does not start qtp"
# The menu entry "Uninstall" starts the unpacked qtp-uninstall from PATH, which takes the training
# out again, the desktop entry with it.
uninstaller=$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$XDG_DATA_HOME/applications/Norvane/QTP/Uninstall.desktop")
env -u DISPLAY -u WAYLAND_DISPLAY "$uninstaller" --yes </dev/null >"$work/uninstall.log" 2>&1 ||
  fail "the uninstall entry's $uninstaller: $(tail -n 3 "$work/uninstall.log")"
[ ! -e "$XDG_DESKTOP_DIR/QTP.desktop" ] || fail "the uninstaller left the desktop entry"
echo "package check: $(basename "$deb") passed"
