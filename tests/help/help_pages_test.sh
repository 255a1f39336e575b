#!/usr/bin/env bash
# Reads every tutorial page of both editions with unrtf: each page must be
# there, be one complete RTF group in its code page (1251 for the Russian
# pages in help/, 1252 for the English ones in help/en), convert without a
# complaint, and show its caption as a line of its text; the English pages
# must have no Cyrillic left.
set -u
help=$1
failures=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    printf 'FAIL %s\n' "$*"
    failures=$((failures + 1))
}

if ! command -v unrtf >/dev/null; then
    echo "FAIL unrtf is not installed (Debian package unrtf)"
    exit 1
fi

# unrtf's own text output writes only the low byte of a non-ASCII character.
# Its text settings with numeric character references added give every
# character exactly; perl turns the references into UTF-8.
for folder in /usr/share/unrtf /usr/local/share/unrtf /usr/lib/unrtf /usr/local/lib/unrtf; do
    [ -f "$folder/text.conf" ] && { cp "$folder/text.conf" "$scratch/text.conf"; break; }
done
if [ ! -f "$scratch/text.conf" ]; then
    echo "FAIL unrtf's text.conf was not found"
    exit 1
fi
printf 'unisymbol_print\n\t&#%%;\n' >>"$scratch/text.conf"

declare -A russian=(
    [n1]="Введение"
    [n2]="Элементы логики высказываний"
    [n3]="Формулы алгебры высказываний. Таблицы истинности"
    [n4]="Основные законы алгебры логики"
    [n5]="Построение формул алгебры высказываний по заданной таблице истинности"
    [n7]="Обучение работе с программой"
    [n8]="Как работать с программой?"
)
declare -A english=(
    [n1]="Introduction"
    [n2]="Elements of propositional logic"
    [n3]="Formulas of propositional algebra. Truth tables"
    [n4]="The basic laws of the algebra of logic"
    [n5]="Building a formula from a given truth table"
    [n7]="Learning to use the program"
    [n8]="How to work with the program"
)

# edition FOLDER CODEPAGE CAPTIONS-ARRAY LANGUAGE
edition() {
    local folder=$1 codepage=$2 language=$4
    local -n captions=$3
    local page file start groups left
    for page in n1 n2 n3 n4 n5 n7 n8; do
        file=$folder/$page.rtf
        if [ ! -f "$file" ]; then
            fail "$language $page: $file is missing"
            continue
        fi
        start="{\\rtf1\\ansi\\ansicpg$codepage"
        if [ "$(head -c ${#start} "$file")" != "$start" ]; then
            fail "$language $page: does not start with $start"
        fi
        # unrtf reads a cut-off file without complaint: the groups must close,
        # the outermost one at the very end.
        groups=$(perl -0777 -ne 's/\\[\\{}]//g; s/\s+\z//; my ($depth, $early) = (0, 0); my @c = split //;
            for my $i (0 .. $#c) {
                $depth++ if $c[$i] eq "{";
                if ($c[$i] eq "}") { $depth--; $early = 1 if $depth < 0 || ($depth == 0 && $i < $#c); }
            }
            print $early ? "the first group closes before the end" : $depth == 0 && @c && $c[0] eq "{" ? "closed" : "depth $depth at the end"' "$file")
        [ "$groups" = closed ] || fail "$language $page: its groups do not close as one group ($groups)"

        if ! unrtf -P "$scratch" --text "$file" >"$scratch/raw" 2>"$scratch/err"; then
            fail "$language $page: unrtf failed: $(head -c 300 "$scratch/err")"
            continue
        fi
        [ -s "$scratch/err" ] && fail "$language $page: unrtf complained: $(head -c 300 "$scratch/err")"
        perl -CS -pe 's/&#(\d+);/chr($1)/ge' "$scratch/raw" >"$scratch/text"
        grep -qxF "${captions[$page]}" "$scratch/text" ||
            fail "$language $page: no line \"${captions[$page]}\" in the text unrtf shows"
        [ "$(grep -c . "$scratch/text")" -ge 20 ] || fail "$language $page: fewer than 20 lines of text"
        if [ "$language" = English ]; then
            # The program's reader takes code pages other than 1251 as Latin-1,
            # so an English page spells every other character as \uN.
            LC_ALL=C grep -q "\\\\'\|[^ -~[:space:]]" "$file" &&
                fail "$language $page: has a \\'hh escape or a byte outside ASCII"
            left=$(perl -CSD -ne 'print if /\p{Cyrillic}/' "$scratch/text" | head -c 200)
            [ -z "$left" ] || fail "$language $page: Cyrillic left: $left"
        fi
    done
}

edition "$help" 1251 russian Russian
edition "$help/en" 1252 english English

[ "$failures" -eq 0 ] && echo "all help pages read"
exit $((failures > 0))
