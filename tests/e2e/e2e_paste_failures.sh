#!/usr/bin/env bash
# Clipboard owners that serve bad data or stop answering: the error box at start-up (then exit
# code 1, no main window), the error box on Paste (the program goes on), and a stopped owner
# survived within two of Qt's clipboard time-outs.
source "$(dirname "$0")/lib.sh"
start_display with-wm
make_fixture "$WORK/picture.png" 120 80

# 1. Garbage under image/png at start-up, run under another file name: the box is captioned
#    with the application title from that name, and no main window ever shows.
printf 'this is not a PNG' >"$WORK/garbage.png"
offer image/png "$WORK/garbage.png"
start_lumvex MyTool.EXE
box=$(wait_window Mytool)
[[ -z "$(window_named lumvex)" ]] || fail "main window shown after a failed start-up"
press "$box" Return
wait_exit "$LUMVEX_PID" 10
[[ $EXIT_CODE == 1 ]] || fail "start-up failure exit code $EXIT_CODE"
kill "$CLIP_OWNER"

# 2. A truncated PNG on Paste: the box, then the window goes on with its image.
offer image/png "$WORK/picture.png"
start_lumvex
win=$(wait_window lumvex)
wait_for 10 "the start-up paste" shows "$win" "$WORK/picture.png"
kill "$CLIP_OWNER"
head -c 300 "$WORK/picture.png" >"$WORK/truncated.png"
offer image/png "$WORK/truncated.png"
press "$win" Return # Paste
wait_for 10 "the error box" visible_windows_named lumvex 2
box=$(xdotool search --onlyvisible --name '^lumvex$' | grep -vx "$win" | head -n 1)
press "$box" Return
wait_for 5 "the box to close" visible_windows_named lumvex 1
shows "$win" "$WORK/picture.png" || fail "the image changed after a failed paste"
kill "$CLIP_OWNER"

# 3. An owner that stopped answering: Paste gives up within two time-outs, nothing changes,
#    and the window answers again.
offer image/png "$WORK/picture.png"
kill -STOP "$CLIP_OWNER"
started=$SECONDS
press "$win" Return # Paste
sleep 0.5
click_client "$win" 5 $((IMAGE_Y + 40))
wait_for 15 "the window to answer" clipboard_text_is "#f0e0d0"
took=$((SECONDS - started))
((took <= 12)) || fail "a stopped owner held the window for ${took}s"
echo "stopped owner survived in ${took}s"
shows "$win" "$WORK/picture.png" || fail "the image changed after a stopped owner"
[[ "$(title_of "$win")" == lumvex ]] || fail "title changed"
echo "PASS"
