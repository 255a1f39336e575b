#!/usr/bin/env bash
# Reads every tutorial page with unrtf: each page must be there, be one
# complete RTF group in code page 1251, convert without a complaint, and
# show its contents-menu caption as a line of its text.
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

declare -A captions=(
    [n1]="Введение"
    [n2]="Элементы логики высказываний"
    [n3]="Формулы алгебры высказываний. Таблицы истинности"
    [n4]="Основные законы алгебры логики"
    [n5]="Построение формул алгебры высказываний по заданной таблице истинности"
    [n7]="Обучение работе с программой"
    [n8]="Как работать с программой?"
)

for page in n1 n2 n3 n4 n5 n7 n8; do
    file=$help/$page.rtf
    if [ ! -f "$file" ]; then
        fail "$page: $file is missing"
        continue
    fi
    if [ "$(head -c 23 "$file")" != '{\rtf1\ansi\ansicpg1251' ]; then
        fail "$page: does not start with {\\rtf1\\ansi\\ansicpg1251"
    fi
    # unrtf reads a cut-off file without complaint: the groups must close,
    # the outermost one at the very end.
    groups=$(perl -0777 -ne 's/\\[\\{}]//g; s/\s+\z//; my ($depth, $early) = (0, 0); my @c = split //;
        for my $i (0 .. $#c) {
            $depth++ if $c[$i] eq "{";
            if ($c[$i] eq "}") { $depth--; $early = 1 if $depth < 0 || ($depth == 0 && $i < $#c); }
        }
        print $early ? "the first group closes before the end" : $depth == 0 && @c && $c[0] eq "{" ? "closed" : "depth $depth at the end"' "$file")
    [ "$groups" = closed ] || fail "$page: its groups do not close as one group ($groups)"

    if ! unrtf -P "$scratch" --text "$file" >"$scratch/raw" 2>"$scratch/err"; then
        fail "$page: unrtf failed: $(head -c 300 "$scratch/err")"
        continue
    fi
    [ -s "$scratch/err" ] && fail "$page: unrtf complained: $(head -c 300 "$scratch/err")"
    perl -CS -pe 's/&#(\d+);/chr($1)/ge' "$scratch/raw" >"$scratch/text"
    grep -qxF "${captions[$page]}" "$scratch/text" ||
        fail "$page: no line \"${captions[$page]}\" in the text unrtf shows"
done

[ "$failures" -eq 0 ] && echo "all help pages read"
exit $((failures > 0))
