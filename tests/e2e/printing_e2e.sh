#!/usr/bin/env bash
# Printing in the real program: P opens the printer dialog, whose "Печать"
# prints into a PDF file (the default when no printer is set up), the
# sender-name dialog takes a name, and the page holds the source that was
# drawn and the header line with that name.
#
# Usage: printing_e2e.sh PROGRAM [SCREENSHOT_FOLDER]
set -u

program=${1:?usage: $0 PROGRAM [SCREENSHOT_FOLDER]}
keep=${2:-}
. "$(dirname "$0")/e2e_common.sh"
# The printer dialog proposes print.pdf in the home folder.
export HOME="$work/home"
mkdir -p "$HOME"
e2e_start

xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool mousemove $((X + WIDTH / 2 + 7)) $((Y + HEIGHT / 2 + 7))
shot empty
find_surface empty
send_key 2
xdotool mousemove "$(px 10)" "$(py 10)"; sleep 0.15
xdotool click 1; sleep 0.15
send_key 1

send_key p
sleep 2
shot printer
xdotool key Return  # "Печать"
sleep 1.5
shot sender
xdotool type --delay 30 "Ivan Petrov"
xdotool key Return
pdf="$HOME/print.pdf"
for _ in $(seq 25); do
    [ -s "$pdf" ] && break
    sleep 0.2
done
[ -s "$pdf" ] || die "no page was printed into $pdf"

header=$(pdftotext "$pdf" - | head -n1)
[ "$header" = "Ivan Petrov. Vorn v1.1" ] || fail "the page's header line is '$header'"
pdftoppm -r 96 -png -singlefile "$pdf" "$work/page" || die "pdftoppm could not read the page"
# The used area starts two columns left of and three rows above the source:
# at 24 pixels a node, the source's box lies near (48, 72) from the drawing's
# corner, which sits inside the page's margin.
ink=$(dark_pixels page 0 0 400 300)
echo "dark pixels at the page's top left: $ink"
[ "$ink" -gt 100 ] || fail "the page shows no circuit"

e2e_finish "a page printed into a PDF file with the sender's name"
