#!/usr/bin/env bash
# The editor started on an English system (LANG=en_US.UTF-8) speaks English:
# its title, the File › Open dialog, every menu, the search box and its
# message, the About box; 表示 › 言語 › 日本語 turns it Japanese at once and
# keeps the choice. Screenshots of each are kept to be looked at.
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
[ "$(xdotool getwindowname "$main")" = 'Halvane Unit Editor' ] || fail "the title is not English"

screenshot "$work/before-open.ppm"
open_menu_by_key alt+f >/dev/null || fail "Alt+F opened no File menu"
xdotool key o
wait_dialog 'Choose a Unit Data File' "$work/before-open.ppm" >/dev/null || fail "no English Open dialog (see above)"
screenshot "$artifacts/english-open-dialog.png"
xdotool key Return
wait_window_gone 'Choose a Unit Data File' 15 || fail "the Open dialog did not close"
wait_window_drawn "$main" "$artifacts/english-open-dialog.png" || fail "the form was not drawn with the table"
focus_window "$main" || fail "the form did not take the focus back"
screenshot "$artifacts/english-form.png"

# Each menu of the menu bar, opened by its English mnemonic; the language
# submenu with it.
for menu in f e v h; do
  screenshot "$work/before-menu.ppm"
  popup=$(open_menu_by_key "alt+$menu") || fail "Alt+$menu opened no menu"
  wait_window_drawn "$popup" "$work/before-menu.ppm" || fail "the menu of Alt+$menu was not drawn"
  if [ "$menu" = v ]; then
    screenshot "$work/before-submenu.ppm"
    before=$(visible_windows)
    xdotool key l
    sub=$(wait_new_window "$before" 10) || fail "&Language opened no submenu"
    wait_window_drawn "$sub" "$work/before-submenu.ppm" || fail "the language submenu was not drawn"
  fi
  screenshot "$artifacts/english-menu-$menu.png"
  xdotool key Escape
  if [ "$menu" = v ]; then
    wait_hidden "$sub" 10 || fail "the language submenu did not close"
    xdotool key Escape
  fi
  wait_hidden "$popup" 10 || fail "the menu of Alt+$menu did not close"
  # The menu bar keeps the keyboard once its menu has closed: Escape leaves it.
  xdotool key Escape
  focus_window "$main" || fail "the form did not take the focus back"
done

# Edit › Find with a name no unit has: the box and the message in English.
screenshot "$work/before-search.ppm"
xdotool key ctrl+f
box=$(wait_dialog 'Find Unit' "$work/before-search.ppm") || fail "no English search box (see above)"
xdotool type --delay 50 'zzz'
xdotool key Return
message=$(wait_dialog '^Kelvor$' "$work/before-search.ppm") || fail "no message for a text not found (see above)"
screenshot "$artifacts/english-message.png"
xdotool key Return
wait_window_gone '^Kelvor$' 10 || fail "the message did not close"
focus_window "$main" || fail "the form did not take the focus back"

# View › Language › 日本語: the window speaks Japanese at once, and the
# profile keeps the choice.
open_menu_by_key alt+v >/dev/null || fail "Alt+V opened no menu"
before=$(visible_windows)
xdotool key l
wait_new_window "$before" 10 >/dev/null || fail "&Language opened no submenu"
xdotool key j
# (xdotool's name search reads titles in the shell's locale, which here
# cannot hold Japanese: the title is compared as it is.)
title_is() { [ "$(xdotool getwindowname "$main")" = "$1" ]; }
poll_until 10 title_is 'weapon.dat - Halvane ユニットエディタ' || fail "choosing 日本語 did not turn the title Japanese"
grep -qx 'Language=ja' "$work/config/orvan/Kelvor.conf" || fail "the profile does not keep the language"
screenshot "$artifacts/english-then-japanese.png"

escape_ends_program "$main" "$app_pid" || fail "Escape did not end the program"
app_pid=
echo "PASS: English title, Open dialog, menus, search box and message; 日本語 chosen at once and kept"
