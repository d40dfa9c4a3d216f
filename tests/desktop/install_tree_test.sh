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

# Not even a hint: one main category, so that the entry shows once in a menu.
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"

grep -qx "Exec=$program %f" "$entry" || fail "Exec is not $program %f"
mime=application/x-heat-exchanger-case
grep -qx "MimeType=$mime;" "$entry" || fail "the entry does not take $mime"
grep -q "<mediatype>$mime</mediatype>" "$metainfo" || fail "the metadata does not provide $mime"
package=$usr/share/mime/packages/$id.xml
grep -q 'sub-class-of type="application/json"' "$package" || fail "$package: not JSON's sub-class"
# The MIME database built from the package alone knows the type by its glob, with its icon.
mkdir -p "$root/mime/packages" && cp "$package" "$root/mime/packages/"
update-mime-database "$root/mime" || fail "update-mime-database refuses $package"
grep -qF "$mime:*.hxcase" "$root/mime/globs2" || fail "no glob *.hxcase for $mime"
grep -qF "$mime:application-x-heat-exchanger-case" "$root/mime/icons" || fail "no icon for $mime"
grep -qx "Icon=$id" "$entry" || fail "Icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "launchable does not name $id.desktop"

icons=$usr/share/icons/hicolor
for size in 16 32 48 64 128 256; do
    for png in "$icons/${size}x${size}/apps/$id.png" \
        "$icons/${size}x${size}/mimetypes/application-x-heat-exchanger-case.png"; do
        file "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not ${size}x${size}"
    done
done
file "$icons/scalable/apps/$id.svg" | grep -q "SVG" || fail "no scalable icon"
echo "install tree: all present and valid"
