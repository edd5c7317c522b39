#!/usr/bin/env bash
# At a device pixel ratio of 2 (QT_SCALE_FACTOR=2) the picture is drawn one image pixel per
# device pixel, and clicks on neighbouring device pixels sample neighbouring image pixels.
source "$(dirname "$0")/lib.sh"
start_display with-wm
# Every pixel differs from its neighbours: red follows the column's parity, green the row's.
convert -size 40x30 xc:'#000040' -channel R -fx 'i%2' -channel G -fx 'j%2' +channel \
    -fill '#123456' -draw 'rectangle 0,20 9,29' -type TrueColor "PNG24:$WORK/parity.png"
offer image/png "$WORK/parity.png"
QT_SCALE_FACTOR=2 start_lumvex
COVERED_ROWS=2
win=$(wait_window lumvex)
wait_for 10 "the picture, one image pixel per device pixel" shows "$win" "$WORK/parity.png"

colour_at() {
    convert "$WORK/parity.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' |
        tr 'A-F' 'a-f'
}
for pixel in "20 6" "21 6" "20 7" "21 7" "39 19"; do
    read -r x y <<<"$pixel"
    click_client "$win" $((IMAGE_X + x)) $((IMAGE_Y + y))
    expected=$(colour_at "$x" "$y")
    wait_for 5 "pixel ($x, $y) sampled as $expected" clipboard_text_is "$expected"
done
echo "PASS"
