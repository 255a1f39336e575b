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

# e2e_start: Xvfb on whatever display is free, the program with its own
# runtime and settings folders, and its main window found by its caption.
e2e_start() {
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
