#!/bin/sh
# Draws the splash picture and the two about-box pictures with ImageMagick
# and writes them to pictures/ at the top of the source tree:
#   logo.jpg    500 x 350  the splash screen
#   about.jpg   443 x 126  the about box
#   about2.jpg  443 x 126  the about box's second picture (Ctrl+Alt+click)
# The pictures are kept in the repository; run this again after a change:
#   sh tools/pictures/make_pictures.sh
# Needs ImageMagick (convert or magick) and the DejaVu fonts.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../pictures}
mkdir -p "$out"

if command -v magick >/dev/null 2>&1; then im=magick; else im=convert; fi
fonts=/usr/share/fonts/truetype/dejavu
bold=$fonts/DejaVuSans-Bold.ttf
regular=$fonts/DejaVuSans.ttf
for font in "$bold" "$regular"; do
    [ -f "$font" ] || { echo "missing font $font" >&2; exit 1; }
done

# Signal colours as the program draws them: "1" red, "0" blue.
one='#ff5a4f'
zero='#4fa3ff'

# Gate outlines, given the top-left corner (x, y) and the height h; the
# inputs sit at a quarter and three quarters of the height.
and_gate() {  # width 1.2 h, output at (x + 1.1 h, y + h/2)
    awk -v x="$1" -v y="$2" -v h="$3" 'BEGIN {
        r = h / 2; printf "path \"M %g,%g L %g,%g A %g,%g 0 0 1 %g,%g L %g,%g Z\"", \
            x, y, x + 0.6 * h, y, r, r, x + 0.6 * h, y + h, x, y + h }'
}
or_gate() {  # width 1.2 h, output at (x + 1.2 h, y + h/2)
    awk -v x="$1" -v y="$2" -v h="$3" 'BEGIN {
        printf "path \"M %g,%g Q %g,%g %g,%g Q %g,%g %g,%g Q %g,%g %g,%g Z\"", \
            x, y, x + 0.7 * h, y, x + 1.2 * h, y + h / 2, x + 0.7 * h, y + h, x, y + h, \
            x + 0.3 * h, y + h / 2, x, y }'
}
not_gate() {  # triangle of width 0.7 h and its bubble, output at (x + 0.7 h + 12, y + h/2)
    awk -v x="$1" -v y="$2" -v h="$3" 'BEGIN {
        printf "path \"M %g,%g L %g,%g L %g,%g Z\" circle %g,%g %g,%g", \
            x, y, x + 0.7 * h, y + h / 2, x, y + h, x + 0.7 * h + 6, y + h / 2, x + 0.7 * h + 6, y + h / 2 + 5 }'
}
dot() { echo "circle $1,$2 $(($1 + 4)),$2"; }
# A wire through the given points, drawn with round ends and corners.
wire() { echo "fill none stroke-linecap round stroke-linejoin round polyline $*"; }
# The faint nodes of the board: every 24 pixels over a w x h picture.
nodes() {
    awk -v w="$1" -v h="$2" 'BEGIN {
        for (y = 12; y < h; y += 24) for (x = 12; x < w; x += 24) printf "circle %d,%d %d,%g ", x, y, x, y + 1.3 }'
}

# ---- the splash ------------------------------------------------------------
# A night-blue board with a faint grid of nodes, the name, and a small circuit
# whose wires show their signals: A = 1, B = 0, C = 0, so A AND B = 0,
# NOT C = 1 and the lamp, fed by the OR gate, is lit.
$im -size 500x350 gradient:'#0d2238-#1f5a80' \
    -fill 'rgba(255,255,255,0.10)' -draw "$(nodes 500 350)" \
    -font "$bold" -pointsize 92 -fill white -annotate +34+116 'Vorn' \
    -font "$regular" -pointsize 19 -fill '#bfe3ff' -annotate +38+152 'цифровая логика шаг за шагом' \
    -fill none -strokewidth 4 \
    -stroke "$one"  -draw "$(wire 62,212 150,212)" \
    -stroke "$zero" -draw "$(wire 62,242 150,242)" \
    -stroke "$zero" -draw "$(wire 62,302 150,302)" \
    -stroke "$zero" -draw "$(wire 206,227 240,227 240,253 298,253)" \
    -stroke "$one"  -draw "$(wire 190,302 250,302 250,281 298,281)" \
    -stroke "$one"  -draw "$(wire 362,267 410,267)" \
    -stroke none \
    -fill "$zero" -draw "$(dot 240 227)" -draw "$(dot 240 253)" \
    -fill "$one" -draw "$(dot 250 302)" -draw "$(dot 250 281)" \
    -fill 'rgba(255,255,255,0.10)' -stroke white -strokewidth 3 \
    -draw "$(and_gate 150 202 50)" \
    -draw "$(not_gate 150 282 40)" \
    -draw "$(or_gate 290 237 60)" \
    -stroke none -font "$bold" -pointsize 16 \
    -fill "$one"  -draw 'roundrectangle 34,202 62,222 4,4' \
    -fill "$zero" -draw 'roundrectangle 34,232 62,252 4,4' \
    -fill "$zero" -draw 'roundrectangle 34,292 62,312 4,4' \
    -fill white -annotate +43+218 '1' -annotate +43+248 '0' -annotate +43+308 '0' \
    -fill '#bfe3ff' -pointsize 14 -annotate +16+218 'A' -annotate +16+248 'B' -annotate +16+308 'C' \
    -fill 'rgba(255,220,90,0.25)' -draw 'circle 432,267 432,297' \
    -fill '#ffdc5a' -stroke white -strokewidth 3 -draw 'circle 432,267 432,287' \
    -stroke none -fill white -font "$regular" -pointsize 13 \
    -annotate +162+232 'И' -annotate +310+272 'ИЛИ' -annotate +152+340 'НЕ' \
    -strip -type TrueColor -quality 92 "$out/logo.jpg"

# ---- the about box ---------------------------------------------------------
# Light: an AND gate with both inputs at 1 and its lamp lit, and the name.
$im -size 126x443 gradient:'#ffffff-#dcebf7' -rotate -90 \
    -fill none -strokewidth 4 \
    -stroke "$one" -draw "$(wire 14,46 50,46)" -draw "$(wire 14,80 50,80)" \
    -draw "$(wire 106,63 136,63)" \
    -stroke none -fill "$one" -draw 'circle 14,46 18,46' -draw 'circle 14,80 18,80' \
    -fill '#eef5fb' -stroke '#1d4f73' -strokewidth 3 -draw "$(and_gate 50 35 56)" \
    -fill '#ffdc5a' -stroke '#1d4f73' -draw 'circle 150,63 150,77' \
    -stroke none -font "$bold" -pointsize 60 -fill '#1d4f73' -annotate +190+76 'Vorn' \
    -font "$regular" -pointsize 14 -fill '#4a6478' -annotate +193+104 'конструктор логических схем' \
    -strip -type TrueColor -quality 92 "$out/about.jpg"

# Dark: the same place at night, an OR gate with one input at 1.
$im -size 126x443 gradient:'#0d2238-#1f5a80' -rotate -90 \
    -fill none -strokewidth 4 \
    -stroke "$zero" -draw "$(wire 14,46 54,46)" \
    -stroke "$one" -draw "$(wire 14,80 54,80)" -draw "$(wire 117,63 136,63)" \
    -stroke none -fill "$zero" -draw 'circle 14,46 18,46' -fill "$one" -draw 'circle 14,80 18,80' \
    -fill 'rgba(255,255,255,0.10)' -stroke white -strokewidth 3 -draw "$(or_gate 50 35 56)" \
    -stroke none -fill 'rgba(255,220,90,0.25)' -draw 'circle 150,63 150,86' \
    -fill '#ffdc5a' -stroke white -strokewidth 3 -draw 'circle 150,63 150,77' \
    -stroke none -font "$bold" -pointsize 60 -fill white -annotate +190+76 'Vorn' \
    -font "$regular" -pointsize 15 -fill '#bfe3ff' -annotate +193+104 '0 ИЛИ 1 = 1' \
    -strip -type TrueColor -quality 92 "$out/about2.jpg"

echo "pictures written to $out"
