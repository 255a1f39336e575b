#!/usr/bin/env bash
# The committed tutorial pages of both editions are what the page maker
# writes from their sources today: help/nN.rtf from tools/helppages/pages,
# help/en/nN.rtf from tools/helppages/pages/en.
set -u
source=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir "$out/en"
maker=$source/tools/helppages/make_pages.py
python3 "$maker" "$source/tools/helppages/pages" "$out" >/dev/null &&
    python3 "$maker" --english "$source/tools/helppages/pages/en" "$out/en" >/dev/null || exit 1
status=0
for page in "$out"/*.rtf "$out"/en/*.rtf; do
    cmp -s "$page" "$source/help/${page#"$out"/}" ||
        { echo "FAIL help/${page#"$out"/} is not the page maker's output"; status=1; }
done
exit $status
