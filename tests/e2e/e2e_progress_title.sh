#!/usr/bin/env bash
# A long replacement shows its progress in the title bar while it runs, although the event
# loop does not run until it ends: the X server sees "brenip - 0%", percentages, then OK.
# A large two-colour picture is scanned pixel by pixel, long enough for progress titles. It is
# written as a binary PBM (all black), which needs no image tool with size limits.
source "$(dirname "$0")/lib.sh"
start_display with-wm
{ printf 'P4\n8192 12288\n'; head -c $((8192 / 8 * 12288)) /dev/zero | tr '\0' '\377'; } >"$WORK/mono.pbm"
offer image/x-portable-pixmap "$WORK/mono.pbm"
start_lumvex
win=$(wait_window lumvex 60)
kill "$CLIP_OWNER"
click_client "$win" 30 60
wait_for 10 "the sample" clipboard_text_is "#000000"

xprop -spy -id "$win" _NET_WM_NAME >"$WORK/titles.log" 2>/dev/null &
PIDS+=($!)
press "$win" Tab Return # Replace
choose_in_dialog "#ffffff"
wait_title "$win" "brenip - OK" 300
sleep 0.5
titles=$(sed -E 's/^[^"]*"(.*)"$/\1/' "$WORK/titles.log" | uniq)
echo "$titles"
progress=$(grep -cE '^brenip - [1-9][0-9]?%$' <<<"$titles" || true)
((progress >= 1)) || fail "no progress title reached the X server during the scan"
grep -qx 'brenip - 0%' <<<"$titles" || fail "no start title"
[[ "$(tail -n 1 <<<"$titles")" == "brenip - OK" ]] || fail "OK is not the last title"
percents=$(grep -oE '[0-9]+%$' <<<"$titles" | tr -d '%')
[[ "$percents" == "$(sort -n <<<"$percents")" ]] || fail "percentages out of order"
echo "PASS"
