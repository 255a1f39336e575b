#!/usr/bin/env bash
# vorn-cli check and grade on the ready tasks and on a folder of mixed files.
set -u
cli=$1 tasks=$2
. "$(dirname "$0")/cli_check.sh"

# Every solution passes its task, in both editions; the task's own drawing and
# an empty circuit fail it.
printf '; empty\r\n' >"$scratch/empty.vfl"
count=0
for task in "$tasks"/[0-9][0-9]-*.vfl "$tasks"/en/[0-9][0-9]-*.vfl; do
    case $task in *-solution.vfl) continue ;; esac
    count=$((count + 1))
    "$cli" check "$task" "${task%.vfl}-solution.vfl" >"$scratch/out"; status=$?
    check "$(basename "$task") solution" "0 Всё верно" "$status $(cut -d: -f1 "$scratch/out")"
    for learner in "$task" "$scratch/empty.vfl"; do
        "$cli" check "$task" "$learner" >/dev/null; status=$?
        check "$(basename "$task") against $(basename "$learner")" 1 "$status"
    done
done
[ "$count" -ge 16 ] || check "ready tasks in both editions" "at least 16" "$count"

# A folder of mixed files: right, wrong, damaged, renamed, over the limit,
# and a name that CSV and JSON have to quote.
xor=$tasks/03-xor.vfl
mkdir "$scratch/class"
cp "$tasks/03-xor-solution.vfl" "$scratch/class/a-right.vfl"
cp "$tasks/04-equivalence-solution.vfl" "$scratch/class/b-wrong.vfl"
printf ' 3 2 5\r\n' >"$scratch/class/c-damaged.vfl"
sed 's/^; name \([0-9]* [0-9]*\) A\r$/; name \1 X\r/' "$tasks/03-xor-solution.vfl" >"$scratch/class/d-renamed.vfl"
cp "$tasks/03-xor-solution.vfl" "$scratch/class/e \"quoted\", name.vfl"
printf 'not a circuit' >"$scratch/class/notes.txt"
cp "$xor" "$scratch/class/task.vfl"
sed 's/limit gates 5/limit gates 4/' "$xor" >"$scratch/strict.vfl"

"$cli" grade "$scratch/class/task.vfl" "$scratch/class" --csv >"$scratch/csv" 2>"$scratch/err"; status=$?
check "grade status" 1 "$status"
check "grade csv" "$(printf '%s\n' 'file,verdict,rows_right,rows_total,detail' \
    "$scratch/class/a-right.vfl,ok,4,4,Всё верно: лампочки горят как надо во всех строках таблицы (4 из 4)." \
    "$scratch/class/b-wrong.vfl,wrong,0,4" \
    "$scratch/class/c-damaged.vfl,invalid,0,4,Ошибка в файле: программа не может открыть файл." \
    "$scratch/class/d-renamed.vfl,missing,0,4,В схеме нет источника «A»." \
    "\"$scratch/class/e \"\"quoted\"\", name.vfl\",ok,4,4")" \
    "$(sed 's/^\([^,]*,wrong,0,4\),.*/\1/; s/^\(".*",ok,4,4\),.*/\1/' "$scratch/csv")"
check "grade summary" "Проверено файлов: 5. ok: 2, wrong: 1, missing: 1, limits: 0, invalid: 1." "$(cat "$scratch/err")"

"$cli" grade "$scratch/strict.vfl" "$scratch/class/a-right.vfl" "$scratch/class/e \"quoted\", name.vfl" --json >"$scratch/json" 2>/dev/null
check "grade json" "$(printf '%s\n' '[' \
    "  {\"file\": \"$scratch/class/a-right.vfl\", \"verdict\": \"limits\", \"rows_right\": 4, \"rows_total\": 4, \"detail\": \"Лампочки горят как надо во всех строках таблицы (4 из 4), но: Вентилей (инверторов, конъюнкторов и дизъюнкторов) в схеме: 5, а задание разрешает не больше 4.\"}," \
    "  {\"file\": \"$scratch/class/e \\\"quoted\\\", name.vfl\", \"verdict\": \"limits\", \"rows_right\": 4, \"rows_total\": 4, \"detail\": \"Лампочки горят как надо во всех строках таблицы (4 из 4), но: Вентилей (инверторов, конъюнкторов и дизъюнкторов) в схеме: 5, а задание разрешает не больше 4.\"}" ']')" \
    "$(cat "$scratch/json")"

"$cli" grade "$xor" "$scratch/class/a-right.vfl" >/dev/null 2>&1; status=$?
check "all right status" 0 "$status"

# Wrong arguments give the usage; a task that cannot be checked by, its problems.
printf '; task expect F A +\r\n' >"$scratch/broken.vfl"; cat "$xor" >>"$scratch/broken.vfl"
for args in "check $xor" "grade $xor" "grade $xor $scratch/class --csv --json" "grade $xor $scratch/class --tsv" \
            "check $scratch/broken.vfl $xor" "grade $scratch/broken.vfl $scratch/class" "check $scratch/empty.vfl $xor"; do
    # shellcheck disable=SC2086
    "$cli" $args >/dev/null 2>"$scratch/err"; status=$?
    check "status of: $args" 2 "$status"
done
check "broken task message" "Строка 1 («; task expect F A +»): формула не читается. Позиция 4: формула не закончена: ожидается переменная, 0, 1 или «(»." \
      "$("$cli" check "$scratch/broken.vfl" "$xor" 2>&1 >/dev/null | sed -n 3p)"
exit $((failures > 0))
