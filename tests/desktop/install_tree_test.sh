#!/usr/bin/env bash
# Installs the build into a scratch root as `cmake --install --prefix /usr` would, and checks
# what a desktop reads: the validators pass, the entry's command, icon and the metadata's
# launchable name files that are there, and each PNG is the size its folder says.
# Usage: install_tree_test.sh <build dir> <program> <app id>
set -euo pipefail
build=$1 program=$2 id=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr

fail() { echo "FAIL: $*" >&2; exit 1; }

[ -x "$usr/bin/$program" ] || fail "no program bin/$program"
entry=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
[ -f "$entry" ] || fail "no menu entry $entry"
[ -f "$metainfo" ] || fail "no metadata $metainfo"
[ -f "$usr/share/doc/$program/copyright" ] || fail "no copyright file"

# Hints pass (the three categories are wanted); warnings and errors do not.
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
! grep -qE 'warning|error' <<<"$report" || fail "desktop-file-validate: $report"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"

grep -qx "Exec=$program" "$entry" || fail "Exec is not $program"
grep -qx "Icon=$id" "$entry" || fail "Icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "launchable does not name $id.desktop"

icons=$usr/share/icons/hicolor
for size in 16 32 48 64 128; do
    png=$icons/${size}x${size}/apps/$id.png
    file "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not ${size}x${size}"
done
file "$icons/scalable/apps/$id.svg" | grep -q "SVG" || fail "no scalable icon"
echo "install tree: all present and valid"
