#!/usr/bin/env bash
# Naming a source with the pointer and the keyboard: a double-click on the
# source of a circuit file opens the naming dialog; "0" is refused and the
# dialog stays; a fitting name is taken, and Ctrl+S writes it as
# "; name COLUMN ROW TEXT" after the header; Ctrl+T then opens the truth
# table (its screenshot shows the name as a column head).
#
# Usage: names_e2e.sh PROGRAM [SCREENSHOT_FOLDER]
set -u
program=${1:?usage: $0 PROGRAM [SCREENSHOT_FOLDER]}
keep=${2:-}
. "$(dirname "$0")/e2e_common.sh"

file="$work/named.vfl"
cp "$(dirname "$0")/../../examples/inverter.vfl" "$file"
cp "$file" "$work/before.vfl"
program_args=("$file")
e2e_start
sleep 1
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
shot start
find_surface start

dialog() { xdotool search --onlyvisible --name '^Vorn v1.1$' 2>/dev/null | head -n1; }
answer() {  # answer TEXT: the field's text replaced by TEXT, then Enter
    xdotool windowfocus --sync "$(dialog)" 2>/dev/null
    xdotool key ctrl+a type --delay 60 "$1"
    xdotool key Return
    sleep 0.6
}
xdotool mousemove "$(px 2)" "$(py 2)"  # the file's source
sleep 0.2
xdotool click --repeat 2 --delay 80 1
for _ in $(seq 25); do [ -n "$(dialog)" ] && break; sleep 0.2; done
[ -n "$(dialog)" ] || die "a double-click on the source opened no naming dialog"
answer 0
[ -n "$(dialog)" ] || die "the name \"0\" was taken: the dialog closed"
answer Vhod_1
[ -z "$(dialog)" ] || die "the name Vhod_1 was refused: the dialog stayed"

xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
send_key ctrl+s
sleep 1
{ head -n 3 "$work/before.vfl"; printf '; name 2 2 Vhod_1\r\n'; tail -n +4 "$work/before.vfl"; } >"$work/expected.vfl"
cmp -s "$work/expected.vfl" "$file" || fail "the saved file is not the old one with the name line after the header"

# Ctrl+T: the truth table opens beside the circuit, headed by the new name.
send_key ctrl+t
table=""
for _ in $(seq 25); do
    table=$(xdotool search --onlyvisible --name '^Таблица истинности$' 2>/dev/null | head -n1)
    [ -n "$table" ] && break
    sleep 0.2
done
[ -n "$table" ] || fail "Ctrl+T opened no truth-table window"
shot table
e2e_finish "the source was named with the pointer and keys, the file holds its name, and the table opened"
