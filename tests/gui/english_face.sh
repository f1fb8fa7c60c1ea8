#!/usr/bin/env bash
# Started with LANG=en_US.UTF-8 the editor's title, Open dialog and menus are English
# (screenshots kept), each menu opened by its Alt key; 表示 › 言語 › 日本語 turns it Japanese at once.
# Usage: english_face.sh <Kelvor binary> <artifact folder> <demo-data generator>
set -euo pipefail
app=$1
artifacts=$2
demo_data=$3
. "$(dirname "$0")/session.sh"

session_lang=en_US.UTF-8
session_begin
demo_game_folder "$demo_data"
start_editor "$app"
# xdotool's name search reads titles in the shell's locale, which cannot
# hold Japanese here: titles are compared as they are.
title_is() { [ "$(xdotool getwindowname "$main")" = "$1" ]; }
title_is 'Halvane Unit Editor' || fail "the title is not English"
open_offered_table_in "$main" "$work" 'Choose a Unit Data File' || fail "File › Open in English (see above)"
cp "$work/open-dialog.png" "$artifacts/english-open-dialog.png"
focus_window "$main" || fail "the form did not take the focus back"
screenshot "$artifacts/english-form.png"

for menu in f e v h; do
  screenshot "$work/before-menu.ppm"
  popup=$(open_menu_by_key "alt+$menu") || fail "Alt+$menu opened no menu"
  wait_window_drawn "$popup" "$work/before-menu.ppm" || fail "the menu of Alt+$menu was not drawn"
  screenshot "$artifacts/english-menu-$menu.png"
  xdotool key Escape
  wait_hidden "$popup" 10 || fail "the menu of Alt+$menu did not close"
  xdotool key Escape  # the menu bar keeps the keyboard once its menu has closed
  focus_window "$main" || fail "the form did not take the focus back"
done

open_menu_by_key alt+v >/dev/null || fail "Alt+V opened no menu"
screenshot "$work/before-submenu.ppm"
before=$(visible_windows)
xdotool key l
sub=$(wait_new_window "$before" 10) || fail "&Language opened no submenu"
wait_window_drawn "$sub" "$work/before-submenu.ppm" || fail "the language submenu was not drawn"
screenshot "$artifacts/english-menu-language.png"
xdotool key j
poll_until 10 title_is 'weapon.dat - Halvane ユニットエディタ' || fail "choosing 日本語 did not turn the title Japanese"

escape_ends_program "$main" "$app_pid" || fail "Escape did not end the program"
app_pid=
echo "PASS: English title, Open dialog and menus, each opened by its Alt key; 日本語 chosen at once"
