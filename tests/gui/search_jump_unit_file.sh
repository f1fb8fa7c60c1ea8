#!/usr/bin/env bash
# Drives the real editor with the mouse, as a person would: opens the demo
# table, looks for a unit by name through Edit › 検索 (typed into the box,
# OK clicked), clicks "変" to go to the unit it turns into, exports that unit
# through File › 単体データの書き出し... and imports the file back through
# File › 単体データの読み込み.... The exported file must be the target unit's
# line with its line number, and the table saved afterwards must be the
# opened one byte for byte.
# Usage: search_jump_unit_file.sh <Kelvor binary> <artifact folder> <demo-data generator>
set -euo pipefail
app=$1
artifacts=$2
demo_data=$3
. "$(dirname "$0")/session.sh"

session_begin
demo_game_folder "$demo_data"

start_editor "$app"
measure_window "$main" 519 315 2 || fail "the unit form has not the template's size"

# Opens menu title $1 of the menu bar (pixels from the window's left edge)
# and clicks entry $2 of $3 in the menu that drops down. Leaves a
# screenshot from just before in $work/before-menu.ppm.
choose_menu() {
  local title_x=$1 entry=$2 entries=$3 before popup X Y WIDTH HEIGHT SCREEN WINDOW
  screenshot "$work/before-menu.ppm"
  before=$(visible_windows)
  xdotool mousemove $((WIN_X + title_x)) $((WIN_Y - BASE_Y * 3 / 4)) click 1
  popup=$(wait_new_window "$before" 10) || popup=
  # A message box titled with the program's name (a refused file) keeps the
  # menu from opening; the program shows it before it takes the click.
  ! window_shown '^Kelvor$' || fail "a message box came up: the program refused the step before"
  [ -n "$popup" ] || fail "the menu did not drop down"
  wait_window_drawn "$popup" "$work/before-menu.ppm" || fail "the menu was not drawn"
  eval "$(xdotool getwindowgeometry --shell "$popup")"
  xdotool mousemove $((X + WIDTH / 3)) $((Y + HEIGHT * (2 * entry - 1) / (2 * entries))) click 1
  wait_hidden "$popup" 10 || fail "choosing a menu entry did not close the menu"
}
file_menu=29  # "ﾌｧｲﾙ(F)": 開く, 上書き保存, 名前を付けて保存, 最近使ったファイル, 単体データの読み込み, 一括読み込み, 単体データの書き出し
edit_menu=82  # "編集(E)": 元に戻す, やり直し, 検索, 次を検索

# Waits for the file dialog opened from a menu, types a name into it (or
# keeps the offered one) and confirms it with Enter; gives the form the
# focus back once the dialog has closed.
answer_file_dialog() {
  local dialog
  dialog=$(wait_dialog '兵器データ' "$work/before-menu.ppm") || fail "the file dialog (see above)"
  if [ -n "${1:-}" ]; then
    screenshot "$work/before-typing.ppm"
    xdotool type --delay 50 "$1"
    wait_window_drawn "$dialog" "$work/before-typing.ppm" 20 || fail "the typed name did not show in the file dialog"
  fi
  screenshot "$artifacts/unit-commands-${2:-dialog}.png"
  xdotool key Return
  wait_window_gone '兵器データ' 15 || fail "the file dialog did not close"
  focus_window "$main" || fail "the form did not take the focus back"
}

# File › 開く on the offered weapon.dat.
choose_menu "$file_menu" 1 7
answer_file_dialog "" open
wait_window_drawn "$main" "$artifacts/unit-commands-open.png" || fail "the form was not drawn after File › 開く"

# Edit › 検索: the name typed into the box, OK clicked. "軽戦車" is unit 30
# (the first name holding it), whose field 50 names unit 31.
screenshot "$work/before-search.ppm"
choose_menu "$edit_menu" 3 4
box=$(wait_window '兵器の検索' 10) || fail "the search box did not appear"
wait_focus "$box" || fail "the search box did not take the focus"
xdotool type --delay 80 '軽戦車'
measure_window "$box" 187 45 0 || fail "the search box has not the template's size"
click_du 75 25 50 14
wait_window_gone '兵器の検索' 10 || fail "a click on OK did not close the search box"
measure_window "$main" 519 315 2
wait_window_drawn "$main" "$work/before-search.ppm" || fail "the form did not change for the unit found"
screenshot "$artifacts/unit-commands-found.png"

# "変" (button 1241 at 440, 230, 10 x 10) shows unit 31.
click_du 440 230 10 10
wait_window_drawn "$main" "$artifacts/unit-commands-found.png" || fail "the form did not change for the unit 変 names"
screenshot "$artifacts/unit-commands-jumped.png"

# File › 単体データの書き出し: the offered name names the shown unit.
choose_menu "$file_menu" 7 7
answer_file_dialog "" export
wait_for_file "$game/unit0031.kmv" || fail "no unit0031.kmv was written (search or 変 did not reach unit 31)"
# The file is line 33 of the table (unit 31) after "33,", without a line end.
expected=$(printf '33,'; sed -n '34p' "$game/weapon.dat" | tr -d '\r\n')
[ "$(cat "$game/unit0031.kmv"; echo x)" = "${expected}x" ] || fail "unit0031.kmv is not unit 31's line"

# File › 単体データの読み込み of that file, then File › 名前を付けて保存 under a
# new name: the table is the opened one, byte for byte.
choose_menu "$file_menu" 5 7
answer_file_dialog unit0031.kmv import
# A refused file would say so in a message box, which choose_menu notices.
choose_menu "$file_menu" 3 7
answer_file_dialog after.dat save
wait_for_file "$game/after.dat" || fail "nothing was saved as after.dat"
cmp -s "$game/after.dat" "$game/weapon.dat" || fail "the table after the import differs from the opened one"

escape_ends_program "$main" "$app_pid" || fail "Escape did not end the program"
app_pid=
echo "PASS: a unit found by name, 変 clicked, the shown unit exported and imported back, the table unchanged"
