#!/usr/bin/env bash
# The main window of the real program on its own X server: it appears with
# its caption, shows the white work area with a dot at every node, the tool
# keys 2, 5, 7, 1 press the right tool buttons, F11 hides the tool bar, Alt+1
# and Alt+3 change the node pitch, the wheel moves the scroll bars, and
# Alt+Space opens the window menu.
#
# Usage: mainwindow_e2e.sh PROGRAM [SCREENSHOT_FOLDER]
# The screenshots are kept in SCREENSHOT_FOLDER when one is given.
set -u

program=${1:?usage: $0 PROGRAM [SCREENSHOT_FOLDER]}
keep=${2:-}
. "$(dirname "$0")/e2e_common.sh"
e2e_start

title=$(xdotool getwindowname "$window")
[ "$title" = "Vorn v1.1 - [Новая схема]" ] || fail "caption is '$title'"
[ "$WIDTH" -ge 600 ] && [ "$HEIGHT" -ge 480 ] || fail "window is only ${WIDTH}x$HEIGHT"

xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
# The pointer rests in the middle of the work area, away from the tool bar.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
sleep 1

# A probe square in the middle of the work area.
probe_left=$((X + WIDTH / 2 - 100))
probe_top=$((Y + HEIGHT / 2 - 100))
probe() { check_grid "$1" "$probe_left" "$probe_top" 200 200 "$2" || fail "$3"; }  # probe SHOT PITCH MESSAGE
left_edge() { check_grid "$1" $((X + 10)) $((Y + 120)) 60 200 24; }  # left_edge SHOT: grid at the left edge

# changed_only BEFORE AFTER FIELD OP LIMIT MESSAGE: the screen changed, and
# field FIELD (1 W, 2 H, 3 X, 4 Y) of the changed box compares OP (-ge, -le) to LIMIT.
changed_only() {
    local box
    box=$(changed_box "$1" "$2")
    echo "changed from $1 to $2: $box"
    [ "$box" != none ] && [ "$(cut -d' ' -f"$3" <<<"$box")" "$4" "$5" ] || fail "$6: $box"
}

# ---- 100%: a dot every 24 pixels; the tool bar occupies the left edge -------
shot start
probe start 24 "no 24-pixel grid at start"
left_edge start >/dev/null && fail "the tool bar is not at the left edge"

# ---- tool keys: the pressed button moves from row to row -------------------
# Each changed box spans the released and the pressed button, 52-pixel rows.
before=start
declare -A bx bw by bh
for key in 2 5 7 1; do
    send_key "$key"; shot "tool$key"
    box=$(changed_box "$before" "tool$key")
    echo "changed by $key: $box"
    [ "$box" = none ] && { fail "tool key $key changed nothing on screen"; continue; }
    read -r bw[$key] bh[$key] bx[$key] by[$key] <<<"$box"
    [ $((bx[$key] + bw[$key])) -le $((X + 100)) ] || fail "tool key $key changed the screen outside the tool bar"
    before=tool$key
done
if [ "${#by[@]}" = 4 ]; then
    near $((by[5] - by[2])) 50 58 || fail "button 2 is not one row below button 1 (${by[2]}, ${by[5]})"
    near $((by[7] - by[5])) 150 174 || fail "button 5 is not three rows below button 2 (${by[5]}, ${by[7]})"
    near $((by[7] + bh[7] - by[5] - bh[5])) 100 116 || fail "button 7 is not two rows below button 5"
    [ "${by[1]}" = "${by[2]}" ] && [ $((by[1] + bh[1])) = $((by[7] + bh[7])) ] || fail "key 1 did not swap buttons 7 and 1"
fi

# ---- F11: the tool bar goes, the work area takes the left edge -------------
send_key F11; shot hidden
left_edge hidden || fail "F11 did not give the left edge to the work area"
probe hidden 24 "no 24-pixel grid with the tool bar hidden"

# ---- zoom keys ------------------------------------------------------------------
send_key alt+1; shot zoom50
probe zoom50 12 "Alt+1 did not show nodes 12 pixels apart"
send_key alt+3; shot zoom150
probe zoom150 36 "Alt+3 did not show nodes 36 pixels apart"

# ---- wheel: the vertical bar moves down and back, Shift moves the other -------
# At 150% a notch moves 36 x lines-per-notch pixels, whole nodes, so only the
# scroll bars show it.
xdotool click 5; shot wheel_down
changed_only zoom150 wheel_down 3 -ge $((X + WIDTH - 40)) "a wheel notch did not move the vertical bar alone"
probe wheel_down 36 "the grid is gone after the wheel"
xdotool click 4; shot wheel_up
[ "$(changed_box zoom150 wheel_up)" = none ] || fail "a notch up did not bring the view back"
xdotool keydown shift click 5 keyup shift; shot wheel_shift
changed_only zoom150 wheel_shift 4 -ge $((Y + HEIGHT - 80)) "Shift and the wheel did not move the horizontal bar alone"

# ---- Alt+Space: the window menu at the window's corner, Escape closes it ----------
send_key alt+space; shot window_menu
changed_only wheel_shift window_menu 3 -le $((X + 20)) "Alt+Space opened no menu at the window's corner"
send_key Escape; shot menu_closed
# The open menu took the hint line, which clears the node coordinates of the
# status bar; everything above it is as before.
for name in wheel_shift menu_closed; do
    "$convert" "$work/$name.png" -crop "1280x$((Y + HEIGHT - 40))+0+0" +repage "$work/$name-above.png"
done
[ "$(changed_box wheel_shift-above menu_closed-above)" = none ] || fail "Escape did not close the window menu"

e2e_finish "all main-window checks passed"
