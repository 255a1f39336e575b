#!/usr/bin/env bash
# The tutorial wizard and a demonstration clip in the real program on its own
# X server: Ctrl+M opens the wizard, "Далее >" leads to the clip page, Play
# of clip 3 hides the wizard and plays the half adder in a 600 x 480 main
# window. Esc brings the wizard back with the bar part-filled, Play goes on
# from there, the wizard comes back at the end with a full bar, and once it
# is closed the main window shows the circuit.
#
# Usage: clips_e2e.sh PROGRAM [SCREENSHOT_FOLDER]
# The screenshots are kept in SCREENSHOT_FOLDER when one is given.
set -u

program=${1:?usage: $0 PROGRAM [SCREENSHOT_FOLDER]}
keep=${2:-}
. "$(dirname "$0")/e2e_common.sh"
# The eraser's button, the last of the tool bar, below the menu bar and the
# tool bar's title: its middle in the main window's client area.
eraser_top=380
e2e_start

xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 0.5
[ -z "$(visible_wizard)" ] || fail "the wizard shows before it is asked for"
send_key ctrl+m
wait_for_wizard 10 || die "Ctrl+M showed no wizard"
echo "wizard $wizard at $W_X,$W_Y size ${W_WIDTH}x$W_HEIGHT"
[ "$W_WIDTH" = 592 ] && [ "$W_HEIGHT" = 414 ] || fail "the wizard is ${W_WIDTH}x$W_HEIGHT, not 592x414"

shot page1
# Page 1 is the introduction: text fills the content area.
[ "$(dark_pixels page1 $((W_X + 7)) $((W_Y + 52)) 577 305)" -gt 2000 ] || fail "page 1 shows no text"

for _ in $(seq 8); do click_wizard 457 385; done  # "Далее >"
shot page9
# The clip page: four rows with Play, Stop and an empty bar each.
bar3="429x20+$((W_X + 147))+$((W_Y + 52 + 240))"
"$convert" "$work/page9.png" -crop "$bar3" +repage "$work/bar-empty.png"

click_wizard 45 302  # Play of clip 3
sleep 1
[ -z "$(visible_wizard)" ] || fail "the wizard stayed visible when the clip started"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 600 ] && [ "$HEIGHT" = 480 ] || fail "the clip plays in a ${WIDTH}x$HEIGHT window, not 600x480"
sleep 8
shot playing

xdotool key Escape
wait_for_wizard 5 || die "Esc did not bring the wizard back"
bar3="429x20+$((W_X + 147))+$((W_Y + 52 + 240))"
shot left
# The main window has its own size again, under the wizard, which holds it:
# a click on the tool bar's eraser reaches nothing.
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -gt 600 ] && [ "$HEIGHT" -gt 480 ] || fail "the window stayed ${WIDTH}x$HEIGHT after Esc"
tools="90x420+$X+$Y"
"$convert" "$work/left.png" -crop "$tools" +repage "$work/tools-before.png"
xdotool mousemove $((X + 40)) $((Y + eraser_top)) click 1
shot clicked
"$convert" "$work/clicked.png" -crop "$tools" +repage "$work/tools-after.png"
[ "$(changed_box tools-before tools-after)" = none ] || fail "the tool bar took a click while the wizard was up"
"$convert" "$work/left.png" -crop "$bar3" +repage "$work/bar-part.png"
[ "$(changed_box bar-empty bar-part)" != none ] || fail "the bar shows no progress after Esc"
click_wizard 45 302  # Play again: on from the same event
sleep 1
[ -z "$(visible_wizard)" ] || fail "the wizard stayed visible when the clip went on"

# 897 events at 32 ms: about half a minute; the wizard returns at the end.
wait_for_wizard 120 || die "the wizard did not come back after the clip"
bar3="429x20+$((W_X + 147))+$((W_Y + 52 + 240))"
shot ended
"$convert" "$work/ended.png" -crop "$bar3" +repage "$work/bar-full.png"
[ "$(changed_box bar-part bar-full)" != none ] || fail "clip 3's bar did not fill"

click_wizard 546 385  # "Закрыть"
sleep 0.5
[ -z "$(visible_wizard)" ] || fail "Закрыть left the wizard open"
eval "$(xdotool getwindowgeometry --shell "$window")"
shot circuit
# The half adder's wires and elements: far more ink than the grid dots of an
# empty surface (about 350 at this size).
ink=$(dark_pixels circuit "$X" "$((Y + 21))" "$((WIDTH - 20))" "$((HEIGHT - 60))")
echo "dark pixels on the surface: $ink"
[ "$ink" -gt 2500 ] || fail "the main window shows no circuit after the clip ($ink dark pixels)"

e2e_finish "the wizard played clip 3 and came back"
