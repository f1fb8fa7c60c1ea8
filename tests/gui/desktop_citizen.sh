#!/usr/bin/env bash
# The editor as a desktop program, driven with keyboard and mouse: started
# with a table's path, it opens it; Ctrl+F searches and F3 searches again;
# a box's tooltip comes up under the mouse; full-width digits typed into a
# number box are applied and saved as ASCII; and a 10-digit price scrolls in
# its box (both ends differ on the screen).
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

# Started on the table given as its argument; the list is filled and the
# title names it.
screenshot "$work/screen-before-start.ppm"
"$app" "$game/weapon.dat" &
app_pid=$!
main=$(wait_window '^weapon.dat - Halvane' 30) || fail "the editor did not open the table it was started with"
wait_window_drawn "$main" "$work/screen-before-start.ppm" || fail "the form was not drawn"
focus_window "$main" || fail "the form did not take the focus"
measure_window "$main" 519 315 2 || fail "the unit form has not the template's size"

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
echo "PASS: start with a path, Ctrl+F and F3, tooltip, full-width digits saved as ASCII, price scrolls"
