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

# ---- 100%: a dot every 24 pixels --------------------------------------------
shot start
check_grid start "$probe_left" "$probe_top" 200 200 24 || fail "no 24-pixel grid at start"
# The tool bar occupies the left edge, so no grid shows there.
check_grid start $((X + 10)) $((Y + 120)) 60 200 24 >/dev/null && fail "the tool bar is not at the left edge"

# ---- tool keys: the pressed button moves from row to row -------------------
send_key 2; shot tool2
send_key 5; shot tool5
send_key 7; shot tool7
send_key 1; shot tool1
b12=$(changed_box start tool2); b25=$(changed_box tool2 tool5)
b57=$(changed_box tool5 tool7); b71=$(changed_box tool7 tool1)
echo "changed by 2: $b12, by 5: $b25, by 7: $b57, by 1: $b71"
if [[ "$b12 $b25 $b57 $b71" == *none* ]]; then
    fail "a tool key changed nothing on screen"
else
    read -r w12 h12 x12 y12 <<<"$b12"; read -r w25 h25 x25 y25 <<<"$b25"
    read -r w57 h57 x57 y57 <<<"$b57"; read -r w71 h71 x71 y71 <<<"$b71"
    for right in $((x12 + w12)) $((x25 + w25)) $((x57 + w57)) $((x71 + w71)); do
        [ "$right" -le $((X + 100)) ] || fail "a tool key changed the screen outside the tool bar"
    done
    # Each box spans the released and the pressed button, 52-pixel rows.
    near $((y25 - y12)) 50 58 || fail "button 2 is not one row below button 1 ($y12, $y25)"
    near $((y57 - y25)) 150 174 || fail "button 5 is not three rows below button 2 ($y25, $y57)"
    near $((y57 + h57 - y25 - h25)) 100 116 || fail "button 7 is not two rows below button 5"
    [ "$y71" = "$y12" ] && [ $((y71 + h71)) = $((y57 + h57)) ] || fail "key 1 did not swap buttons 7 and 1"
fi

# ---- F11: the tool bar goes, the work area takes the left edge -------------
send_key F11; shot hidden
check_grid hidden $((X + 10)) $((Y + 120)) 60 200 24 || fail "F11 did not give the left edge to the work area"
check_grid hidden "$probe_left" "$probe_top" 200 200 24 || fail "no 24-pixel grid with the tool bar hidden"

# ---- zoom keys ----------------------------------------------------------------
send_key alt+1; shot zoom50
check_grid zoom50 "$probe_left" "$probe_top" 200 200 12 || fail "Alt+1 did not show nodes 12 pixels apart"
send_key alt+3; shot zoom150
check_grid zoom150 "$probe_left" "$probe_top" 200 200 36 || fail "Alt+3 did not show nodes 36 pixels apart"

# ---- wheel: the vertical bar moves down and back, Shift moves the other -------
# At 150% a notch moves 36 x lines-per-notch pixels, whole nodes, so only the
# scroll bars show it.
xdotool click 5; shot wheel_down
box=$(changed_box zoom150 wheel_down)
echo "changed by a wheel notch down: $box"
[ "$box" != none ] && [ "$(cut -d' ' -f3 <<<"$box")" -ge $((X + WIDTH - 40)) ] ||
    fail "a wheel notch did not move the vertical bar alone: $box"
check_grid wheel_down "$probe_left" "$probe_top" 200 200 36 || fail "the grid is gone after the wheel"
xdotool click 4; shot wheel_up
[ "$(changed_box zoom150 wheel_up)" = none ] || fail "a notch up did not bring the view back"
xdotool keydown shift click 5 keyup shift; shot wheel_shift
box=$(changed_box zoom150 wheel_shift)
echo "changed by Shift and a notch down: $box"
[ "$box" != none ] && [ "$(cut -d' ' -f4 <<<"$box")" -ge $((Y + HEIGHT - 80)) ] ||
    fail "Shift and the wheel did not move the horizontal bar alone: $box"

# ---- Alt+Space: the window menu --------------------------------------------------
send_key alt+space; shot window_menu
box=$(changed_box wheel_shift window_menu)
echo "changed by Alt+Space: $box"
[ "$box" != none ] && [ "$(cut -d' ' -f3 <<<"$box")" -le $((X + 20)) ] || fail "Alt+Space opened no menu at the window's corner"
send_key Escape; shot menu_closed
[ "$(changed_box wheel_shift menu_closed)" = none ] || fail "Escape did not close the window menu"

kill -0 "$program_pid" 2>/dev/null || die "the program ended during the test: $(cat "$work/program.log")"
if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all main-window checks passed"
