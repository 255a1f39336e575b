#!/usr/bin/env bash
# The whole program as a new user meets it, on its own X server with real
# pointer and key events: the splash screen, then the tutorial wizard (the
# settings as on a first start), closed; a source, a wire and a lamp drawn;
# F9 and a click on the source light the lamp; Ctrl+S saves into a new file
# through the file chooser; after one more change Alt+X asks to save and
# Enter says yes; started again with that file, the window shows the circuit
# as it was left.
#
# Usage: first_run_e2e.sh PROGRAM [SCREENSHOT_FOLDER]
# The screenshots are kept in SCREENSHOT_FOLDER when one is given.
set -u

program=${1:?usage: $0 PROGRAM [SCREENSHOT_FOLDER]}
keep=${2:-}
. "$(dirname "$0")/e2e_common.sh"
first_start=1
e2e_start

# ---- the splash, then the wizard ---------------------------------------------------
wait_for_splash || die "no splash screen at the start"
[ "$S_WIDTH" = 500 ] && [ "$S_HEIGHT" = 350 ] || fail "the splash is ${S_WIDTH}x$S_HEIGHT, not 500x350"
shot splash
[ "$(dark_pixels splash "$S_X" "$S_Y" 500 350)" -gt 20000 ] || fail "the splash shows no picture"

wait_for_wizard 8 || die "the wizard did not follow the splash"
[ -z "$(splash_window)" ] || fail "the splash is still up with the wizard"
shot wizard
click_wizard 546 385  # "Закрыть"
sleep 0.5
[ -z "$(visible_wizard)" ] || die "Закрыть left the wizard open"

# ---- drawing ---------------------------------------------------------------------------
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
park() { xdotool mousemove "$(px 30)" "$(py 25)"; sleep 0.2; }
xdotool mousemove $((X + WIDTH / 2 + 7)) $((Y + HEIGHT / 2 + 7))
shot empty
find_surface empty
click_node() {  # click_node I J
    xdotool mousemove "$(px "$1")" "$(py "$2")"
    sleep 0.15
    xdotool click 1
    sleep 0.15
}
send_key 2
click_node 5 5
send_key 1
xdotool mousemove "$(px 6)" "$(py 5)"; sleep 0.1
xdotool mousedown 1; sleep 0.15
for i in 7 8 9 10; do xdotool mousemove "$(px $i)" "$(py 5)"; sleep 0.05; done
xdotool mouseup 1; sleep 0.15
send_key 3
click_node 10 5
send_key 1
park

red='#FF0000'
# red_on_wire SHOT: the wire's pixels between nodes 6 and 9 that are red.
red_on_wire() {
    "$convert" "$work/$1.png" -crop "$((3 * pitch))x1+$(px 6)+$(py 5)" +repage txt:- | grep -c "$red"
}
send_key F9
sleep 0.3
click_node 5 5
park
shot running
[ "$(red_on_wire running)" -ge $((2 * pitch)) ] || fail "the switched-on source does not colour the wire"

# ---- saving into a new file ---------------------------------------------------------------
file="$work/first circuit.vfl"
send_key ctrl+s
sleep 1.5
xdotool type --delay 20 "$file"
sleep 0.2
xdotool key Return
for _ in $(seq 25); do
    [ -s "$file" ] && break
    sleep 0.2
done
[ -s "$file" ] || die "Ctrl+S wrote no file"
grep -q "^ 5 5 7" "$file" || fail "the saved file holds no switched-on source at (5, 5)"
grep -q "^ 5 10 8" "$file" || fail "the saved file holds no lamp at (10, 5)"

# One more change, then leaving asks whether to save it. The file chooser
# has taken the focus with it.
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
send_key F9
sleep 0.3
send_key 4
click_node 14 9
send_key 1
park
shot final
send_key alt+x
sleep 1
kill -0 "$program_pid" 2>/dev/null || die "Alt+X ended the program without asking about the change"
shot prompt
xdotool key Return
for _ in $(seq 25); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$program_pid" 2>/dev/null; then
    die "the program did not end after the prompt was answered"
fi
wait "$program_pid" || fail "the program ended with status $?"
program_pid=
grep -q "^ 9 14 12" "$file" || fail "the answer to the prompt did not save the inverter"

# ---- started again with the file ------------------------------------------------------------
program_args=("$file")
e2e_start
wait_for_splash_to_go
caption=$(xdotool getwindowname "$window")
[ "$caption" = "Vorn v1.1 - [$file]" ] || fail "the file was not opened again: caption '$caption'"
[ -z "$(visible_wizard)" ] || fail "the wizard opened although a file was given"
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
park
shot reopened
box="$((11 * pitch))x$((6 * pitch))+$(px 4)+$(py 4)"
"$convert" "$work/final.png" -crop "$box" +repage "$work/circuit-before.png"
"$convert" "$work/reopened.png" -crop "$box" +repage "$work/circuit-after.png"
[ "$(changed_box circuit-before circuit-after)" = none ] ||
    fail "the reopened circuit looks different: $(changed_box circuit-before circuit-after)"
[ "$(dark_pixels reopened "$(px 4)" "$(py 4)" $((11 * pitch)) $((6 * pitch)))" -gt 150 ] ||
    fail "the reopened window shows no circuit"

e2e_finish "a first start: splash, wizard, a circuit drawn, run, saved and opened again"
