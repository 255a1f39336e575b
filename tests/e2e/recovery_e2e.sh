#!/usr/bin/env bash
# Recovery after a kill: the real program opens a handed-out circuit, a lamp
# is added with the pointer, and the program is killed with SIGKILL. Started
# again, it offers the unsaved circuit; Enter takes it under the handed-out
# file's name, node for node, and that file stays byte for byte as it was.
# A second program started beside it offers nothing and keeps its own copy.
#
# Usage: recovery_e2e.sh PROGRAM [SCREENSHOT_FOLDER]
set -u

program=${1:?usage: $0 PROGRAM [SCREENSHOT_FOLDER]}
keep=${2:-}
. "$(dirname "$0")/e2e_common.sh"

file="$work/handed out.vfl"
cp "$(dirname "$0")/../../examples/inverter.vfl" "$file"
cp "$file" "$work/before.vfl"
recovery="$work/data/vorn/recovery"

wait_for() {  # wait_for COMMAND...: until it succeeds, at most ten seconds
    for _ in $(seq 50); do "$@" && return 0; sleep 0.2; done
    return 1
}
offer_box() { [ -n "$(xdotool search --onlyvisible --name '^Vorn v1\.1$' 2>/dev/null)" ]; }
lamps() { tr -d '\r' <"$1" | awk '$3 == 8' | wc -l; }
add_lamp() {  # add_lamp WINDOW: the lamp tool and a click mid-screen
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    xdotool key 3 mousemove 640 512 sleep 0.3 click 1
}

program_args=("$file")
e2e_start
add_lamp "$window"
killed=$program_pid
wait_for test -e "$recovery/$killed.vfl" || die "no recovery copy after the edit"
kill -KILL "$killed" && wait "$killed" 2>/dev/null
program_pid=
cp "$recovery/$killed.vfl" "$work/killed.vfl"
[ "$(lamps "$work/killed.vfl")" = $(($(lamps "$file") + 1)) ] || fail "the copy does not hold the new lamp"

program_args=()
e2e_start
wait_for offer_box || { shot no-offer; die "no recovery offer after the restart"; }
xdotool windowfocus "$(xdotool search --onlyvisible --name '^Vorn v1\.1$' | head -n1)"
xdotool key Return
caption_is_file() { [ "$(xdotool getwindowname "$window")" = "Vorn v1.1 - [$file]" ]; }
wait_for caption_is_file || fail "the recovered circuit is not the handed-out file's"
copy="$recovery/$program_pid.vfl"
wait_for test -e "$copy" && sleep 0.5
cmp -s "$work/killed.vfl" "$copy" || fail "the recovered circuit differs from the killed one"
[ ! -e "$recovery/$killed.vfl" ] || fail "the taken copy is still there"
cmp -s "$work/before.vfl" "$file" || fail "the handed-out file changed"

# A second program beside the first: no offer, and a copy of its own.
"$program" >"$work/second.log" 2>&1 &
other_pid=$!
other_window() { other=$(xdotool search --all --onlyvisible --pid "$other_pid" --name 'Новая схема' | head -n1); [ -n "$other" ]; }
wait_for other_window || die "the second program shows no window"
wait_for_splash_to_go
sleep 1
offer_box && fail "the second program offered the running program's circuit"
add_lamp "$other"
wait_for test -e "$recovery/$other_pid.vfl" || fail "the second program wrote no copy of its own"
[ "$(lamps "$recovery/$other_pid.vfl")" = 1 ] || fail "the second copy is not the second program's circuit"
cmp -s "$work/killed.vfl" "$copy" || fail "the first program's copy changed"
kill "$other_pid" && wait "$other_pid" 2>/dev/null

e2e_finish "all recovery checks passed"
