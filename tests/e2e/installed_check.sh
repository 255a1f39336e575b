#!/usr/bin/env bash
# The installed tree: cmake --install into a fresh prefix lays out the
# program, its data and the desktop files; the installed program, started
# from there under its own X server, finds its pictures (the splash shows
# one) and its tutorial pages (the wizard's first page shows text); the ready
# tasks lie in its data folder, and so do the English editions.
#
# Usage: installed_check.sh BUILD_FOLDER [SCREENSHOT_FOLDER]
set -u

build=${1:?usage: $0 BUILD_FOLDER [SCREENSHOT_FOLDER]}
keep=${2:-}
. "$(dirname "$0")/e2e_common.sh"

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || die "cmake --install failed: $(cat "$work/install.log")"
for path in bin/vorn bin/vorn-cli share/vorn/help/help.hlp share/vorn/help/n1.rtf share/vorn/pictures/logo.jpg \
    share/vorn/pictures/about.jpg share/vorn/examples/tasks/01-inverter.vfl share/applications/vorn.desktop share/mime/packages/vorn-vfl.xml \
    share/icons/hicolor/scalable/mimetypes/vorn-circuit-0.svg \
    share/vorn/help/en/help.hlp share/vorn/help/en/n1.rtf share/vorn/examples/tasks/en/01-inverter.vfl; do
    [ -s "$prefix/$path" ] || fail "the installed tree has no $path"
done
grep -q '^Exec=vorn %f$' "$prefix/share/applications/vorn.desktop" || fail "the launcher entry does not run vorn"

program="$prefix/bin/vorn"
first_start=1
e2e_start
wait_for_splash || die "the installed program shows no splash"
shot splash
[ "$(dark_pixels splash "$S_X" "$S_Y" 500 350)" -gt 20000 ] || fail "the installed program's splash has no picture"
wait_for_wizard 8 || die "the installed program's wizard did not follow the splash"
shot wizard
[ "$(dark_pixels wizard $((W_X + 7)) $((W_Y + 52)) 577 305)" -gt 2000 ] ||
    fail "the installed program's first tutorial page shows no text"

e2e_finish "the installed program found its pictures and pages"
