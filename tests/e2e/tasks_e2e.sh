#!/usr/bin/env bash
# A learner solves a ready task in the real program with real pointer and key
# events: the inverter task opens with its "Задание" window; a plain wire from
# the source to the lamp is drawn and Ctrl+F9 tells, in words, the rows it
# gets wrong; Ctrl+Z takes the wire back, a wire, an inverter and a wire are
# drawn instead, and Ctrl+F9 says that all is correct; Ctrl+S keeps the task
# lines, and the learner's inverter does not become a given one. The verdict
# is read from the window's verdict field through the clipboard.
#
# Usage: tasks_e2e.sh PROGRAM [SCREENSHOT_FOLDER]
set -u
program=${1:?usage: $0 PROGRAM [SCREENSHOT_FOLDER]}
keep=${2:-}
. "$(dirname "$0")/e2e_common.sh"
command -v xclip >/dev/null || die "xclip is not installed"
export LC_ALL=C.UTF-8 LANGUAGE=  # the Russian texts the checks read, whatever the caller's locale

# The task: source A at node (1, 2), lamp F at node (10, 2), only inverters allowed.
file="$work/inverter-task.vfl"
cp "$(dirname "$0")/../../examples/tasks/01-inverter.vfl" "$file"
program_args=("$file")
e2e_start
row=2

task_window() { xdotool search --onlyvisible --name '^Задание$' 2>/dev/null | head -n1; }
taskwin=
for _ in $(seq 25); do
    taskwin=$(task_window)
    [ -n "$taskwin" ] && break
    sleep 0.2
done
[ -n "$taskwin" ] || die "opening a task file showed no \"Задание\" window"
# Aside, so that it covers neither the circuit nor the grid dots in the middle.
xdotool windowmove "$taskwin" $((X + WIDTH - 460)) $((Y + HEIGHT - 440))
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$taskwin" | sed 's/^/T_/')"
shot opened

focus_main() { xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"; sleep 0.2; }
focus_main
find_surface opened

# wire FROM TO: a wire-tool drag along the row, node by node.
wire() {
    local k
    send_key 1
    xdotool mousemove "$(px "$1")" "$(py $row)"
    sleep 0.1
    xdotool mousedown 1
    sleep 0.15
    for k in $(seq $(($1 + 1)) "$2"); do
        xdotool mousemove "$(px "$k")" "$(py $row)"
        sleep 0.05
    done
    sleep 0.1
    xdotool mouseup 1
    sleep 0.1
    park
}
# verdict: Ctrl+F9 in the main window, then the verdict field's whole text,
# selected and copied in the task window.
verdict() {
    focus_main
    send_key ctrl+F9
    sleep 0.8
    xdotool windowfocus --sync "$taskwin" 2>/dev/null || xdotool windowfocus "$taskwin"
    xdotool mousemove $((T_X + T_WIDTH / 2)) $((T_Y + T_HEIGHT - 40))
    sleep 0.1
    xdotool click 1
    sleep 0.2
    xdotool key ctrl+a ctrl+c
    sleep 0.3
    xclip -o -selection clipboard 2>/dev/null
    park
}
has_line() {  # has_line TEXT LINE MESSAGE
    grep -qxF "$2" <<<"$1" || fail "$3: no line \"$2\" in the verdict:"$'\n'"$1"
}

# ---- a wrong drawing: the lamp shows the source as it is --------------------------
wire 2 9
shot wrong-drawn
wrong=$(verdict)
shot wrong-verdict
echo "verdict on the plain wire:"$'\n'"$wrong"
has_line "$wrong" "Схема работает неверно: правильных строк таблицы 0 из 2." "the plain wire"
has_line "$wrong" "При A = 0 лампочка F должна гореть, а она не горит." "the plain wire"
has_line "$wrong" "При A = 1 лампочка F не должна гореть, а она горит." "the plain wire"

# ---- the solution: the wire taken back, an inverter between two wires ---------------
focus_main
send_key ctrl+z
sleep 0.3
wire 2 4
send_key 4
click_node 5 $row
wire 6 9
shot right-drawn
right=$(verdict)
shot right-verdict
echo "verdict on the solution:"$'\n'"$right"
[ "$right" = "Всё верно: лампочки горят как надо во всех строках таблицы (2 из 2)." ] ||
    fail "the solution's verdict is not \"all correct\":"$'\n'"$right"

# ---- saved: the task lines stay, and the learner's inverter is not given ---------
focus_main
send_key ctrl+s
sleep 1
given=$(grep -a '^; task given ' "$file" | tr -d '\r' | xargs -d '\n')
[ "$given" = "; task given source 1 2 A ; task given lamp 10 2 F" ] ||
    fail "the saved file's given lines are not the task's source and lamp: '$given'"
grep -aq '^ 2 5 12'$'\r''$' "$file" || fail "the saved file holds no inverter at node (5, 2)"

e2e_finish "a ready task opened, a wrong drawing and the solution were checked with Ctrl+F9, and saved"
