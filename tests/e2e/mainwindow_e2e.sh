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
convert=/usr/bin/convert
compare=/usr/bin/compare
import=/usr/bin/import

work=$(mktemp -d)
xvfb_pid=
program_pid=
failures=0

cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    if [ -n "$keep" ]; then
        mkdir -p "$keep" && cp "$work"/*.png "$keep"/ 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
die() {
    echo "FAIL: $*" >&2
    exit 1
}

# ---- an X server of our own, on whatever display is free ------------------
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || die "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

# ---- the program and its window --------------------------------------------
export XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$work/config"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
"$program" >"$work/program.log" 2>&1 &
program_pid=$!

window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "Vorn v1.1" 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    kill -0 "$program_pid" 2>/dev/null || die "the program ended: $(cat "$work/program.log")"
    sleep 0.2
done
[ -n "$window" ] || die "no window named Vorn v1.1"

title=$(xdotool getwindowname "$window")
[ "$title" = "Vorn v1.1 - [Новая схема]" ] || fail "caption is '$title'"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$WIDTH" -ge 600 ] && [ "$HEIGHT" -ge 480 ] || fail "window is only ${WIDTH}x$HEIGHT"

xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
# The pointer rests in the middle of the work area, away from the tool bar.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
sleep 1

shot() {  # shot NAME: a screenshot of the whole screen once the picture settled
    sleep 0.6
    "$import" -window root "$work/$1.png" || die "no screenshot $1"
}

send_key() {
    xdotool key --window "$window" --clearmodifiers "$1" 2>/dev/null || xdotool key "$1"
}

# check_grid SHOT LEFT TOP WIDTH HEIGHT PITCH: the area is white with single
# black dots exactly PITCH pixels apart in both directions.
check_grid() {
    local file=$1 left=$2 top=$3 width=$4 height=$5 pitch=$6
    "$convert" "$work/$file.png" -crop "${width}x${height}+${left}+${top}" +repage txt:- |
        awk -v pitch="$pitch" -v width="$width" -v height="$height" '
        /^#/ { next }
        {
            split($1, at, /[,:]/); x = at[1] + 0; y = at[2] + 0
            if ($3 == "#FFFFFF") next
            if ($3 != "#000000") { other++; next }
            black++; ink[x "," y] = 1
            rx[x % pitch] = 1; ry[y % pitch] = 1
        }
        END {
            for (r in rx) nx++
            for (r in ry) ny++
            for (p in ink) {
                split(p, c, ","); 
                if (((c[1] + 1) "," c[2]) in ink || (c[1] "," (c[2] + 1)) in ink) touching++
            }
            low = int(width / pitch) * int(height / pitch)
            high = (int(width / pitch) + 1) * (int(height / pitch) + 1)
            if (other > 0 || nx != 1 || ny != 1 || touching > 0 || black < low || black > high) {
                printf "other=%d black=%d (want %d..%d) x-phases=%d y-phases=%d touching=%d\n", \
                    other, black, low, high, nx, ny, touching
                exit 1
            }
        }' || return 1
}

# changed_box A B: the box "W H X Y" of the pixels that differ, or "none".
changed_box() {
    if [ "$("$compare" -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" = "0" ]; then
        echo none
    else
        "$convert" "$work/$1.png" "$work/$2.png" -compose difference -composite -threshold 0 \
            -format '%@' info: 2>/dev/null | tr 'x+' '  '
    fi
}
near() { [ "$1" -ge "$2" ] && [ "$1" -le "$3" ]; }  # near VALUE LOW HIGH

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

kill -0 "$program_pid" 2>/dev/null || die "the program ended during the test: $(cat "$work/program.log")"
if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all main-window checks passed"
