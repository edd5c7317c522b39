#!/usr/bin/env bash
# A long replacement shows its progress in the title bar while it runs, although the event
# loop does not run until it ends: the X server sees "brenip - 0%", percentages, then OK.
# lumvex's clock runs through libfaketime: at normal speed for the paste and the dialog, then a
# thousand times faster, so that scanning an 8K frame takes many seconds by lumvex's clock.
if [[ -n "${LUMVEX_SANITIZED:-}" ]]; then
    echo "SKIP: libfaketime cannot be preloaded into a sanitizer build"
    exit 77
fi
source "$(dirname "$0")/lib.sh"
start_display with-wm
convert -size 7680x4320 xc:black -type TrueColor "PNG24:$WORK/8k.png"
offer image/png "$WORK/8k.png"
echo "+0 x1" >"$WORK/clock"
LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME_TIMESTAMP_FILE="$WORK/clock" \
    FAKETIME_NO_CACHE=1 start_lumvex
win=$(wait_window lumvex 60)
kill "$CLIP_OWNER"
click_client "$win" 30 60
wait_for 10 "the sample" clipboard_text_is "#000000"

xprop -spy -id "$win" _NET_WM_NAME >"$WORK/titles.log" 2>/dev/null &
PIDS+=($!)
press "$win" Tab Return # Replace
dialog=$(wait_window "Select Color")
xdotool windowactivate --sync "$dialog" key --clearmodifiers alt+h ctrl+a
xdotool type --delay 20 "#ffffff"
echo "+0 x1000" >"$WORK/clock"
xdotool key --clearmodifiers Return
wait_title "$win" "brenip - OK" 120
sleep 0.5
titles=$(sed -E 's/^[^"]*"(.*)"$/\1/' "$WORK/titles.log" | uniq)
echo "$titles"
progress=$(grep -cE '^brenip - [1-9][0-9]?%$' <<<"$titles" || true)
((progress >= 2)) || fail "progress titles did not reach the X server during the scan"
# xprop reads the title when told it changed, so a title replaced at once (0%, say) may be
# seen as its successor; the order of what it saw must hold all the same.
[[ "$(tail -n 1 <<<"$titles")" == "brenip - OK" ]] || fail "OK is not the last title"
percents=$(grep -oE '[0-9]+%$' <<<"$titles" | tr -d '%')
[[ "$percents" == "$(sort -n <<<"$percents")" ]] || fail "percentages out of order"
echo "PASS"
