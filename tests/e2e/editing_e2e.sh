#!/usr/bin/env bash
# Drawing and running a circuit in the real program on its own X server, with
# real pointer and key events: a source, a wire, an inverter, a second wire
# and a lamp are put down node by node; each step changes the picture only
# around its own nodes, in black. F9 colours every wire by its signal, a
# click on the source switches it and the colours follow, and F9 again
# brings back the black drawing. Along the way: a wire press snaps the
# pointer onto the node, a drag keeps the pointer on the drawing surface and
# the release lets it go, and the first edit changes the document state.
#
# Usage: editing_e2e.sh PROGRAM [SCREENSHOT_FOLDER]
# The screenshots are kept in SCREENSHOT_FOLDER when one is given.
set -u

program=${1:?usage: $0 PROGRAM [SCREENSHOT_FOLDER]}
keep=${2:-}
. "$(dirname "$0")/e2e_common.sh"
e2e_start

[ "$WIDTH" = 1280 ] && [ "$HEIGHT" = 1024 ] || fail "the window is ${WIDTH}x$HEIGHT, not the screen's 1280x1024"
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
sleep 1

white='#FFFFFF' black='#000000' red='#FF0000' blue='#20BCFF'  # blue: signal "0", red: signal "1"

# colours SHOT LEFT TOP RIGHT BOTTOM: the distinct colours of the box, sorted.
colours() {
    "$convert" "$work/$1.png" -crop "$(($4 - $2 + 1))x$(($5 - $3 + 1))+$2+$3" +repage \
        -format %c histogram:info:- |
        awk '{ for (i = 1; i <= NF; i++) if ($i ~ /^#/ && length($i) == 7) print $i }' | sort | xargs
}
# area_is SHOT LEFT TOP RIGHT BOTTOM "COLOURS" MESSAGE: the box holds exactly
# these colours (sorted, as colours prints them).
area_is() {
    local seen
    seen=$(colours "$1" "$2" "$3" "$4" "$5")
    [ "$seen" = "$6" ] || fail "$7: colours in $2,$3..$4,$5 of $1 are '$seen', want '$6'"
}

# ---- the surface origin, from the grid dots at the start ------------------------
shot start
find_surface start
[ "$left" -gt $((X + 72)) ] || die "the first node column $left is not right of the tool bar"
[ $(((right - left) / pitch)) -ge 40 ] && [ $(((bottom - top) / pitch)) -ge 30 ] ||
    die "the work area shows too few nodes for the circuit: $left,$top..$right,$bottom"

# The circuit lies on node row 5: the source at 5, a wire 6..10, the inverter
# at 11, a wire 12..16 and the lamp at 17. The pointer rests on an empty node
# far from it while screenshots are taken.
row=5
cy=$(py $row)
pointer() { xdotool getmouselocation | awk '{ sub("x:", "", $1); sub("y:", "", $2); print $1, $2 }'; }

# surface_box A B: the changed box "W H X Y" of the work area in screen
# coordinates, or "none"; the status bar below it is left out.
surface_box() {
    local name
    for name in "$1" "$2"; do
        "$convert" "$work/$name.png" -crop "$((right - left + 1))x$((bottom - top + 1))+$left+$top" +repage \
            "$work/surface-$name.png"
    done
    local box
    box=$(changed_box "surface-$1" "surface-$2")
    rm -f "$work/surface-$1.png" "$work/surface-$2.png"
    if [ "$box" = none ]; then echo none; return; fi
    read -r w h x y <<<"$box"
    echo "$w $h $((left + x)) $((top + y))"
}
# changed_within A B LEFT TOP RIGHT BOTTOM MESSAGE: the work area changed
# from A to B, and only inside the box. The box found is left in box_*.
changed_within() {
    local box
    box=$(surface_box "$1" "$2")
    echo "changed from $1 to $2: $box"
    if [ "$box" = none ]; then
        fail "$7: nothing changed"
        box_left=0 box_top=0 box_right=-1 box_bottom=-1
        return
    fi
    read -r w h box_left box_top <<<"$box"
    box_right=$((box_left + w - 1)) box_bottom=$((box_top + h - 1))
    [ "$box_left" -ge "$3" ] && [ "$box_top" -ge "$4" ] && [ "$box_right" -le "$5" ] && [ "$box_bottom" -le "$6" ] ||
        fail "$7: the change $box_left,$box_top..$box_right,$box_bottom reaches out of $3,$4..$5,$6"
}

# The document state is the status bar's first panel, at the window's
# bottom-left corner, left of the scroll bar.
state_panel() {
    "$convert" "$work/$1.png" -crop "66x30+$X+$((Y + HEIGHT - 30))" +repage "$work/$1-state.png"
}

# drag_east I J STEPS: a wire-tool press near node (I, J), then STEPS moves
# of one node east each, then the release. The press is a few pixels off the
# node: the program moves the pointer onto the node itself. With a fourth
# argument the pointer first tries to leave onto the tool bar.
drag_east() {
    local i=$1 j=$2 steps=$3 at k
    xdotool mousemove $(($(px "$i") + 4)) $(($(py "$j") + 3))
    sleep 0.1
    xdotool mousedown 1
    sleep 0.15
    at=$(pointer)
    [ "$at" = "$(px "$i") $(py "$j")" ] || fail "a press beside node ($i, $j) left the pointer at $at, not on the node"
    if [ $# -gt 3 ]; then
        xdotool mousemove $((X + 10)) "$(py "$j")"
        sleep 0.15
        at=$(pointer)
        [ "$at" = "$left $(py "$j")" ] || fail "during a drag the pointer went to $at, off the surface's left column $left"
        xdotool mousemove "$(px "$i")" "$(py "$j")"
        sleep 0.05
    fi
    for k in $(seq "$steps"); do
        xdotool mousemove "$(px $((i + k)))" "$(py "$j")"
        sleep 0.05
    done
    sleep 0.1
    xdotool mouseup 1
    sleep 0.1
}
# place KEY I: the tool of KEY clicked on node (I, row); the wire tool is
# taken again so that no placement marker shows in the screenshot.
place() {
    send_key "$1"
    click_node "$2" $row
    send_key 1
    park
}

# ---- drawing: each step changes the picture only around its own nodes -------------
state_panel start
place 2 5
shot source
changed_within start source "$(px 4)" "$(py 4)" "$(px 6)" "$(py 6)" "the source at node (5, $row)"
# Its leads reach out to the four neighbouring nodes.
[ "$box_left" -le $(($(px 4) + 2)) ] && [ "$box_right" -ge $(($(px 6) - 2)) ] &&
    [ "$box_top" -le $(($(py 4) + 2)) ] && [ "$box_bottom" -ge $(($(py 6) - 2)) ] ||
    fail "the source's leads do not reach its neighbours"
state_panel source
[ "$(changed_box start-state source-state)" != none ] || fail "the first edit left the document state as it was"

drag_east 6 $row 4
park
shot wire1
changed_within source wire1 "$(px 6)" $((cy - 2)) "$(px 10)" $((cy + 2)) "the wire from node 6 to 10"
area_is wire1 "$(px 6)" "$cy" "$(px 10)" "$cy" "$black" "the wire from node 6 to 10 is not one black line"
# One pixel thin: no anchor marker or stray dot is left beside it.
area_is wire1 $(($(px 6) + 1)) $((cy - 2)) $(($(px 10) - 1)) $((cy - 1)) "$white" "above the wire"
area_is wire1 $(($(px 6) + 1)) $((cy + 1)) $(($(px 10) - 1)) $((cy + 2)) "$white" "below the wire"

place 4 11
shot inverter
changed_within wire1 inverter "$(px 10)" $((cy - 12)) "$(px 12)" $((cy + 12)) "the inverter at node 11"
[ "$box_left" -le $(($(px 10) + 2)) ] && [ "$box_right" -ge $(($(px 12) - 2)) ] ||
    fail "the inverter's leads do not reach nodes 10 and 12"

# This drag also tries to take the pointer off the surface.
drag_east 12 $row 4 leave
xdotool mousemove $((X + 10)) "$cy"
sleep 0.15
at=$(pointer)
[ "$at" = "$((X + 10)) $cy" ] || fail "after the release the pointer is still held on the surface: $at"
park
shot wire2
changed_within inverter wire2 "$(px 12)" $((cy - 2)) "$(px 16)" $((cy + 2)) "the wire from node 12 to 16"
area_is wire2 "$(px 12)" "$cy" "$(px 16)" "$cy" "$black" "the wire from node 12 to 16 is not one black line"

place 3 17
shot drawn
changed_within wire2 drawn "$(px 16)" $((cy - 12)) "$(px 18)" $((cy + 12)) "the lamp at node 17"
area_is drawn "$(px 4)" "$(py 4)" "$(px 18)" "$(py 6)" "$black $white" "the drawing is not black on white"
state_panel drawn
[ "$(changed_box source-state drawn-state)" = none ] || fail "the document state changed again after the first edit"

# ---- run mode: every wire in the colour of its signal ---------------------------------
# check_signals SHOT SOURCE_COLOUR LAMP_COLOUR: the source, the wire from it,
# the wire from the inverter and the lamp. The first wire's end pixel at node
# 10 is left out: neither that wire nor the inverter's lead paints it, so it
# keeps the black grid dot. A lit lamp is filled with the lamp colour.
check_signals() {
    local shot=$1 in=$2 out=$3 lamp="$3 $white"
    [ "$out" = "$red" ] && lamp="$red #FFE600 $white"
    area_is "$shot" $(($(px 5) - 10)) $((cy - 10)) $(($(px 5) + 10)) $((cy + 10)) "$in $white" "$shot: the source"
    area_is "$shot" "$(px 6)" "$cy" $(($(px 10) - 1)) "$cy" "$in" "$shot: the wire from the source"
    area_is "$shot" "$(px 12)" "$cy" "$(px 16)" "$cy" "$out" "$shot: the wire into the lamp"
    area_is "$shot" $(($(px 17) - 8)) $((cy - 8)) $(($(px 17) + 8)) $((cy + 8)) "$lamp" "$shot: the lamp"
}

send_key F9
shot running
check_signals running "$blue" "$red"

click_node 5 $row
park
shot switched
check_signals switched "$red" "$blue"
changed_within running switched "$(px 4)" "$(py 4)" "$(px 18)" "$(py 6)" "switching the source"

send_key F9
shot stopped
area_is stopped "$(px 4)" "$(py 4)" "$(px 18)" "$(py 6)" "$black $white" "after F9 again the drawing is not black on white"
# Only the source's label differs from the drawing before the run: it is "1" now.
changed_within drawn stopped $(($(px 5) - 10)) $((cy - 10)) $(($(px 5) + 10)) $((cy + 10)) "the stopped circuit"

e2e_finish "all editing checks passed"
