#!/usr/bin/env bash
# Runs vorn-cli on the shipped examples and on bad input.
set -u
cli=$1 examples=$2
failures=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

check() {  # name expected actual
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n--- expected\n%s\n--- got\n%s\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}

# Carry is the lamp at (14,10), sum the one at (19,5).
check "half adder table" "$(printf '%s\n' 'S(2,3),S(2,9),L(14,10),L(19,5)' 0,0,0,0 0,1,0,1 1,0,0,1 1,1,1,0)" \
      "$("$cli" table "$examples/half-adder.vfl" --csv)"
check "half adder with stored switches" "$(printf '%s\n' 'column  row  signal' '    14   10       0' '    19    5       1')" \
      "$("$cli" eval "$examples/half-adder.vfl")"

"$cli" table "$scratch/missing.vfl" >/dev/null 2>"$scratch/err"; status=$?
check "missing file status" 1 "$status"
check "missing file message" "vorn-cli: Cannot open $scratch/missing.vfl: No such file or directory" "$(cat "$scratch/err")"

printf ' 3 2 5\r\n' >"$scratch/bad.vfl"
"$cli" eval "$scratch/bad.vfl" >/dev/null 2>"$scratch/err"; status=$?
check "invalid file status" 1 "$status"
check "invalid file message" "vorn-cli: $scratch/bad.vfl: not a valid circuit file" "$(cat "$scratch/err")"

for x in $(seq 0 2 34); do printf ' 0 %d 6\r\n' "$x"; done >"$scratch/many.vfl"
"$cli" table "$scratch/many.vfl" >/dev/null 2>"$scratch/err"; status=$?
check "too many sources status" 1 "$status"
grep -q "18 sources" "$scratch/err" || { echo "FAIL too many sources message: $(cat "$scratch/err")"; failures=$((failures + 1)); }

# An endless first line gets its verdict at once.
timeout 20 "$cli" eval /dev/zero >/dev/null 2>&1; status=$?
check "endless input status" 1 "$status"

# Output that cannot be written: a full disk, and a file-size limit, which
# must not end the program by its signal (the message goes through a pipe,
# which the limit does not cover).
for limit in unlimited 0; do
    target=/dev/full; [ $limit = 0 ] && target=$scratch/out
    message=$( (ulimit -f $limit; "$cli" eval "$examples/half-adder.vfl" >"$target") 2>&1); status=$?
    check "unwritable output ($target) status" 1 "$status"
    case $message in *"cannot write the output"*) ;; *) check "unwritable output ($target) message" "" "$message" ;; esac
done

"$cli" table >/dev/null 2>&1; status=$?
check "usage status" 2 "$status"

exit $((failures > 0))
