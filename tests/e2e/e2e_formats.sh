#!/usr/bin/env bash
# Colour formats through a real clipboard: a 1-bit PNG comes back 1-bit, a palette PNG keeps
# its palette, both pixel for pixel.
source "$(dirname "$0")/lib.sh"
start_display with-wm

round_trip() { # round_trip <png>: Paste at start-up, then Copy; the copy lands in copied.png
    offer image/png "$1"
    start_lumvex
    local win
    win=$(wait_window lumvex)
    kill "$CLIP_OWNER"
    press "$win" Tab Tab Return # Copy
    wait_title "$win" "lumvex - Copyed"
    clipboard_out -t image/png >"$WORK/copied.png"
    [[ "$(pixels_differ "$1" "$WORK/copied.png")" == 0 ]] || fail "$(basename "$1") changed"
    close_window "$win" "$LUMVEX_PID"
}

convert -size 64x40 pattern:checkerboard -monochrome "PNG8:$WORK/mono.png"
convert "$WORK/mono.png" -depth 1 "$WORK/mono1.png"
file "$WORK/mono1.png" | grep -q '1-bit' || fail "fixture is not 1-bit: $(file "$WORK/mono1.png")"
round_trip "$WORK/mono1.png"
file "$WORK/copied.png" | grep -q '1-bit' || fail "copy is $(file -b "$WORK/copied.png")"

convert -size 50x30 plasma:fractal -colors 6 -type Palette "PNG8:$WORK/palette.png"
round_trip "$WORK/palette.png"
identify -format '%[type]' "$WORK/copied.png" | grep -q Palette || fail "copy lost its palette"
colours() { convert "$1" -unique-colors -depth 8 txt:- | tail -n +2 | awk '{print $3}' | sort; }
[[ "$(colours "$WORK/palette.png")" == "$(colours "$WORK/copied.png")" ]] || fail "palette differs"
echo "PASS"
