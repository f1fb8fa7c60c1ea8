#!/usr/bin/env bash
# The editor as a desktop program, driven with keyboard and mouse: started
# with a table's path, it opens it; Ctrl+F searches and F3 searches again;
# the table is offered among the recent ones after a new start; a box's
# tooltip comes up under the mouse; full-width digits typed into a number
# box are applied and saved as ASCII; a 10-digit price scrolls in its box
# (both ends differ on the screen); and the picture panel at
# QT_SCALE_FACTOR=2 is the one at 100 % scaled up pixel for pixel.
# Usage: desktop_citizen.sh <Kelvor binary> <artifact folder> <demo-data generator>
set -euo pipefail
app=$1
artifacts=$2
demo_data=$3
. "$(dirname "$0")/session.sh"

session_begin
game="$work/café 한/game"
"$demo_data" game "$game" >/dev/null
cp "$game/weapon.dat" "$work/original.dat"

# Starts the editor on the table given as its argument; the list is filled
# and the title names it.
start_with_table() {
  screenshot "$work/screen-before-start.ppm"
  QT_SCALE_FACTOR=${1:-1} "$app" "$game/weapon.dat" &
  app_pid=$!
  main=$(wait_window '^weapon.dat - Halvane' 30) || fail "the editor did not open the table it was started with"
  wait_window_drawn "$main" "$work/screen-before-start.ppm" || fail "the form was not drawn"
  focus_window "$main" || fail "the form did not take the focus"
}
stop_editor() {
  kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
  wait_window_gone 'Halvane' 10 || fail "the editor did not end"
}

start_with_table
measure_window "$main" 519 315 2 || fail "the unit form has not the template's size"
grab_du 125 140 190 145 "$work/panel-100.png"
# Where the panel lies in the window, in pixels at 100 %.
eval "$(xdotool getwindowgeometry --shell "$main")"
panel_x=$((WIN_X - X + $(mul_div 125 "$BASE_X" 4))) panel_y=$((WIN_Y - Y + $(mul_div 140 "$BASE_Y" 8)))
panel_w=$(mul_div 190 "$BASE_X" 4) panel_h=$(mul_div 145 "$BASE_Y" 8)

# Ctrl+F with a name, Enter; then F3 finds the next unit of that text.
grab_du 5 10 110 280 "$work/list-before.png"
xdotool key ctrl+f
box=$(wait_window '検索' 10) || fail "Ctrl+F did not open the search box"
xdotool type --delay 50 "偵察"
xdotool key Return
wait_window_gone '検索' 10 || fail "the search box did not close"
focus_window "$main" || fail "the form did not take the focus back"
wait_region_changed "$work/list-before.png" "$work/list-found.png" 20 5 10 110 280 ||
  fail "the search did not move to a unit"
xdotool key F3
wait_region_changed "$work/list-found.png" "$work/list-again.png" 20 5 10 110 280 ||
  fail "F3 did not move to the next unit"

# The tooltip of 耐久 (x 275, y 25, 20 x 12) comes up under the mouse.
before=$(visible_windows)
read -r tx ty < <(du_centre 275 25 20 12)
xdotool mousemove "$tx" "$ty"
tip=$(wait_new_window "$before" 10) || fail "no tooltip came up over the durability box"
screenshot "$artifacts/citizen-tooltip.png"
xdotool mousemove "$WIN_X" "$((WIN_Y - 40))"
wait_hidden "$tip" 10 || true

# Full-width digits into 耐久, a 10-digit value into 価格 (x 295, y 25, 25 x 12),
# more than the box shows even drawn narrower: its two ends show in turn.
click_du 275 25 20 12
xdotool key ctrl+a
xdotool type --delay 80 "１２０"
click_du 295 25 25 12
xdotool key ctrl+a
grab_du 295 25 25 12 "$work/price-before.png"
xdotool type --delay 80 "1234567890"
wait_region_changed "$work/price-before.png" "$work/price-end.png" 5 295 25 25 12 ||
  fail "the typed price did not show"
xdotool key Home
wait_region_changed "$work/price-end.png" "$work/price-start.png" 5 295 25 25 12 ||
  fail "the price box did not scroll to the value's start"
screenshot "$artifacts/citizen-price-start.png"
# A price in range takes its place.
xdotool key ctrl+a
xdotool type --delay 80 "4321"
click_du 435 270 75 15
stamp=$(file_stamp "$game/weapon.dat")
xdotool key ctrl+s
wait_file_changed "$game/weapon.dat" "$stamp" || fail "Ctrl+S did not save"
IFS=, read -r -a saved < <(diff "$work/original.dat" "$game/weapon.dat" | sed -n 's/^> //p' | head -n 1)
[ "${saved[8]:-}" = 120 ] && [ "${saved[24]:-}" = 4321 ] ||
  fail "the saved unit holds durability '${saved[8]:-}' and price '${saved[24]:-}', not 120 and 4321"
stop_editor

# A new start: the table is the first recent one (Alt+F, R, 1).
session_pids=
"$app" &
app_pid=$!
main=$(wait_window 'Halvane' 30) || fail "the editor did not start"
focus_window "$main" || fail "the form did not take the focus"
open_menu_by_key alt+f >/dev/null || fail "Alt+F did not open the File menu"
before=$(visible_windows)
xdotool key r
wait_new_window "$before" 10 >/dev/null || fail "R did not open the recent tables"
screenshot "$artifacts/citizen-recent.png"
xdotool key 1
wait_window '^weapon.dat - Halvane' 15 >/dev/null || fail "the recent entry did not open the table"
stop_editor

# At twice the scale the panel is the 100 % one with every pixel doubled.
start_with_table 2
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root -crop "$((2 * panel_w))x$((2 * panel_h))+$((X + 2 * panel_x))+$((Y + 2 * panel_y))" +repage "$work/panel-200.png"
convert "$work/panel-100.png" -scale 200% "$work/panel-100-doubled.png"
differing=$(compare -metric AE "$work/panel-100-doubled.png" "$work/panel-200.png" null: 2>&1 | awk '{ printf "%d", $1 }' || true)
cp "$work/panel-200.png" "$artifacts/citizen-panel-200.png"
# The frame's inner edge may fall half a pixel either way at 200 %.
[ "${differing:-999999}" -le 2000 ] || fail "the panel at 200 % differs from the doubled 100 % one in $differing pixels"
echo "PASS: start with a path, Ctrl+F and F3, tooltip, full-width digits saved as ASCII, price scrolls, recent table, sharp panel at 200 %"
