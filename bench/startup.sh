#!/usr/bin/env bash
# Start-up measurements of the whole program, the same way every time:
#  - splash: milliseconds from launch (a shell timestamp taken just before
#    exec) to the end of the splash window's first paint, reported by the
#    program itself when LUMO_TEST_LAUNCHED_AT_US is set; beside it the
#    processor time the program had used by then, which a busy machine
#    does not inflate;
#  - RSS: the resident set size (VmRSS) 4 s after launch, when the main
#    window is open and settled.
# Each is measured for the program and, beside it, for the bare Qt window of
# bench/barewindow.cpp: what the Qt platform alone costs on this machine.
# One warm-up run, then RUNS runs per platform (offscreen, and xcb under a
# private Xvfb when Xvfb is installed); prints every run and the median.
# Under Xvfb it then measures from outside, the same way for this program, the
# bare window and each program named in COMPARE (taken in turn, run after
# run): the time until the X server maps the first window, and the RSS after
# the same wait (bench/firstwindow.c, built here when a C compiler and the xcb
# headers are installed).
#
#   bench/startup.sh [path/to/lumo-english]   (default: build/bench/bin/lumo-english)
#   RUNS=5 COMPARE="tipp10" bench/startup.sh ...
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/bench/bin/lumo-english}")
runs=${RUNS:-3}
settle=${SETTLE_SECONDS:-4}
programs=("$program")
bare="$(dirname "$program")/../bench/bare_window"
[ -x "$bare" ] && programs+=("$(realpath "$bare")")

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run of the program $1: prints "<splash ms> <rss KiB> <splash processor ms>".
one_run() {
    local log pid splash rss processor
    log=$(mktemp)
    (
        export LUMO_TEST_CLOSE_AFTER_MS=$(((settle + 1) * 1000))
        export LUMO_TEST_LAUNCHED_AT_US=${EPOCHREALTIME/./}
        exec "$1" 2>"$log"
    ) &
    pid=$!
    sleep "$settle"
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
    wait "$pid" || true
    splash=$(sed -n 's/^splash painted after \([0-9.]*\) ms.*/\1/p' "$log" | head -n 1)
    processor=$(sed -n 's/^splash painted after .* (processor \([0-9.]*\) ms)$/\1/p' "$log" | head -n 1)
    rm -f "$log"
    echo "${splash:-nan} $rss ${processor:-nan}"
}

measure() {
    local platform=$1 candidate results splash_ms rss_kib processor_ms
    for candidate in "${programs[@]}"; do
        one_run "$candidate" >/dev/null # warm-up: files and libraries in the page cache
        results=$(for _ in $(seq "$runs"); do one_run "$candidate"; done)
        echo "$platform, $(basename "$candidate"):"
        echo "$results" | awk '{ printf "  splash %6.1f ms (processor %5.1f ms)   RSS %6.1f MiB\n", $1, $3, $2 / 1024 }'
        splash_ms=$(echo "$results" | awk '{ print $1 }' | median)
        processor_ms=$(echo "$results" | awk '{ print $3 }' | median)
        rss_kib=$(echo "$results" | awk '{ print $2 }' | median)
        awk -v s="$splash_ms" -v p="$processor_ms" -v r="$rss_kib" \
            'BEGIN { printf "  median: splash %.1f ms (processor %.1f ms), RSS %.1f MiB\n", s, p, r / 1024 }'
    done
}

# From outside: the first window mapped, and the RSS, of the program, the bare
# window and the programs to compare, taken in turn.
measure_from_outside() {
    local probe candidate name mapped rss_kib others
    probe=$(mktemp -d)
    if cc -O2 -o "$probe/firstwindow" bench/firstwindow.c -lxcb 2>/dev/null; then
        read -r -a others <<<"${COMPARE:-}"
        local everyone=("${programs[@]}" "${others[@]}")
        for candidate in "${everyone[@]}"; do
            "$probe/firstwindow" "$settle" "$candidate" >/dev/null 2>&1 || true # warm-up
        done
        for _ in $(seq "$runs"); do
            for candidate in "${everyone[@]}"; do
                echo "$(basename "$candidate") $("$probe/firstwindow" "$settle" "$candidate" 2>/dev/null)"
            done
        done >"$probe/runs"
        echo "first window mapped, seen from outside (median of $runs):"
        for candidate in "${everyone[@]}"; do
            name=$(basename "$candidate")
            mapped=$(awk -v n="$name" '$1 == n { print $2 }' "$probe/runs" | median)
            rss_kib=$(awk -v n="$name" '$1 == n { print $3 }' "$probe/runs" | median)
            awk -v n="$name" -v m="$mapped" -v r="$rss_kib" \
                'BEGIN { printf "  %-14s %6.1f ms   RSS %6.1f MiB\n", n, m, r / 1024 }'
        done
    fi
    rm -rf "$probe"
}

export QT_QPA_PLATFORM=offscreen
measure offscreen

if command -v Xvfb >/dev/null; then
    display=:$((90 + RANDOM % 400))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null || true' EXIT
    sleep 1
    export DISPLAY=$display QT_QPA_PLATFORM=xcb
    measure "xcb (Xvfb)"
    measure_from_outside
fi
