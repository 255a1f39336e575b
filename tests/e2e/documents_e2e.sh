#!/usr/bin/env bash
# A circuit file named on the command line, in a folder whose name has a
# space: the real program opens it (the caption names it), a lamp is added
# with the pointer, Ctrl+S writes the file, and the file holds exactly the
# old circuit plus that lamp, in the file format's order and line ends.
# Alt+X then ends the program without a question, since nothing is unsaved.
#
# Usage: documents_e2e.sh PROGRAM [SCREENSHOT_FOLDER]
set -u

program=${1:?usage: $0 PROGRAM [SCREENSHOT_FOLDER]}
keep=${2:-}
. "$(dirname "$0")/e2e_common.sh"

folder="$work/my circuits"
file="$folder/an inverter.vfl"
mkdir -p "$folder"
cp "$(dirname "$0")/../../examples/inverter.vfl" "$file"
cp "$file" "$work/before.vfl"
program_args=("$file")
e2e_start

caption=
for _ in $(seq 25); do
    caption=$(xdotool getwindowname "$window")
    [ "$caption" = "Vorn v1.1 - [$file]" ] && break
    sleep 0.2
done
[ "$caption" = "Vorn v1.1 - [$file]" ] || die "the file was not opened: caption '$caption'"

# A lamp in the middle of the work area, far from the circuit at its top-left.
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
send_key 3
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)); sleep 0.3
xdotool click 1; sleep 0.3
shot lamp
send_key ctrl+s; sleep 1

# The lamp's line ("row column code") is the one new line; the rest of the
# file must be the old one, byte for byte, with the new line in its place
# (by column, then row).
new_line=$(diff <(tr -d '\r' <"$work/before.vfl") <(tr -d '\r' <"$file") | sed -n 's/^> //p')
read -r lamp_y lamp_x lamp_code <<<"$new_line"
[ "${lamp_code:-}" = 8 ] || die "the saved file does not hold one new lamp: '$new_line'"
near "$lamp_x" 10 60 && near "$lamp_y" 10 60 || fail "the lamp is at node $lamp_x,$lamp_y, not mid-screen"
{
    head -n 3 "$work/before.vfl"
    { tail -n +4 "$work/before.vfl" | tr -d '\r'; echo " $lamp_y $lamp_x 8"; } |
        sort -k2,2n -k1,1n | sed 's/$/\r/'
} >"$work/expected.vfl"
cmp -s "$work/expected.vfl" "$file" || fail "the saved file differs from the expected bytes: $(cmp "$work/expected.vfl" "$file")"

# Saved: leaving asks nothing.
send_key alt+x
for _ in $(seq 25); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$program_pid" 2>/dev/null; then
    shot leaving
    fail "Alt+X after saving did not end the program"
else
    wait "$program_pid" || fail "the program ended with status $?"
    program_pid=
fi
if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all document checks passed"
