#!/usr/bin/env bash
# The Windows program as a Windows user gets it, under Wine in a fresh prefix. The installer
# installs it silently for every user and then for the current user only; each time the
# Start menu, 应用和功能 and .hxcase know it, and the silent uninstaller takes all of it away
# again. Installed for everyone, it starts with its window titled 管壳式换热器换热面积计算
# within 10 s, opens a case as Explorer would, computes and saves it (the picture is left as
# wine-window.png); --text says what the Linux build says, and --pdf writes the two-page 计算书
# holding K, A and Q (left as wine-sheet.pdf). The zip, unpacked anywhere, reports the same.
# Usage: installer_test.sh <setup.exe> <zip> <the Linux program> <example.hxcase> <picture dir>
# Run under xvfb-run.
set -euo pipefail
setup=$1 zip=$2 linux=$3 example=$4 pictures=$5
dir=$(mktemp -d)
export WINEPREFIX=$dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

title=管壳式换热器换热面积计算
program=heat-exchanger-sizing.exe
id=io.github.hxsizing.HeatExchangerSizing
wineboot --init
wineserver -w

# A key as UTF-8 text (reg query would say its Chinese in the console's code page); fails
# when there is no such key.
key() {
    wine reg export "$1" "$(winepath -w "$dir/key.reg")" /y >/dev/null 2>&1 &&
        iconv -f UTF-16 -t UTF-8 "$dir/key.reg" | tr -d '\r'
}

# The window titled $1 within 10 s; prints its X id.
window() {
    local started=${EPOCHREALTIME/./}
    until xdotool search --name "^$1\$" 2>/dev/null; do
        ((${EPOCHREALTIME/./} - started < 10000000)) || fail "no window titled $1 within 10 s"
        sleep 0.1
    done
    echo "window \"$1\" shown after $(((${EPOCHREALTIME/./} - started) / 1000)) ms" >&2
}

# The worked example's reports from the program $1, beside the Linux build's. Windows ends
# lines with CR LF.
case=$(winepath -w "$dir/example.hxcase")
"$linux" --text "$example" >"$dir/linux.txt"
for line in "总传热系数为：2006.831" "传递热量:166960 W" "所需换热面积为：2.0859118 ㎡"; do
    grep -qF "$line" "$dir/linux.txt" || fail "--text does not say $line"
done
reports() {
    cp "$example" "$dir/example.hxcase"
    wine "$1" --text "$case" >"$dir/windows.txt" || fail "--text: $?"
    tr -d '\r' <"$dir/windows.txt" | cmp - "$dir/linux.txt" || fail "--text differs from Linux"
    wine "$1" --pdf "$(winepath -w "$dir/sheet.pdf")" "$case" || fail "--pdf: $?"
    pdfinfo "$dir/sheet.pdf" | grep -qx "Pages: *2" || fail "the 计算书 is not two pages"
    pdftotext "$dir/sheet.pdf" - >"$dir/sheet.txt"
    for number in 2006.831 166960 2.0859118; do
        grep -qF "$number" "$dir/sheet.txt" || fail "the 计算书 does not hold $number"
    done
    cp "$dir/sheet.pdf" "$pictures/wine-sheet.pdf"  # to look at, with Windows' faces
}

for mode in AllUsers CurrentUser; do
    if [ $mode = AllUsers ]; then
        installed=$WINEPREFIX/drive_c/Program\ Files/$title
        menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs
        hive=HKLM
    else
        profile=$WINEPREFIX/drive_c/users/$(id -un)/AppData
        installed=$profile/Local/Programs/$title
        menu=$profile/Roaming/Microsoft/Windows/Start\ Menu/Programs
        hive=HKCU
    fi
    apps="$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$id"
    classes="$hive\\Software\\Classes"

    wine "$setup" /S /$mode
    wineserver -w
    [ -f "$installed/$program" ] || fail "$mode: nothing installed in $installed"
    for file in Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll qt.conf \
        plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll \
        translations/qtbase_zh_CN.qm LICENSE.txt licenses/Qt/LGPL-3.0-only.txt \
        licenses/Qt/SOURCE.txt uninstall.exe; do
        [ -f "$installed/$file" ] || fail "$mode: $file was not installed"
    done
    [ -f "$menu/$title.lnk" ] || fail "$mode: no Start-menu entry $title"
    key "$apps" >"$dir/apps.txt" || fail "$mode: 应用和功能 does not list it"
    grep -qxF "\"DisplayName\"=\"$title\"" "$dir/apps.txt" || fail "$mode: 应用和功能 names it not"
    grep -qF "uninstall.exe\\\" /$mode /S\"" "$dir/apps.txt" || fail "$mode: no silent uninstall"
    key "$classes\\.hxcase" | grep -qxF "@=\"$id.Case\"" || fail "$mode: .hxcase is not ours"
    key "$classes\\$id.Case" >"$dir/case.txt"
    grep -qF "$program\\\" \\\"%1\\\"\"" "$dir/case.txt" || fail "$mode: .hxcase opens elsewhere"
    grep -qF "$program\\\",1\"" "$dir/case.txt" || fail "$mode: .hxcase has not the case icon"

    if [ $mode = AllUsers ]; then
        reports "$installed/$program"

        # Started as the Start menu starts it.
        wine "$installed/$program" &
        window "$title" >/dev/null
        wineserver -k
        wait || true

        # A case opened as Explorer opens it, computed by a click on 计算结果 and saved by
        # Ctrl+S: the file then holds the results. 计算结果 is Command1, centred at (124, 512)
        # px of the form (its twips over 15), the form below a menu bar of 18 px.
        cp "$example" "$dir/example.hxcase"
        wine "$installed/$program" "$case" &
        window=$(window "example.hxcase - $title")
        sleep 1
        xdotool mousemove --window "$window" 124 530 click 1
        sleep 1
        xdotool key --window "$window" ctrl+s
        sleep 1
        import -window root "$pictures/wine-window.png"
        wineserver -k
        wait || true
        grep -qF '"K": "2006.831"' "$dir/example.hxcase" || fail "the window saved no result"
    fi

    wine "$installed/uninstall.exe" /S /$mode
    wineserver -w
    [ ! -e "$installed" ] || fail "$mode: left behind: $(cd "$installed" && find . | head)"
    [ ! -e "$menu/$title.lnk" ] || fail "$mode: the Start-menu entry is left"
    ! key "$apps" >/dev/null || fail "$mode: 应用和功能 still lists it"
    ! key "$classes\\.hxcase" >/dev/null || fail "$mode: .hxcase is still associated"
    echo "installed for $mode, used and removed"
done

# The zip: one folder that runs wherever it is unpacked.
mkdir "$dir/unpacked"
(cd "$dir/unpacked" && cmake -E tar xf "$zip")
reports "$(find "$dir/unpacked" -name "$program")"
echo "Windows program: installed, started, reported and removed under Wine"
