#!/usr/bin/env bash
# vorn-cli export on a machine without a display: pictures of the shipped
# half adder, with names, and the errors of bad arguments and paths.
set -u
cli=$1 examples=$2
failures=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export_() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cli" export "$@"; }

fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # name expected actual
    [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}
png_width() { od -An -tu1 -j16 -N4 "$1" | awk '{ print ($1 * 16777216) + ($2 * 65536) + ($3 * 256) + $4 }'; }

{ head -n 3 "$examples/half-adder.vfl"; printf '; name 2 3 Икс\r\n'; tail -n +4 "$examples/half-adder.vfl"; } >"$scratch/named.vfl"
export_ "$scratch/named.vfl" -o "$scratch/a.svg" 2>"$scratch/err"; status=$?
check "svg status" 0 "$status"
check "svg says nothing" "" "$(cat "$scratch/err")"
grep -q '<polyline' "$scratch/a.svg" || fail "svg has no lines"
grep -q '>Икс</text>' "$scratch/a.svg" || fail "svg lacks the name as text"
grep -q '<image' "$scratch/a.svg" && fail "svg holds a bitmap"

for zoom in 1 3; do
    export_ "$examples/half-adder.vfl" -o "$scratch/z$zoom.png" --zoom $zoom; status=$?
    check "png zoom $zoom status" 0 "$status"
done
check "png signature" "89 50 4e 47" "$(od -An -tx1 -N4 "$scratch/z1.png" | xargs)"
check "png zoom 3 is three times as wide" $(($(png_width "$scratch/z1.png") * 3)) "$(png_width "$scratch/z3.png")"

export_ --signals "$examples/half-adder.vfl" -o "$scratch/a.PDF"; status=$?
check "pdf status" 0 "$status"
check "pdf header" "%PDF" "$(head -c 4 "$scratch/a.PDF")"

# --signals draws in the colours and cues of the program's settings, and in
# the defaults when there is no settings file or it is damaged.
mkdir -p "$scratch/config/vorn"
signals_svg() { XDG_CONFIG_HOME=$scratch/config export_ --signals "$examples/half-adder.vfl" -o "$scratch/$1.svg"; }
doubled() { grep -c 'stroke-width="1"' "$1"; }  # lines are half a unit wide, thick ones a unit
signals_svg defaults
printf '[SOFTWARE]\nvorn\\options\\gc=$0000FF00\nvorn\\options\\LampColour=clFuchsia\nvorn\\options\\ThickOnes=1\n' \
    >"$scratch/config/vorn/vorn.ini"
signals_svg stored
grep -q 'stroke="#00ff00"' "$scratch/stored.svg" || fail "stored colour of 1 not used"
grep -q 'fill="#ff00ff"' "$scratch/stored.svg" || fail "stored lamp colour not used"
grep -q '#ff0000' "$scratch/stored.svg" && fail "default colour of 1 still used"
[ "$(doubled "$scratch/stored.svg")" -gt "$(doubled "$scratch/defaults.svg")" ] || fail "thick 1 wires not doubled"
printf '\377[SOFTW\nvorn\\options\\gc=@Rect(1 2 3 4)\nvorn\\options\\ThickOnes=yes\n' >"$scratch/config/vorn/vorn.ini"
signals_svg damaged; check "damaged settings status" 0 $?
cmp -s "$scratch/defaults.svg" "$scratch/damaged.svg" || fail "damaged settings do not give the defaults"

export_ "$scratch/missing.vfl" -o "$scratch/m.png" 2>/dev/null; check "missing input status" 1 $?
export_ "$examples/half-adder.vfl" -o "$scratch/no/such/folder/a.png" 2>"$scratch/err"; status=$?
check "unwritable output status" 1 "$status"
grep -q "cannot write the picture" "$scratch/err" || fail "unwritable output message: $(cat "$scratch/err")"
export_ "$examples/half-adder.vfl" -o "$scratch/a.jpg" 2>"$scratch/err"; status=$?
check "unknown type status" 2 "$status"
grep -q "unknown picture type" "$scratch/err" || fail "unknown type message: $(cat "$scratch/err")"
for args in "$examples/half-adder.vfl" "$examples/half-adder.vfl -o $scratch/a.png --zoom 4" "-o $scratch/a.png"; do
    # shellcheck disable=SC2086
    export_ $args >/dev/null 2>&1; check "usage status of: $args" 2 $?
done

exit $((failures > 0))
