#!/usr/bin/env bash
# The window opens as designed under a window manager, a click samples into the clipboard,
# and closing ends the program with exit code 0.
source "$(dirname "$0")/lib.sh"
start_display with-wm
printf 'plain text only' >"$WORK/text.txt"
offer UTF8_STRING "$WORK/text.txt"

start_lumvex
win=$(wait_window lumvex)
[[ "$(title_of "$win")" == lumvex ]] || fail "title is '$(title_of "$win")'"
wait_for 5 "frame at the designed place" frame_is "$win" "176 136 435 300"
xprop -id "$win" WM_CLASS | grep -q '"lumvex", "lumvex"' || fail "window class"
xprop -id "$win" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "no 32x32 icon"

# Nothing was pasted: the first sample makes the white bitmap and reads white.
click_client "$win" 20 60
wait_for 5 "sample text" clipboard_text_is "#ffffff"
targets=$(clipboard_out -t TARGETS)
for target in $targets; do
    case $target in
    TARGETS | MULTIPLE | TIMESTAMP | SAVE_TARGETS | UTF8_STRING | STRING | TEXT | COMPOUND_TEXT | text/plain*) ;;
    *) fail "clipboard offers $target after a sample" ;;
    esac
done

close_window "$win" "$LUMVEX_PID"
[[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE"
echo "PASS"
