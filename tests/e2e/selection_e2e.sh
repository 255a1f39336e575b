#!/usr/bin/env bash
# The selection tool with real pointer and key events: a named source, wire
# and lamp, opened from a file, are chosen with key 8 and a drag, copied,
# pasted and put down with a click; the saved file must hold the circuit and
# its copy, unnamed since both names are taken.
# Usage: selection_e2e.sh PROGRAM [SCREENSHOT_FOLDER]
set -u

program=${1:?usage: $0 PROGRAM [SCREENSHOT_FOLDER]}
keep=${2:-}
. "$(dirname "$0")/e2e_common.sh"

file="$work/block.vfl"
circuit=("; Vorn file created by Vorn v1.1" "; Author: the Vorn developers" ";" "; name 2 2 In" "; name 4 2 Out"
    " 2 2 6" " 2 3 1" " 2 4 8")
printf '%s\r\n' "${circuit[@]}" >"$file"
program_args=("$file")
e2e_start

xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
shot start
find_surface start

send_key 8
xdotool mousemove "$(px 1)" "$(py 1)" sleep 0.2 mousedown 1 sleep 0.2
for column in 2 3 4 5; do xdotool mousemove "$(px $column)" "$(py 3)" sleep 0.1; done
xdotool mouseup 1 sleep 0.3
send_key ctrl+c; sleep 0.3
xdotool mousemove "$(px 11)" "$(py 11)" sleep 0.3
send_key ctrl+v; sleep 0.3
xdotool mousemove "$(px 12)" "$(py 11)" sleep 0.2 mousemove "$(px 11)" "$(py 11)"
xdotool click 1 sleep 0.3
send_key ctrl+s; sleep 1

# The block's top-left node (1, 1) went to (11, 11).
printf '%s\r\n' "${circuit[@]}" " 12 12 6" " 12 13 1" " 12 14 8" >"$work/expected.vfl"
cmp -s "$work/expected.vfl" "$file" ||
    fail "the saved file differs from the expected bytes: $(diff <(tr -d '\r' <"$work/expected.vfl") <(tr -d '\r' <"$file"))"

e2e_finish "a dragged selection is copied, pasted and saved as expected"
