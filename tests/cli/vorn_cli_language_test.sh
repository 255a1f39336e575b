#!/usr/bin/env bash
# vorn-cli speaks the locale's language: English for en*, Russian for ru*,
# C and locales without a translation; LC_ALL and LANGUAGE take precedence
# over LANG as usual.
set -u
cli=$1 tasks=$2
. "$(dirname "$0")/cli_check.sh"

task=$tasks/01-inverter.vfl
solution=$tasks/01-inverter-solution.vfl
english="All correct: the lamps light as they should in every row of the table (2 of 2)."
russian="Всё верно: лампочки горят как надо во всех строках таблицы (2 из 2)."

# environment | expected verdict
while IFS='|' read -r environment expected; do
    actual=$(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE $environment "$cli" check "$task" "$solution")
    check "check under $environment" "$expected" "$actual"
done <<ROWS
LANG=en_US.UTF-8|$english
LANG=en_GB.UTF-8|$english
LANG=ru_RU.UTF-8|$russian
LANG=C|$russian
LANG=de_DE.UTF-8|$russian
LANG=ru_RU.UTF-8 LC_ALL=en_US.UTF-8|$english
LANG=en_US.UTF-8 LC_ALL=C|$russian
LANG=de_DE.UTF-8 LANGUAGE=de:en|$english
ROWS

# The grade summary is translated; the table's verdict words are not.
env -u LC_ALL -u LANGUAGE LANG=en_US.UTF-8 "$cli" grade "$task" "$solution" --csv >"$scratch/csv" 2>"$scratch/err"
check "grade csv keeps its words" "$solution,ok,2,2,$english" "$(tail -n 1 "$scratch/csv")"
check "grade summary" "Files checked: 1. ok: 1, wrong: 0, missing: 0, limits: 0, invalid: 0." "$(cat "$scratch/err")"

exit $((failures > 0))
