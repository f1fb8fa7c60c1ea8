#!/usr/bin/env bash
# Drives the real editor while another program changes the open table: the
# change is said at once (the offer to open it again, declined), and a save
# over it asks first: キャンセル writes nothing, 上書き writes the editor's table.
# Usage: changed_on_disk.sh <Kelvor binary> <artifact folder> <demo-data generator>
set -euo pipefail
app=$1
artifacts=$2
demo_data=$3
. "$(dirname "$0")/session.sh"

start_on_demo_table

# Another program adds a line to the table.
printf '; added by another program\r\n' >> "$game/weapon.dat"
cp "$game/weapon.dat" "$work/theirs.dat"
question=$(wait_window '^Kelvor$' 10) || fail "the change on disk was not said"
wait_focus "$question" || fail "the question did not take the focus"
screenshot "$artifacts/on-disk-reopen.png"
xdotool key Escape  # キャンセル: keep the table as read
wait_window_gone '^Kelvor$' 10 || fail "Escape did not close the question"

# An edit applied, then Ctrl+S: the question, キャンセル by Escape.
focus_window "$main" || fail "the form did not take the focus back"
click_du 275 25 20 12
xdotool key ctrl+a
xdotool type --delay 50 77
click_du 435 270 75 15
xdotool key ctrl+s
question=$(wait_window '^Kelvor$' 10) || fail "a save over the change asked nothing"
wait_focus "$question" || fail "the question did not take the focus"
screenshot "$artifacts/on-disk-overwrite.png"
xdotool key Escape
wait_window_gone '^Kelvor$' 10 || fail "Escape did not close the question"
cmp -s "$game/weapon.dat" "$work/theirs.dat" || fail "キャンセル wrote the table"

# Ctrl+S again, 上書き this time (Tab from キャンセル, the default, then Space).
focus_window "$main" || fail "the form did not take the focus back"
stamp=$(file_stamp "$game/weapon.dat")
xdotool key ctrl+s
question=$(wait_window '^Kelvor$' 10) || fail "the second save asked nothing"
wait_focus "$question" || fail "the question did not take the focus"
xdotool key Tab space
wait_file_changed "$game/weapon.dat" "$stamp" || fail "上書き wrote nothing"
! grep -q 'added by another program' "$game/weapon.dat" || fail "上書き did not write the editor's table"
[ "$(LC_ALL=C awk -F, 'NR == 4 { print $9 }' "$game/weapon.dat")" = 77 ] || fail "the durability applied is not in the file"
escape_ends_program "$main" "$app_pid" || fail "Escape did not end the program"
app_pid=
echo "PASS: a change on disk said at once; a save over it asks, キャンセル writes nothing, 上書き writes the table"
