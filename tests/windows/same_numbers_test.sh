#!/usr/bin/env bash
# The sweep's numbers from the Linux build and from the Windows build under Wine, compared
# line by line (Windows ends its lines with CR LF).
# Usage: same_numbers_test.sh <Linux same_numbers> <the command that runs same_numbers.exe>...
set -euo pipefail
linux=$1
shift
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$linux" >"$dir/linux.txt"
"$@" | tr -d '\r' >"$dir/windows.txt"
if ! cmp -s "$dir/linux.txt" "$dir/windows.txt"; then
    diff "$dir/linux.txt" "$dir/windows.txt" | head -20 >&2
    echo "FAIL: the Windows build computes other numbers" >&2
    exit 1
fi
echo "bit for bit the same: $(tail -n1 "$dir/linux.txt")"
