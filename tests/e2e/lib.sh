# Shared helpers for the end-to-end tests: each test gets its own Xvfb (and, when asked, a
# window manager), real clipboard peers (xclip) and real input (xdotool).
# shellcheck shell=bash
set -euo pipefail

LUMVEX=${LUMVEX:?path to the lumvex executable}
WORK=$(mktemp -d)
PIDS=()

cleanup() {
    for pid in "${PIDS[@]}"; do
        kill -CONT "$pid" 2>/dev/null || true
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_display [with-wm]: a private X server on a free display number.
start_display() {
    local fifo="$WORK/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>"$WORK/xvfb.log" &
    PIDS+=($!)
    local number
    read -r number <"$fifo"
    export DISPLAY=":$number"
    export XDG_RUNTIME_DIR="$WORK/runtime"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
    export QT_QPA_PLATFORM=xcb
    if [[ "${1:-}" == with-wm ]]; then
        openbox --sm-disable >"$WORK/wm.log" 2>&1 &
        PIDS+=($!)
        wait_for 5 "window manager" wm_running
    fi
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# wait_for <seconds> <what> <command...>: polls until the command succeeds.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || fail "timed out waiting for $what"
        sleep 0.05
    done
}

# offer <mime type> <file>: another program (xclip) owns the clipboard and serves the file.
offer() {
    xclip -quiet -selection clipboard -t "$1" -i "$2" >/dev/null 2>&1 &
    CLIP_OWNER=$!
    PIDS+=("$CLIP_OWNER")
    wait_for 5 "clipboard owner" clipboard_has "$1"
}

# Reads give up after 2 s: an owner that stopped answering must not hang the test.
clipboard_out() { timeout 2 xclip -selection clipboard -o "$@" 2>/dev/null; }
clipboard_has() { clipboard_out -t TARGETS | grep -qx "$1"; }
clipboard_text_is() { [[ "$(clipboard_out)" == "$1" ]]; }

# start_lumvex [name]: runs lumvex (as another file name when given) in the background.
start_lumvex() {
    local program=$LUMVEX
    if [[ -n "${1:-}" ]]; then
        program="$WORK/$1"
        cp "$LUMVEX" "$program"
    fi
    "$program" >"$WORK/lumvex.log" 2>&1 &
    LUMVEX_PID=$!
    PIDS+=("$LUMVEX_PID")
}

# The visible top-level window whose title matches exactly.
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }

wait_window() { # wait_window <title> [seconds] -> prints the window id
    local seconds=${2:-20} id=""
    local deadline=$((SECONDS + seconds))
    while [[ -z "$id" ]]; do
        ((SECONDS < deadline)) || fail "no window titled '$1'"
        id=$(window_named "$1")
        [[ -n "$id" ]] || sleep 0.05
    done
    echo "$id"
}

title_of() { xprop -id "$1" _NET_WM_NAME | sed -E 's/^[^"]*"(.*)"$/\1/'; }

# Client area's position on the screen: "x y".
client_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}

# click_client <window> <x> <y> [button]: a real click at a position in the client area.
click_client() {
    local origin
    read -r ox oy < <(client_origin "$1")
    xdotool mousemove --sync $((ox + $2)) $((oy + $3)) click "${4:-1}"
}

# shot <window> <file>: a screenshot of the client area.
shot() { import -window "$1" "$2"; }

# pixels_differ <a> <b>: number of differing pixels (ImageMagick's AE metric).
pixels_differ() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

wait_exit() { # wait_exit <pid> <seconds> -> sets EXIT_CODE
    local deadline=$((SECONDS + $2))
    while kill -0 "$1" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "lumvex did not end"
        sleep 0.05
    done
    EXIT_CODE=0
    wait "$1" || EXIT_CODE=$?
}

# frame_geometry <window>: the outer frame, title bar included, as "x y width height".
frame_geometry() {
    local extents left right top bottom x y width height
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' || true)
    IFS=', ' read -r left right top bottom <<<"${extents:-0, 0, 0, 0}"
    read -r x y < <(client_origin "$1")
    width=$(xwininfo -id "$1" | awk '/^  Width:/ {print $2}')
    height=$(xwininfo -id "$1" | awk '/^  Height:/ {print $2}')
    echo "$((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))"
}

# image_origin <screenshot> <marker colour>: "x y" of the marker's top-left in the shot.
marker_origin() {
    convert "$1" -alpha off -fill black +opaque "$2" -fill white -opaque "$2" -trim \
        -format '%X %Y\n' info: | tr -d '+'
}

# make_fixture <file> <width> <height>: a picture with flat colour areas and a #123456 marker
# of 10x10 in its bottom-left corner, to find it on the screen.
make_fixture() {
    local w=$2 h=$3
    convert -size "${w}x${h}" xc:'#f0e0d0' \
        -fill '#ff0000' -draw "rectangle 10,10 $((w / 3)),$((h / 2))" \
        -fill '#00a0ff' -draw "rectangle $((w / 2)),5 $((w - 5)),$((h / 3))" \
        -fill '#ff0000' -draw "circle $((w * 2 / 3)),$((h * 2 / 3)) $((w * 2 / 3 + 12)),$((h * 2 / 3))" \
        -fill '#123456' -draw "rectangle 0,$((h - 10)) 9,$((h - 1))" \
        -type TrueColor "PNG24:$1"
}

# shows <window> <expected image>: Image1 shows the picture pixel for pixel, found on the
# screen by its marker; sets IMAGE_X and IMAGE_Y to where it starts in the client area.
shows() {
    local width height mx my
    width=$(identify -format '%w' "$2")
    height=$(identify -format '%h' "$2")
    shot "$1" "$WORK/window.png"
    read -r mx my < <(marker_origin "$WORK/window.png" '#123456') || return 1
    IMAGE_X=$mx
    IMAGE_Y=$((my - height + 10))
    convert "$WORK/window.png" -crop "${width}x${height}+$IMAGE_X+$IMAGE_Y" +repage \
        "$WORK/shown.png"
    same_below_first_row "$WORK/shown.png" "$2"
}

# same_below_first_row <a> <b>: pixel-for-pixel equal, ignoring the top COVERED_ROWS rows
# (default 1): the buttons' last row covers Image1's first row where they overlap, two device
# rows at a device pixel ratio of 2.
same_below_first_row() {
    local height skip=${COVERED_ROWS:-1}
    height=$(identify -format '%h' "$1")
    convert "$1" -crop "x$((height - skip))+0+$skip" +repage "$WORK/a.png"
    convert "$2" -crop "x$((height - skip))+0+$skip" +repage "$WORK/b.png"
    [[ "$(pixels_differ "$WORK/a.png" "$WORK/b.png")" == 0 ]]
}

# press <window> <keys...>: real key presses to the window (focus starts on Paste; Tab moves on).
press() {
    local win=$1
    shift
    xdotool windowactivate --sync "$win" key --clearmodifiers "$@"
}

title_is() { [[ "$(title_of "$1")" == "$2" ]]; }
wait_title() { wait_for "${3:-20}" "title '$2'" title_is "$1" "$2"; }
# visible_windows_named <title> <count>
visible_windows_named() { [[ "$(xdotool search --onlyvisible --name "^$1\$" | wc -l)" == "$2" ]]; }
frame_is() { [[ "$(frame_geometry "$1")" == "$2" ]]; }

# replace_with <window> <#rrggbb>: Replace (focused), then the colour typed into Qt's dialog.
choose_in_dialog() {
    local dialog
    dialog=$(wait_window "Select Color")
    xdotool windowactivate --sync "$dialog" key --clearmodifiers alt+h
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$1"
    xdotool key --clearmodifiers Return
}

# close_window <window> <pid>: Alt+F4 through the window manager, again until the program ends
# (a press that comes before the window manager has taken the window on is lost); sets
# EXIT_CODE.
close_window() {
    local deadline=$((SECONDS + 15))
    while kill -0 "$2" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "lumvex did not end"
        xdotool windowactivate --sync "$1" key --clearmodifiers alt+F4 2>/dev/null || true
        for _ in $(seq 20); do
            kill -0 "$2" 2>/dev/null || break
            sleep 0.05
        done
    done
    wait_exit "$2" 1
}
