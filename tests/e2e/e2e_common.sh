# Shared by the end-to-end scripts: an X server of their own, the program on
# it with fresh settings, screenshots and the comparisons made on them.
#
# A script sets program and keep (the screenshot folder, may be empty), and
# program_args if the program gets arguments, and then calls e2e_start;
# afterwards DISPLAY, window, X, Y, WIDTH and HEIGHT describe the program's
# main window, and the splash screen has gone. The settings turn the
# tutorial's start-up showing off unless the script sets first_start=1,
# which starts the program as on a new user's first day.
# shellcheck shell=bash

convert=/usr/bin/convert
compare=/usr/bin/compare
import=/usr/bin/import

work=$(mktemp -d)
xvfb_pid=
program_pid=
failures=0
program_args=()
first_start=

cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    if [ -n "$keep" ]; then
        mkdir -p "$keep" && cp "$work"/*.png "$keep"/ 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
die() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_xvfb: an X server of the script's own on whatever display is free.
start_xvfb() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || die "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# e2e_start: the program on the script's X server (started on the first
# call) with its own runtime and settings folders, and its main window found
# by its caption. A later call starts the program again with the same folders.
e2e_start() {
    [ -n "$xvfb_pid" ] || start_xvfb
    export XDG_RUNTIME_DIR="$work/runtime"
    export XDG_CONFIG_HOME="$work/config"
    export XDG_DATA_HOME="$work/data"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
    if [ -z "$first_start" ]; then
        mkdir -p "$XDG_CONFIG_HOME/vorn"
        printf '[SOFTWARE]\nvorn\\options\\ShowMaster=0\n' >"$XDG_CONFIG_HOME/vorn/vorn.ini"
    fi
    "$program" "${program_args[@]}" >"$work/program.log" 2>&1 &
    program_pid=$!

    window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name "Vorn v1.1" 2>/dev/null | head -n1)
        [ -n "$window" ] && break
        kill -0 "$program_pid" 2>/dev/null || die "the program ended: $(cat "$work/program.log")"
        sleep 0.2
    done
    [ -n "$window" ] || die "no window named Vorn v1.1"
    eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
    echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT"
    [ -n "$first_start" ] || wait_for_splash_to_go
}

splash_window() { xdotool search --onlyvisible --name '^Vorn$' 2>/dev/null | head -n1; }

# wait_for_splash: until the splash is up, at most two seconds; its window
# is left in splash and its place in S_X, S_Y, S_WIDTH and S_HEIGHT.
wait_for_splash() {
    splash=
    for _ in $(seq 20); do
        splash=$(splash_window)
        [ -n "$splash" ] && break
        sleep 0.1
    done
    [ -n "$splash" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$splash" | sed 's/^/S_/')"
}

# wait_for_splash_to_go: the splash shows for about two seconds (half a
# second with a file argument) and then hands the main window over.
wait_for_splash_to_go() {
    local seen=
    for _ in $(seq 50); do
        if [ -n "$(splash_window)" ]; then
            seen=1
        elif [ -n "$seen" ]; then
            break
        fi
        sleep 0.1
    done
    [ -z "$(splash_window)" ] || die "the splash screen did not go"
    sleep 0.3
}

# e2e_finish MESSAGE: fails when the program has gone or a check failed.
e2e_finish() {
    kill -0 "$program_pid" 2>/dev/null || die "the program ended during the test: $(cat "$work/program.log")"
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "$1"
}

shot() {  # shot NAME: a screenshot of the whole screen once the picture settled
    sleep 0.6
    "$import" -window root "$work/$1.png" || die "no screenshot $1"
}

send_key() {
    xdotool key --window "$window" --clearmodifiers "$1" 2>/dev/null || xdotool key "$1"
}

# check_grid SHOT LEFT TOP WIDTH HEIGHT PITCH: the area is white with single
# black dots exactly PITCH pixels apart in both directions.
check_grid() {
    local file=$1 left=$2 top=$3 width=$4 height=$5 pitch=$6
    "$convert" "$work/$file.png" -crop "${width}x${height}+${left}+${top}" +repage txt:- |
        awk -v pitch="$pitch" -v width="$width" -v height="$height" '
        /^#/ { next }
        {
            split($1, at, /[,:]/); x = at[1] + 0; y = at[2] + 0
            if ($3 == "#FFFFFF") next
            if ($3 != "#000000") { other++; next }
            black++; ink[x "," y] = 1
            rx[x % pitch] = 1; ry[y % pitch] = 1
        }
        END {
            for (r in rx) nx++
            for (r in ry) ny++
            for (p in ink) {
                split(p, c, ","); 
                if (((c[1] + 1) "," c[2]) in ink || (c[1] "," (c[2] + 1)) in ink) touching++
            }
            low = int(width / pitch) * int(height / pitch)
            high = (int(width / pitch) + 1) * (int(height / pitch) + 1)
            if (other > 0 || nx != 1 || ny != 1 || touching > 0 || black < low || black > high) {
                printf "other=%d black=%d (want %d..%d) x-phases=%d y-phases=%d touching=%d\n", \
                    other, black, low, high, nx, ny, touching
                exit 1
            }
        }' || return 1
}

# changed_box A B: the box "W H X Y" of the pixels that differ, or "none".
changed_box() {
    if [ "$("$compare" -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" = "0" ]; then
        echo none
    else
        "$convert" "$work/$1.png" "$work/$2.png" -compose difference -composite -threshold 0 \
            -format '%@' info: 2>/dev/null | tr 'x+' '  '
    fi
}
near() { [ "$1" -ge "$2" ] && [ "$1" -le "$3" ]; }  # near VALUE LOW HIGH

# find_surface SHOT: the drawing surface of an empty work area at zoom 100 %,
# from its grid dots. The dots of one row and one column through a dot near
# the middle, followed to both ends: the first dot is node (0, 0) at the
# surface's top-left pixel. Sets pitch, left, top (node (0, 0)) and right,
# bottom (the last dots); px I and py J give a node's screen column and row.
find_surface() {
    local shot=$1 mid_x=$((X + WIDTH / 2)) mid_y=$((Y + HEIGHT / 2)) dot_x dot_y
    pitch=24
    check_grid "$shot" $((mid_x - 100)) $((mid_y - 100)) 200 200 $pitch ||
        die "no grid of dots $pitch pixels apart in the middle of the work area"
    read -r dot_x dot_y < <("$convert" "$work/$shot.png" -crop "${pitch}x$pitch+$mid_x+$mid_y" +repage txt:- |
        awk -v x0="$mid_x" -v y0="$mid_y" '$3 == "#000000" { split($1, at, /[,:]/); print x0 + at[1], y0 + at[2]; exit }')
    # dot_run CROP START: the first and last pixel of the run of dots, pitch
    # apart, that passes through START along a one-pixel strip of the shot.
    dot_run() {
        "$convert" "$work/$shot.png" -crop "$1" +repage txt:- |
            awk -v start="$2" -v pitch=$pitch '
                $3 == "#000000" { split($1, at, /[,:]/); ink[at[1] + at[2]] = 1 }
                END {
                    for (first = start; (first - pitch) in ink; first -= pitch) {}
                    for (last = start; (last + pitch) in ink; last += pitch) {}
                    print first, last
                }'
    }
    read -r left right < <(dot_run "${WIDTH}x1+$X+$dot_y" $((dot_x - X)))
    read -r top bottom < <(dot_run "1x$HEIGHT+$dot_x+$Y" $((dot_y - Y)))
    left=$((X + left)) right=$((X + right)) top=$((Y + top)) bottom=$((Y + bottom))
    echo "surface: first node at $left,$top, last dots at $right,$bottom"
}
px() { echo $((left + pitch * $1)); }  # px I: the screen column of node column I
py() { echo $((top + pitch * $1)); }   # py J: the screen row of node row J
park() { xdotool mousemove "$(px 30)" "$(py 25)"; }  # the pointer away from the circuit
click_node() {  # click_node I J
    xdotool mousemove "$(px "$1")" "$(py "$2")"
    sleep 0.1
    xdotool click 1
    sleep 0.1
}

# ---- the tutorial wizard ---------------------------------------------------------

visible_wizard() { xdotool search --onlyvisible --name "Мастер обучения работе с программой" 2>/dev/null | head -n1; }

# wait_for_wizard SECONDS: until the wizard is visible; its window is left in
# wizard and its place in W_X, W_Y, W_WIDTH and W_HEIGHT.
wait_for_wizard() {
    wizard=
    for _ in $(seq $(($1 * 5))); do
        wizard=$(visible_wizard)
        [ -n "$wizard" ] && break
        sleep 0.2
    done
    [ -n "$wizard" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$wizard" | sed 's/^/W_/')"
}

# click_wizard X Y: a click at a point of the wizard's client area.
click_wizard() {
    xdotool mousemove $((W_X + $1)) $((W_Y + $2))
    sleep 0.15
    xdotool click 1
    sleep 0.3
}

# dark_pixels SHOT LEFT TOP WIDTH HEIGHT: how many pixels of the box are
# darker than light grey.
dark_pixels() {
    "$convert" "$work/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace Gray -threshold 60% \
        -format %c histogram:info:- | awk '/#000000|black/ { sum += $1 } END { print sum + 0 }'
}
