#!/usr/bin/env bash
# Launch to window shown, median of 10 launches, under Xvfb with a window manager and text on
# the clipboard. Usage: bench/startup_time.sh [build/lumvex]
set -euo pipefail
cd "$(dirname "$0")/.."
export LUMVEX=${1:-build/lumvex}
source tests/e2e/lib.sh
start_display with-wm
printf 'text' >"$WORK/text.txt"
offer UTF8_STRING "$WORK/text.txt"
times=()
for run in $(seq 10); do
    started=$(date +%s%N)
    start_lumvex
    win=$(wait_window lumvex)
    times+=($((($(date +%s%N) - started) / 1000000)))
    close_window "$win" "$LUMVEX_PID"
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
echo "launch to window shown (ms), sorted: $sorted"
echo "median: $(printf '%s\n' "${times[@]}" | sort -n | sed -n '5p;6p' | awk '{s+=$1} END {print s/2}') ms"
