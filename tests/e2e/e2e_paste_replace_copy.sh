#!/usr/bin/env bash
# With xclip as the other program: the start-up paste shows the bitmap pixel for pixel, Paste
# takes a smaller one, a click samples, Replace recolours exactly the matching pixels through
# the real colour dialog, and Copy hands the result back as the only clipboard content.
source "$(dirname "$0")/lib.sh"
start_display with-wm
make_fixture "$WORK/big.png" 300 200
make_fixture "$WORK/small.png" 90 60
offer image/png "$WORK/big.png"

start_lumvex
win=$(wait_window lumvex)
wait_for 10 "the start-up paste on screen" shows "$win" "$WORK/big.png"
[[ $IMAGE_X == 0 ]] || fail "Image1 starts at x=$IMAGE_X"

kill "$CLIP_OWNER"
offer image/png "$WORK/small.png"
press "$win" Return # Paste
wait_for 10 "the pasted smaller picture" shows "$win" "$WORK/small.png"
top=$IMAGE_Y

# A red pixel of the small fixture's rectangle.
click_client "$win" 15 $((top + 15))
wait_for 5 "sample text" clipboard_text_is "#ff0000"

press "$win" Tab Return # Replace
choose_in_dialog "#00ff00"
wait_title "$win" "brenip - OK"
convert "$WORK/small.png" -fill '#00ff00' -opaque '#ff0000' "PNG24:$WORK/expected.png"
[[ "$(pixels_differ "$WORK/small.png" "$WORK/expected.png")" != 0 ]] || fail "fixture has no red"
wait_for 5 "exactly the red pixels recoloured" shows "$win" "$WORK/expected.png"

press "$win" Tab Return # Copy
wait_title "$win" "lumvex - Copyed"
targets=$(clipboard_out -t TARGETS | sort | tr '\n' ' ')
[[ "$targets" == "MULTIPLE SAVE_TARGETS TARGETS TIMESTAMP image/png " ]] ||
    fail "clipboard offers: $targets"
clipboard_out -t image/png >"$WORK/copied.png"
[[ "$(pixels_differ "$WORK/copied.png" "$WORK/expected.png")" == 0 ]] || fail "copied image differs"
echo "PASS"
