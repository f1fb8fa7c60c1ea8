#!/usr/bin/env bash
# Drives the real editor window from outside, as a person would: opens the
# window menu with Alt+Space, chooses the About entry, closes the About box,
# then presses Escape, which must end the program at once.
# Usage: about_and_escape.sh <Kelvor binary> <artifact folder>
set -euo pipefail
app=$1
artifacts=$2
. "$(dirname "$0")/session.sh"

session_begin
start_editor "$app"
screenshot "$artifacts/unit-form.png"

screenshot "$work/before-menu.ppm"
menu=$(open_menu_by_key alt+space) || fail "Alt+Space opened no window menu"
wait_window_drawn "$menu" "$work/before-menu.ppm" || fail "the window menu was not drawn"
screenshot "$artifacts/window-menu.png"
xdotool key a
about=$(wait_window 'Kelvor' 10) || fail "the About box did not appear"
wait_window_drawn "$about" "$artifacts/window-menu.png" || fail "the About box was not drawn"
wait_focus "$about" || fail "the About box did not take the focus"
screenshot "$artifacts/about-box.png"
xdotool key Escape
wait_window_gone 'Kelvor' 10 || fail "the About box did not close"
kill -0 "$app_pid" || fail "closing the About box ended the program"

escape_ends_program "$main" "$app_pid" || fail "Escape did not end the program"
app_pid=
echo "PASS: About box through the window menu, Escape ends the program"
