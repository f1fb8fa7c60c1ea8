#!/usr/bin/env bash
# Drives the real editor as a person edits a unit: opens the demo table
# through the menu, picks the fifth unit with the arrow keys, changes its
# durability by keyboard (Tab to the box, type, Shift+Tab to 適用, Space),
# changes its price with the mouse (double-click the box, type, click 適用),
# then saves under a new name. The saved table must differ from the opened
# one in exactly those two fields of exactly that unit's line.
# Usage: edit_and_apply.sh <Kelvor binary> <artifact folder> <demo-data generator>
set -euo pipefail
app=$1
artifacts=$2
demo_data=$3
. "$(dirname "$0")/session.sh"

session_begin
demo_game_folder "$demo_data"
start_editor "$app"

# Where a point of the form (in dialog units) lies on the screen: the form
# sits between the menu bar and the status line.
measure_window "$main" 519 315 2 || fail "the unit form has not the template's size"
click_at() {  # dialog units x y, then the number of clicks
  local point
  point=$(du_centre "$1" "$2" 0 0)
  xdotool mousemove ${point% *} ${point#* }
  xdotool click --repeat "${3:-1}" --delay 100 1
}

# File › Open, Enter on the offered weapon.dat; the first unit is shown.
open_offered_table
screenshot "$artifacts/first-unit.png"

# Back in the form (without a window manager nobody hands the focus back),
# the unit list has the focus: four steps down to the fifth unit. The keys
# and clicks below reach the program in the order they are sent, each
# handled before the next, so none waits for the one before it.
focus_window "$main" || fail "the form did not take the focus back"
for _ in 1 2 3 4; do xdotool key Down; done
# Keyboard: Tab from the list over box 1240, name, 旗 and 編成 to 耐久.
for _ in 1 2 3 4 5; do xdotool key Tab; done
xdotool type --delay 80 200
# Back over the same boxes and the list, past ｷｬﾝｾﾙ to 適用, and press it.
for _ in 1 2 3 4 5 6 7; do xdotool key shift+Tab; done
xdotool key space
wait_window_drawn "$main" "$artifacts/first-unit.png" || fail "the form did not change for the fifth unit"
screenshot "$artifacts/keyboard-applied.png"

# Mouse: the price box (x 295, y 25, 25 x 12), then 適用 (x 435, y 270, 75 x 15).
click_at 307 31 2
xdotool type --delay 80 4321
click_at 472 277
wait_window_drawn "$main" "$artifacts/keyboard-applied.png" 20 || fail "the typed price did not show"
screenshot "$artifacts/mouse-applied.png"

# File › Save As under a new name.
focus_window "$main" || fail "the form did not take the focus back"
screenshot "$work/before-save-as.ppm"
file_menu_key s
wait_dialog '兵器データ' "$work/before-save-as.ppm" >/dev/null || fail "the Save As dialog (see above)"
xdotool type --delay 50 edited.dat
xdotool key Return
wait_window_gone '兵器データ' 15 || fail "the Save As dialog did not close"
wait_for_file "$game/edited.dat" || fail "nothing was saved"

# Which fields of which lines of file $2 differ from file $1: "line:field=value" for each.
changed_fields() {
  LC_ALL=C awk -F, '
    NR == FNR { original[FNR] = $0; lines = FNR; next }
    $0 != original[FNR] {
      n = split(original[FNR], was, ",")
      if (n != NF) { printf " %d:fields", FNR; next }
      for (i = 1; i <= NF; i++) if ($i != was[i]) printf " %d:%d=%s", FNR, i - 1, $i
    }
    END { if (FNR != lines) printf " lines" }' "$1" "$2"
}
title_is() { [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ]; }
changes=$(changed_fields "$game/weapon.dat" "$game/edited.dat")
# Unit 5 stands on line 8; durability is field 8, price field 24.
case "$changes" in
  " 8:8=200 8:24=4321") ;;
  " 8:8=200") echo "FAIL (mouse): the keyboard edit was applied and saved, the mouse edit was not:$changes"; exit 1 ;;
  *) echo "FAIL: the saved table differs in:${changes:- nothing}"; exit 1 ;;
esac

# The title names the table saved, with nothing changed.
poll_until 5 title_is "$main" "edited.dat - Halvane ユニットエディタ" ||
  { echo "FAIL: the title after Save As: $(xdotool getwindowname "$main")"; exit 1; }

# Ctrl+Z undoes the price (the focus is on 適用, not in a box), the title
# shows the change, Ctrl+S writes the table to its own file at once.
focus_window "$main" || fail "the form did not take the focus back"
xdotool key ctrl+z
poll_until 10 title_is "$main" "edited.dat* - Halvane ユニットエディタ" || fail "Ctrl+Z marked no change"
stamp=$(file_stamp "$game/edited.dat")
xdotool key ctrl+s
wait_file_changed "$game/edited.dat" "$stamp" || fail "Ctrl+S wrote nothing"
poll_until 10 title_is "$main" "edited.dat - Halvane ユニットエディタ" || fail "the saved table is still marked"
saved=$(cat "$game/edited.dat" | md5sum)
[ "$(changed_fields "$game/weapon.dat" "$game/edited.dat")" = " 8:8=200" ] || fail "Ctrl+Z and Ctrl+S did not leave the durability alone"

# Ctrl+Z once more, then Escape: the question, answered 保存しない (Alt+N),
# ends the program and leaves the file as saved.
xdotool key ctrl+z
poll_until 10 title_is "$main" "edited.dat* - Halvane ユニットエディタ" || fail "the second Ctrl+Z marked no change"
xdotool key Escape
question=$(wait_window '^Kelvor$' 10) || fail "Escape with changes not saved asked nothing"
wait_focus "$question" || fail "the question did not take the focus"
screenshot "$artifacts/save-question.png"
xdotool key --clearmodifiers alt+n
wait_exited "$app_pid" 5 || fail "保存しない did not end the program"
app_pid=
[ "$(cat "$game/edited.dat" | md5sum)" = "$saved" ] || fail "保存しない changed the file"
echo "PASS: a unit picked with the keys, edited by keyboard and mouse, applied and saved in exactly its two fields; Ctrl+Z, Ctrl+S and the question before closing"
