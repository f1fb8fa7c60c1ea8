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
focus_window "$main" || fail "the form did not take the focus back"
stamp=$(file_stamp "$game/weapon.dat")
screenshot "$work/before-save-as.ppm"
file_menu_key s
dialog=$(wait_dialog '兵器データ' "$work/before-save-as.ppm") || fail "the Save As dialog (see above)"
screenshot "$work/save-as-dialog.ppm"
before=$(visible_windows)
xdotool key Return
question=$(wait_new_window "$before" 10) || fail "no question before replacing the file"
wait_window_drawn "$question" "$work/save-as-dialog.ppm" || fail "the replace question was not drawn"
wait_focus "$question" || fail "the replace question did not take the focus"
screenshot "$artifacts/replace-question.png"
xdotool key --clearmodifiers alt+y
wait_window_gone '兵器データ' 15 || fail "the Save As dialog did not close"
wait_file_changed "$game/weapon.dat" "$stamp" || fail "weapon.dat was not saved"

cmp -s "$game/weapon.dat" "$work/original.dat" || fail "the saved table differs from the opened one"
cmp -s "$game/weapon.org" "$work/original.dat" || fail "weapon.org is not the original table"
if find "$work" -name '*\?*' | grep -q .; then echo "FAIL: a name with '?' appeared on disk"; exit 1; fi
wait_file_line "$work/config/orvan/Kelvor.conf" "LastDir=$game/" || fail "the folder was not remembered"

escape_ends_program "$main" "$app_pid" || fail "Escape did not end the program"
app_pid=
echo "PASS: open and save as through the menus; byte-identical with one backup"
