#!/usr/bin/env bash
# Native Wayland: lumvex on Qt's wayland platform under weston (nested in Xvfb, which gives
# weston a seat), with wl-copy and wl-paste as the other program. The start-up paste waits for
# the first focus, a click samples, and Copy hands the picture back.
source "$(dirname "$0")/lib.sh"
start_display
export WAYLAND_DISPLAY=lumvex-test
# The kiosk shell: no panel to click by mistake, and the one window always has the focus.
weston --backend=x11-backend.so --shell=kiosk-shell.so --socket="$WAYLAND_DISPLAY" \
    --width=1024 --height=768 --idle-time=0 >"$WORK/weston.log" 2>&1 &
PIDS+=($!)
wait_for 10 "weston" test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"
compositor_window() { xwininfo -root -tree | awk '/"Weston Compositor/ {print $1; exit}'; }
has_compositor_window() { [[ -n "$(compositor_window)" ]]; }
wait_for 10 "weston's window" has_compositor_window
compositor=$(compositor_window)

make_fixture "$WORK/picture.png" 120 80
wl-copy --type image/png <"$WORK/picture.png"
QT_QPA_PLATFORM=wayland start_lumvex
# Everything is seen through weston's window on the X server.
wait_for 20 "the start-up paste on screen" shows "$compositor" "$WORK/picture.png"

# weston follows the pointer by its motion events: arrive with two moves, then click.
click_at() {
    xdotool mousemove --sync $(($1 - 1)) $(($2 - 1))
    sleep 0.2
    xdotool mousemove --sync "$1" "$2"
    sleep 0.2
    xdotool click 1
}
wl_text_is() { [[ "$(timeout 2 wl-paste --no-newline 2>/dev/null)" == "$1" ]]; }
click_at $((IMAGE_X + 20)) $((IMAGE_Y + 20))
wait_for 10 "the sample text" wl_text_is "#ff0000"

# Copy: the button spans columns 283-353 of the designed layout, 306-382 at its 13/12 scale.
click_at $((IMAGE_X + 330)) $((IMAGE_Y - 10))
wl_offers_only_png() { [[ "$(timeout 2 wl-paste --list-types 2>/dev/null)" == image/png ]]; }
wait_for 10 "the copied picture" wl_offers_only_png
timeout 5 wl-paste --type image/png >"$WORK/copied.png"
[[ "$(pixels_differ "$WORK/copied.png" "$WORK/picture.png")" == 0 ]] || fail "copy differs"
grep -q 'wayland' <(xargs -0 -n1 <"/proc/$LUMVEX_PID/environ" | grep QT_QPA_PLATFORM) ||
    fail "not on the wayland platform"
echo "PASS"
