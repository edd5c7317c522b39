#!/usr/bin/env bash
# Paste and Copy of an 8K screenshot-like PNG (7680x4320) through a real X clipboard, beside
# the same transfers through xclip and ImageMagick, with lumvex's peak memory.
# Usage: bench/paste_copy.sh [build/lumvex]
set -euo pipefail
cd "$(dirname "$0")/.."
export LUMVEX=${1:-build/lumvex}
source tests/e2e/lib.sh
start_display with-wm
now_ms() { echo $(($(date +%s%N) / 1000000)); }
memory_kb() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/status"; }

# A screenshot-like picture: the README's window shot tiled over an 8K frame.
convert docs/screenshot.png -write mpr:tile +delete -size 7680x4320 tile:mpr:tile \
    -type TrueColor "PNG24:$WORK/8k.png"
image_mb=$((7680 * 4320 * 4 / 1048576))

printf 'text' >"$WORK/text.txt"
offer UTF8_STRING "$WORK/text.txt"
start_lumvex
win=$(wait_window lumvex)
sleep 0.5
idle_kb=$(memory_kb "$LUMVEX_PID" VmRSS)
kill "$CLIP_OWNER"
offer image/png "$WORK/8k.png"

# Paste: Return presses Paste; the click behind it is handled once the paste is done, and the
# sample text it leaves on the clipboard marks the end.
sampled() { [[ "$(clipboard_out)" == '#'* ]]; }
started=$(now_ms)
press "$win" Return
click_client "$win" 5 60
wait_for 120 "the paste" sampled
paste_ms=$(($(now_ms) - started))

# Copy: until another program has read the whole PNG.
started=$(now_ms)
press "$win" Tab Tab Return
wait_title "$win" "lumvex - Copyed" 120
timeout 120 xclip -selection clipboard -o -t image/png >"$WORK/copied.png"
copy_ms=$(($(now_ms) - started))
peak_kb=$(memory_kb "$LUMVEX_PID" VmHWM)
[[ "$(pixels_differ "$WORK/8k.png" "$WORK/copied.png")" == 0 ]] || echo "WARNING: copy differs"

# The command-line pipeline for the same two transfers.
started=$(now_ms)
timeout 120 xclip -selection clipboard -o -t image/png | convert png:- rgb:"$WORK/pixels.rgb"
pipe_paste_ms=$(($(now_ms) - started))
offer UTF8_STRING "$WORK/text.txt"
started=$(now_ms)
convert -size 7680x4320 -depth 8 rgb:"$WORK/pixels.rgb" png:- |
    xclip -quiet -selection clipboard -t image/png -i >/dev/null 2>&1 &
PIDS+=($!)
wait_for 120 "xclip to own the clipboard" clipboard_has image/png
timeout 120 xclip -selection clipboard -o -t image/png >"$WORK/piped.png"
pipe_copy_ms=$(($(now_ms) - started))

echo "8K PNG: $(($(stat -c %s "$WORK/8k.png") / 1024)) KiB, pixels ${image_mb} MiB"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
printf '%-28s %8d ms   pipeline %8d ms   ratio %s\n' "Paste to image in place" \
    "$paste_ms" "$pipe_paste_ms" "$(ratio "$paste_ms" "$pipe_paste_ms")"
printf '%-28s %8d ms   pipeline %8d ms   ratio %s\n' "Copy to image read back" \
    "$copy_ms" "$pipe_copy_ms" "$(ratio "$copy_ms" "$pipe_copy_ms")"
printf 'peak memory above idle: %d MiB = %sx the image\n' $(((peak_kb - idle_kb) / 1024)) \
    "$(ratio "$((peak_kb - idle_kb))" "$((image_mb * 1024))")"
