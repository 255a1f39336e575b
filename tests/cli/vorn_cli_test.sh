#!/usr/bin/env bash
# Runs vorn-cli on the shipped examples and on bad input.
set -u
cli=$1 examples=$2
. "$(dirname "$0")/cli_check.sh"

# Carry is the lamp at (14,10), sum the one at (19,5); neither carries a name.
check "half adder table" "$(printf '%s\n' 'A,B,F1,F2' 0,0,0,0 0,1,0,1 1,0,0,1 1,1,1,0)" \
      "$("$cli" table "$examples/half-adder.vfl" --csv)"
check "half adder formulas" "$(printf '%s\n' 'F1 = A*B' 'F2 = A*(не B)+(не A)*B')" \
      "$("$cli" formula "$examples/half-adder.vfl")"
check "half adder perfect conjunctive form" "$(printf '%s\n' 'F1 = (A+B)*(A+(не B))*((не A)+B)' 'F2 = (A+B)*((не A)+(не B))')" \
      "$("$cli" formula "$examples/half-adder.vfl" --cnf)"

# Names from the file head the columns and the formulas.
{ head -n 3 "$examples/half-adder.vfl"; printf '; name 2 3 Икс\r\n; name 19 5 Сумма\r\n'; tail -n +4 "$examples/half-adder.vfl"; } >"$scratch/named.vfl"
check "named table" "$(printf '%s\n' 'Икс  B  |  F1  Сумма' '  0  0  |   0      0')" "$("$cli" table "$scratch/named.vfl" | head -n 2)"
check "named formulas" "$(printf '%s\n' 'F1 = Икс*B' 'Сумма = (не Икс)*B+Икс*(не B)')" "$("$cli" formula "$scratch/named.vfl" --dnf)"
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

for args in "table" "formula $examples/half-adder.vfl --csv" "eval $examples/half-adder.vfl --csv"; do
    # shellcheck disable=SC2086
    "$cli" $args >/dev/null 2>&1; status=$?
    check "usage status of: $args" 2 "$status"
done

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

exit $((failures > 0))
