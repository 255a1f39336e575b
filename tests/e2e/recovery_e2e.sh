#!/usr/bin/env bash
# Recovery after a kill: the real program opens a handed-out circuit, a lamp
# is added with the pointer, and the program is killed with SIGKILL. Started
# again, it offers the unsaved circuit; Enter takes it, the caption names the
# handed-out file, and the circuit is the edited one node for node. The
# handed-out file stays byte for byte as it was. A second program started
# beside it offers nothing (the first still runs) and keeps its own copy.
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

# wait_for FILE: until it exists, at most ten seconds.
wait_for() {
    for _ in $(seq 50); do
        [ -e "$1" ] && return 0
        sleep 0.2
    done
    return 1
}
# offer_box: the message box captioned with the program's title alone.
offer_box() { xdotool search --onlyvisible --name '^Vorn v1\.1$' 2>/dev/null | head -n1; }
# add_lamp WINDOW: the lamp tool and a click in the middle of the screen.
add_lamp() {
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    xdotool key 3
    xdotool mousemove 640 512; sleep 0.3
    xdotool click 1; sleep 0.3
}

program_args=("$file")
e2e_start
add_lamp "$window"
first_pid=$program_pid
wait_for "$recovery/$first_pid.vfl" || die "no recovery copy after the edit: $(ls -la "$recovery" 2>&1)"
[ -e "$recovery/$first_pid.note" ] || fail "the copy has no note beside it"
kill -KILL "$first_pid"
wait "$first_pid" 2>/dev/null
program_pid=
cp "$recovery/$first_pid.vfl" "$work/killed.vfl"

# The copy holds the handed-out circuit and the one lamp, in file order.
new_line=$(diff <(tr -d '\r' <"$work/before.vfl") <(tr -d '\r' <"$work/killed.vfl") | sed -n 's/^> //p')
[ "$(echo "$new_line" | awk '{ print $3 }')" = 8 ] || die "the copy does not hold one new lamp: '$new_line'"
cmp -s "$work/before.vfl" "$file" || fail "the kill changed the handed-out file"

program_args=()
e2e_start
box=
for _ in $(seq 50); do
    box=$(offer_box)
    [ -n "$box" ] && break
    sleep 0.2
done
[ -n "$box" ] || { shot no-offer; die "no recovery offer after the restart"; }
xdotool windowfocus --sync "$box" 2>/dev/null || xdotool windowfocus "$box"
xdotool key Return
caption=
for _ in $(seq 25); do
    caption=$(xdotool getwindowname "$window")
    [ "$caption" = "Vorn v1.1 - [$file]" ] && break
    sleep 0.2
done
[ "$caption" = "Vorn v1.1 - [$file]" ] || fail "the recovered circuit is not the handed-out file's: caption '$caption'"
second_copy="$recovery/$program_pid.vfl"
wait_for "$second_copy" || die "the recovered circuit was not copied again"
sleep 0.5
cmp -s "$work/killed.vfl" "$second_copy" || fail "the recovered circuit differs from the killed one: $(diff "$work/killed.vfl" "$second_copy")"
[ ! -e "$recovery/$first_pid.vfl" ] || fail "the taken copy is still there"
cmp -s "$work/before.vfl" "$file" || fail "the handed-out file changed: $(cmp "$work/before.vfl" "$file")"

# A second program beside the first: no offer, and a copy of its own.
"$program" >"$work/second.log" 2>&1 &
other_pid=$!
other=
for _ in $(seq 50); do
    other=$(xdotool search --all --onlyvisible --pid "$other_pid" --name 'Новая схема' 2>/dev/null | head -n1)
    [ -n "$other" ] && break
    sleep 0.2
done
[ -n "$other" ] || die "the second program shows no window"
wait_for_splash_to_go
sleep 1
[ -z "$(offer_box)" ] || fail "the second program offered the running program's circuit"
add_lamp "$other"
wait_for "$recovery/$other_pid.vfl" || fail "the second program wrote no copy of its own"
[ "$(tr -d '\r' <"$recovery/$other_pid.vfl" | awk '$3 == 8' | wc -l)" = 1 ] || fail "the second copy is not the second program's one lamp"
cmp -s "$work/killed.vfl" "$second_copy" || fail "the first program's copy changed"
kill "$other_pid"
wait "$other_pid" 2>/dev/null

e2e_finish "all recovery checks passed"
