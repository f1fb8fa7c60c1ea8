#!/usr/bin/env bash
# Drives the real editor from outside: File › Open on the offered
# weapon.dat, then File › Save As over the same file, confirming the
# replacement. The saved table must be byte-identical, the original kept once
# as weapon.org, and the folder remembered in the profile for the next run.
# The game folder's name holds characters code page 932 lacks and kanji with
# a trail byte 0x5C there.
# Usage: open_and_save.sh <Kelvor binary> <artifact folder>
set -euo pipefail
app=$1
artifacts=$2
. "$(dirname "$0")/session.sh"

session_begin
game="$work/café/表ソ能"
write_test_table "$game/weapon.dat" Alpha Beta
cp "$game/weapon.dat" "$work/original.dat"
remember_folder "$game"
start_editor "$app"

# File › Open, Enter on the offered weapon.dat.
open_offered_table
cp "$work/open-dialog.png" "$artifacts/open-dialog.png"
screenshot "$artifacts/table-opened.png"

# File › Save As over the same file; the dialog asks before replacing it.
focus_window "$main" || { echo "FAIL: the form did not take the focus back"; exit 1; }
stamp=$(file_stamp "$game/weapon.dat")
screenshot "$work/before-save-as.ppm"
file_menu_key s
dialog=$(wait_dialog '兵器データ' "$work/before-save-as.ppm") || { echo "FAIL: the Save As dialog (see above)"; exit 1; }
screenshot "$work/save-as-dialog.ppm"
before=$(visible_windows)
xdotool key Return
question=$(wait_new_window "$before" 10) || { echo "FAIL: no question before replacing the file"; exit 1; }
wait_window_drawn "$question" "$work/save-as-dialog.ppm" || { echo "FAIL: the replace question was not drawn"; exit 1; }
wait_focus "$question" || { echo "FAIL: the replace question did not take the focus"; exit 1; }
screenshot "$artifacts/replace-question.png"
xdotool key --clearmodifiers alt+y
wait_window_gone '兵器データ' 15 || { echo "FAIL: the Save As dialog did not close"; exit 1; }
wait_file_changed "$game/weapon.dat" "$stamp" || { echo "FAIL: weapon.dat was not saved"; exit 1; }

cmp -s "$game/weapon.dat" "$work/original.dat" || { echo "FAIL: the saved table differs from the opened one"; exit 1; }
cmp -s "$game/weapon.org" "$work/original.dat" || { echo "FAIL: weapon.org is not the original table"; exit 1; }
if find "$work" -name '*\?*' | grep -q .; then echo "FAIL: a name with '?' appeared on disk"; exit 1; fi
wait_file_line "$work/config/orvan/Kelvor.conf" "LastDir=$game/" || { echo "FAIL: the folder was not remembered"; exit 1; }

escape_ends_program "$main" "$app_pid" || { echo "FAIL: Escape did not end the program"; exit 1; }
app_pid=
echo "PASS: open and save as through the menus; byte-identical with one backup"
