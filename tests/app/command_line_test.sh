#!/usr/bin/env bash
# The program without a window, as a script uses it: the report of a case on standard output,
# its 计算书 as a PDF, and exit 0, 1 or 2 with the window's words on standard error. No
# display is set, so any attempt at a window fails.
# Usage: command_line_test.sh <program> <the worked example's case>
set -euo pipefail
program=$1 example=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$dir/config XDG_RUNTIME_DIR=$dir
fail() { echo "FAIL: $*" >&2; exit 1; }

# The worked example, the shell flow left out and the tube flow as a JSON number.
cp "$example" "$dir/example.hxcase"
sed 's/"0.02"/"0"/' "$dir/example.hxcase" >"$dir/no-diameter.hxcase"

status() { set +e; "$@" >"$dir/out" 2>"$dir/err"; echo $?; set -e; }

[ "$(status "$program" --text "$dir/example.hxcase")" = 0 ] || fail "--text: $(cat "$dir/err")"
for line in "总传热系数为：2006.831" "传递热量:166960 W" "所需换热面积为：2.0859118 ㎡"; do
    grep -qF "  $line" "$dir/out" || fail "--text does not say $line"
done

[ "$(status "$program" --pdf "$dir/sheet.pdf" "$dir/example.hxcase")" = 0 ] || fail "--pdf"
pdftotext "$dir/sheet.pdf" - | grep -qF "2.0859118" || fail "the PDF has no area"
pdfdetach -list "$dir/sheet.pdf" | grep -qF "example.hxcase" || fail "the PDF carries no case"

[ "$(status "$program" --text "$dir/missing.hxcase")" = 1 ] || fail "a missing case is not 1"
grep -qF "$dir/missing.hxcase" "$dir/err" || fail "the message names no file"
[ "$(status "$program" --text "$dir/no-diameter.hxcase")" = 1 ] || fail "a fault is not 1"
[ -s "$dir/err" ] || fail "a fault says nothing"
[ ! -e "$dir/none.pdf" ] || fail "a PDF was written for nothing"

[ "$(status "$program" --bogus)" = 2 ] || fail "a wrong option is not 2"
[ "$(status "$program" --text)" = 2 ] || fail "--text without a case is not 2"
[ "$(status "$program" a.hxcase b.hxcase)" = 2 ] || fail "two cases are not 2"
[ "$(status "$program" --help)" = 0 ] && grep -qF "选项" "$dir/out" || fail "--help"
[ "$(status "$program" --version)" = 0 ] && grep -q "[0-9]\.[0-9]" "$dir/out" || fail "--version"
echo "command line: all as a script expects"
