#!/usr/bin/env bash
# Drives the real editor with the mouse, as a person would: a click on a
# unit selects it, a click into an edit lets one type there, a click ticks
# a check box, a drop-down list opens and an item is chosen from it with
# the mouse, a right-click on a label gives the window menu (its About
# entry chosen with the mouse, the About box closed with its OK), a
# right-click on an edit gives the edit's own menu, and ｷｬﾝｾﾙ ends the
# program. Points are the centres of the controls' rectangles in the
# templates' dialog units; what a click did is read off the screen.
# Usage: mouse_reaches_controls.sh <Kelvor binary> <artifact folder>
set -euo pipefail
app=$1
artifacts=$2
. "$(dirname "$0")/session.sh"

session_begin
game="$work/game"
write_test_table "$game/weapon.dat" Alpha Beta Gamma
remember_folder "$game"

start_editor "$app"
# The table is opened with the keyboard; everything after with the mouse.
open_offered_table
focus_window "$main"
measure_window "$main" 519 315 2 || fail "the unit form has not the template's size"

# Rectangles of the unit form (dialog units).
list=(5 10 110 280)
second_unit=(5 20 110 8)     # the second line of the list
name_edit=(125 25 110 12)    # 1011
grid_check=(380 65 8 8)      # 1136, a check box of the weapon grid
text_check=(360 150 33 8)    # 1025 "ｽﾃﾙｽ"
drop_down=(125 40 45 12)     # 1029, the movement classes
flag_label=(235 15 20 10)    # the label "旗"
cancel=(465 295 50 14)

# 1. A click on a unit selects it.
grab_du "${list[@]}" "$work/list0.png"
click_du "${second_unit[@]}"
wait_region_changed "$work/list0.png" "$work/list1.png" 300 "${list[@]}" || fail "a click in the unit list selected nothing"

# 2. A click into the name edit puts the caret there: what is typed next
#    appears in it (the program takes the click before the keys).
grab_du "${name_edit[@]}" "$work/edit0.png"
click_du "${name_edit[@]}"
xdotool type --delay 50 'MMMMMM'
wait_region_changed "$work/edit0.png" "$work/edit1.png" 60 "${name_edit[@]}" || fail "typing after a click into the edit showed nothing"

# 3. Clicks tick a check box of the weapon grid and one with text.
for box in grid_check text_check; do
  declare -n rect=$box
  grab_du "${rect[@]}" "$work/$box-0.png"
  click_du "${rect[@]}"
  wait_region_changed "$work/$box-0.png" "$work/$box-1.png" 8 "${rect[@]}" || fail "a click did not tick $box"
  unset -n rect
done

# 4. A click opens the drop-down list; a click on its third item chooses it.
grab_du "${drop_down[@]}" "$work/drop0.png"
screenshot "$work/screen.ppm"
before=$(visible_windows)
click_du "${drop_down[@]}"
popup=$(wait_new_window "$before" 10) || fail "a click did not open the drop-down list"
wait_window_drawn "$popup" "$work/screen.ppm" || fail "the drop-down list was not drawn"
eval "$(xdotool getwindowgeometry --shell "$popup")"
screenshot "$artifacts/mouse-drop-down.png"
# Nine movement classes fill the list; the third is at 2.5 ninths.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT * 5 / 18)) click 1
wait_hidden "$popup" 10 || fail "choosing an item did not close the drop-down list"
wait_region_changed "$work/drop0.png" "$work/drop1.png" 20 "${drop_down[@]}" || fail "the chosen item is not shown"

# 5. A right-click on a label opens the window menu; its last entry, chosen
#    with the mouse, opens the About box, whose OK closes it.
screenshot "$work/screen.ppm"
before=$(visible_windows)
click_du "${flag_label[@]}" 3
menu=$(wait_new_window "$before" 10) || fail "a right-click on a label opened no menu"
wait_window_drawn "$menu" "$work/screen.ppm" || fail "the window menu was not drawn"
eval "$(xdotool getwindowgeometry --shell "$menu")"
window_menu_height=$HEIGHT
screenshot "$artifacts/mouse-window-menu.png"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT * 5 / 6)) click 1
about=$(wait_window 'Kelvorのﾊﾞｰｼﾞｮﾝ情報' 10) || fail "the window menu's About entry did not open the About box"
measure_window "$about" 235 55 0 || fail "the About box has not the template's size"
click_du 178 7 50 14
wait_window_gone 'Kelvorのﾊﾞｰｼﾞｮﾝ情報' 10 || fail "a click on OK did not close the About box"
measure_window "$main" 519 315 2

# 6. A right-click on the edit opens the edit's own menu (undo, cut, copy,
#    paste, delete, select all), taller than the window menu.
screenshot "$work/screen.ppm"
before=$(visible_windows)
click_du "${name_edit[@]}" 3
menu=$(wait_new_window "$before" 10) || fail "a right-click on the edit opened no menu"
wait_window_drawn "$menu" "$work/screen.ppm" || fail "the edit's menu was not drawn"
eval "$(xdotool getwindowgeometry --shell "$menu")"
screenshot "$artifacts/mouse-edit-menu.png"
[ "$HEIGHT" -gt $((window_menu_height * 3 / 2)) ] || fail "a right-click on the edit opened the window menu"
xdotool key Escape
wait_hidden "$menu" 10 || fail "Escape did not close the edit's menu"
screenshot "$artifacts/mouse-form.png"

# 7. A click on ｷｬﾝｾﾙ asks about the edits not applied; 破棄 (Alt+D) drops
#    them and the program ends, leaving the table as it was.
cp "$game/weapon.dat" "$work/opened.dat"
click_du "${cancel[@]}"
question=$(wait_window '^Kelvor$' 10) || fail "a click on ｷｬﾝｾﾙ with edits not applied asked nothing"
wait_focus "$question" || fail "the question did not take the focus"
screenshot "$artifacts/mouse-pending-question.png"
xdotool key --clearmodifiers alt+d
wait_exited "$app_pid" 5 || fail "破棄 did not end the program"
cmp -s "$game/weapon.dat" "$work/opened.dat" || fail "the table changed though the edits were dropped"
app_pid=
echo "PASS: the mouse reaches the list, an edit, check boxes, a drop-down list, both menus, About and ｷｬﾝｾﾙ"
