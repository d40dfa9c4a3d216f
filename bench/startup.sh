#!/usr/bin/env bash
# Start-up of the program against the floor (the same controls, captions, fonts, geometry, menu
# bar and status bar in stock Qt widgets), in one run under one X server, alternating the two:
#   wall time from exec to the first painted frame and peak RSS, the median of `runs` each;
#   instructions from exec to the first frame (valgrind callgrind, deterministic).
# Prints each figure and the program's ratio to the floor.
# Usage: bench/startup.sh <build dir> [runs, default 11]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-11}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi

floor=$build/bench/floor_first_frame
program=$build/bench/program_first_frame
launcher=$build/bench/startup_launcher
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work  # the window as a first start opens it

"$launcher" "$floor" >/dev/null && "$launcher" "$program" >/dev/null  # warm the file cache
for ((i = 0; i < runs; ++i)); do
    "$launcher" "$floor" >>"$work/floor"
    "$launcher" "$program" >>"$work/program"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
instructions() {
    valgrind --tool=callgrind --callgrind-out-file="$work/cg" "$1" >/dev/null 2>&1
    awk '/^summary:/ { print $2 }' "$work/cg"
}

floor_ms=$(cut -d' ' -f1 "$work/floor" | median)
program_ms=$(cut -d' ' -f1 "$work/program" | median)
floor_kb=$(cut -d' ' -f2 "$work/floor" | median)
program_kb=$(cut -d' ' -f2 "$work/program" | median)
floor_ir=$(instructions "$floor")
program_ir=$(instructions "$program")

awk -v fm="$floor_ms" -v pm="$program_ms" -v fk="$floor_kb" -v pk="$program_kb" \
    -v fi="$floor_ir" -v pi="$program_ir" -v n="$runs" 'BEGIN {
    printf "%-44s %9s %9s %7s\n", "", "floor", "program", "ratio"
    printf "%-44s %9.1f %9.1f %7.3f\n", "instructions to the first frame (M)", fi / 1e6, pi / 1e6, pi / fi
    printf "%-44s %9.1f %9.1f %7.3f\n", "wall time to the first frame (ms, median of " n ")", fm, pm, pm / fm
    printf "%-44s %9.1f %9.1f %7.3f\n", "peak RSS (MB, median of " n ")", fk / 1024, pk / 1024, pk / fk
}'
