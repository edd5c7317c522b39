#!/usr/bin/env bash
# Takes the README's screenshot: lumvex under Xvfb with a window manager, a picture pasted at
# start-up and one pixel sampled. Usage: scripts/screenshot.sh [build/lumvex] [docs/screenshot.png]
set -euo pipefail
cd "$(dirname "$0")/.."
export LUMVEX=${1:-build/lumvex}
out=$(realpath -m "${2:-docs/screenshot.png}")
source tests/e2e/lib.sh
start_display with-wm
make_fixture "$WORK/picture.png" 300 200
offer image/png "$WORK/picture.png"
start_lumvex
win=$(wait_window lumvex)
wait_for 10 "the pasted picture" shows "$win" "$WORK/picture.png"
click_client "$win" 40 $((IMAGE_Y + 40))
wait_for 5 "the sample" clipboard_text_is "#ff0000"
read -r x y width height < <(frame_geometry "$win")
import -window root -crop "${width}x${height}+${x}+${y}" +repage "$out"
echo "wrote $out"
