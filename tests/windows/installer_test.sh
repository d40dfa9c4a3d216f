#!/usr/bin/env bash
# The Windows program as a Windows user gets it, under Wine in a fresh prefix: the installer
# installs it silently for every user; the Start menu, 应用和功能 and .hxcase know it; it starts
# from where it was installed with its window titled 管壳式换热器换热面积计算 within 10 s (the
# picture is left as wine-window.png); --text says what the Linux build says and --pdf writes a
# one-page 计算书 holding K, A and Q; the silent uninstaller takes all of it away again.
# Usage: installer_test.sh <setup.exe> <the Linux program> <example.hxcase> <picture folder>
# Run under xvfb-run.
set -euo pipefail
setup=$1 linux=$2 example=$3 pictures=$4
dir=$(mktemp -d)
export WINEPREFIX=$dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

title=管壳式换热器换热面积计算
program=heat-exchanger-sizing.exe
wineboot --init
wineserver -w

# The installer, silent, for every user (Wine's user is an administrator).
wine "$setup" /S /AllUsers
wineserver -w
installed=$WINEPREFIX/drive_c/Program\ Files/$title
[ -f "$installed/$program" ] || fail "nothing installed in $installed"
for file in Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll qt.conf \
    plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll \
    translations/qtbase_zh_CN.qm LICENSE.txt licenses/Qt/LGPL-3.0-only.txt uninstall.exe; do
    [ -f "$installed/$file" ] || fail "$file was not installed"
done
menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/$title.lnk
[ -f "$menu" ] || fail "no Start-menu entry $title"
# A key as UTF-8 text (reg query would say its Chinese in the console's code page); fails
# when there is no such key.
key() {
    wine reg export "$1" "$(winepath -w "$dir/key.reg")" /y >/dev/null 2>&1 &&
        iconv -f UTF-16 -t UTF-8 "$dir/key.reg" | tr -d '\r'
}
apps='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\io.github.hxsizing.HeatExchangerSizing'
classes='HKLM\Software\Classes'
key "$apps" >"$dir/apps.txt" || fail "应用和功能 does not list it"
grep -qxF "\"DisplayName\"=\"$title\"" "$dir/apps.txt" || fail "应用和功能 does not name it"
grep -qF 'uninstall.exe\" /AllUsers /S"' "$dir/apps.txt" || fail "no silent uninstall"
key "$classes\\.hxcase" | grep -qxF '@="io.github.hxsizing.HeatExchangerSizing.Case"' ||
    fail ".hxcase is not associated"
key "$classes\\io.github.hxsizing.HeatExchangerSizing.Case" >"$dir/case.txt"
grep -qF "$program\\\" \\\"%1\\\"\"" "$dir/case.txt" || fail ".hxcase does not open with the program"
grep -qF "$program\\\",1\"" "$dir/case.txt" || fail ".hxcase has not the case icon"

# Reports without a window, beside the Linux build's. Windows ends lines with CR LF.
cp "$example" "$dir/example.hxcase"
case=$(winepath -w "$dir/example.hxcase")
wine "$installed/$program" --text "$case" >"$dir/windows.txt" || fail "--text: $?"
"$linux" --text "$dir/example.hxcase" >"$dir/linux.txt"
tr -d '\r' <"$dir/windows.txt" | cmp - "$dir/linux.txt" || fail "--text differs from Linux"
for line in "总传热系数为：2006.831" "传递热量:166960 W" "所需换热面积为：2.0859118 ㎡"; do
    grep -qF "$line" "$dir/linux.txt" || fail "--text does not say $line"
done
wine "$installed/$program" --pdf "$(winepath -w "$dir/sheet.pdf")" "$case" || fail "--pdf: $?"
pdfinfo "$dir/sheet.pdf" | grep -qx "Pages: *1" || fail "the 计算书 is not one page"
pdftotext "$dir/sheet.pdf" - >"$dir/sheet.txt"
for number in 2006.831 166960 2.0859118; do
    grep -qF "$number" "$dir/sheet.txt" || fail "the 计算书 does not hold $number"
done

# The window, started from where it was installed as the Start menu starts it, within 10 s.
window() {
    local started=$SECONDS
    until xdotool search --name "^$1\$" 2>/dev/null; do
        ((SECONDS - started < 10)) || fail "no window titled $1 within 10 s"
        sleep 0.2
    done
    echo "window \"$1\" shown after $((SECONDS - started)) s" >&2
}
wine "$installed/$program" &
window "$title" >/dev/null
wineserver -k
wait || true

# A case opened as Explorer opens it, computed by a click on 计算结果 and saved by Ctrl+S:
# the file then holds the results. 计算结果 is Command1, centred at (124, 512) px of the
# form (its twips over 15), the form below a menu bar of 18 px.
wine "$installed/$program" "$case" &
id=$(window "example.hxcase - $title")
sleep 1
xdotool mousemove --window "$id" 124 530 click 1
sleep 1
xdotool key --window "$id" ctrl+s
sleep 1
import -window root "$pictures/wine-window.png"
wineserver -k
wait || true
grep -qF '"K": "2006.831"' "$dir/example.hxcase" || fail "the window computed or saved nothing"

# The silent uninstall, then nothing of it is left.
wine "$installed/uninstall.exe" /S /AllUsers
wineserver -w
[ ! -e "$installed" ] || fail "left behind: $(cd "$installed" && find . | head)"
[ ! -e "$menu" ] || fail "the Start-menu entry is left"
! key "$apps" >/dev/null || fail "应用和功能 still lists it"
! key "$classes\\.hxcase" >/dev/null || fail ".hxcase is still associated"
echo "Windows program: installed, started, reported and removed under Wine"
