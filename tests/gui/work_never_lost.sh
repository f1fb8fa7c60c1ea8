#!/usr/bin/env bash
# Drives the real editor where work could be lost: the wheel over a
# drop-down list the user is not in, an edit not applied met by a click in
# the unit list (キャンセル keeps it, 破棄 drops it), a number typed into 変
# only to go there, and closing with a change applied but not saved
# (キャンセル keeps the window open, 保存 saves and ends the program).
# Usage: work_never_lost.sh <Kelvor binary> <artifact folder> <demo-data generator>
set -euo pipefail
app=$1
artifacts=$2
demo_data=$3
. "$(dirname "$0")/session.sh"

start_on_demo_table
cp "$game/weapon.dat" "$work/opened.dat"

altitude=(320 25 30 12)   # 高度, a drop-down list
durability=(275 25 20 12) # 耐久
digits=(277 27 16 8)      # inside it: its digits (the frame and the caret follow the focus)
transform=(450 230 20 10) # the 変 box
number=(125 15 25 10)     # the unit-number box
first_row=(5 10 110 8)    # the unit list's first row
question_shown() { window_shown '^Kelvor$'; }
title_shows_change() { case "$(xdotool getwindowname "$1" 2>/dev/null)" in *'*'*) return 0 ;; esac; return 1; }

# 1. The wheel over the drop-down list changes nothing.
grab_du "${altitude[@]}" "$work/altitude0.png"
point=$(du_centre "${altitude[@]}")
xdotool mousemove ${point% *} ${point#* } click 5 click 5

# 2. 耐久 typed, then a click on the unit's own row: the question. Escape
#    (キャンセル) keeps the edit; 破棄 (Alt+D) shows the unit afresh.
click_du "${durability[@]}"
xdotool key ctrl+a
xdotool type --delay 50 99
grab_du "${digits[@]}" "$work/typed.png"
click_du "${first_row[@]}"
question=$(wait_window '^Kelvor$' 10) || fail "a click in the list with an edit not applied asked nothing"
wait_focus "$question" || fail "the question did not take the focus"
screenshot "$artifacts/never-lost-pending.png"
xdotool key Escape
wait_window_gone '^Kelvor$' 10 || fail "Escape did not close the question"
# The wheel came before everything since: its list is as it was. (A caret
# or a focus frame is a few pixels; another value is dozens.)
region_changed "$work/altitude0.png" "$work/altitude1.png" 20 "${altitude[@]}" && fail "the wheel changed the drop-down list"
region_changed "$work/typed.png" "$work/kept.png" 20 "${digits[@]}" && fail "キャンセル did not keep the edit"
focus_window "$main" || fail "the form did not take the focus back"
click_du "${first_row[@]}"
question=$(wait_window '^Kelvor$' 10) || fail "the second click asked nothing"
wait_focus "$question" || fail "the question did not take the focus"
xdotool key --clearmodifiers alt+d
wait_region_changed "$work/typed.png" "$work/dropped.png" 20 "${digits[@]}" || fail "破棄 did not show the unit afresh"

# 3. A number typed into 変 only to go there: no question, the unit shown.
focus_window "$main" || fail "the form did not take the focus back"
grab_du "${number[@]}" "$work/number0.png"
click_du "${transform[@]}"
xdotool key ctrl+a
xdotool type --delay 50 3
click_du 440 230 10 10
wait_region_changed "$work/number0.png" "$work/number1.png" 8 "${number[@]}" || fail "変 did not show unit 3"
! question_shown || fail "変 with its own box typed asked about edits"

# 4. A change applied; Escape asks: キャンセル (Escape) keeps the window,
#    保存 (Alt+S) saves and ends the program.
click_du "${durability[@]}"
xdotool key ctrl+a
xdotool type --delay 50 77
click_du 435 270 75 15
poll_until 10 title_shows_change "$main" || fail "Apply marked no change in the title"
xdotool key Escape
wait_window '^Kelvor$' 10 >/dev/null || fail "Escape with a change not saved asked nothing"
xdotool key Escape
wait_window_gone '^Kelvor$' 10 || fail "キャンセル did not close the question"
kill -0 "$app_pid" || fail "キャンセル ended the program"
cmp -s "$game/weapon.dat" "$work/opened.dat" || fail "キャンセル wrote the table"
focus_window "$main" || fail "the form did not take the focus back"
xdotool key Escape
question=$(wait_window '^Kelvor$' 10) || fail "the second Escape asked nothing"
wait_focus "$question" || fail "the question did not take the focus"
xdotool key --clearmodifiers alt+s
wait_exited "$app_pid" 5 || fail "保存 did not end the program"
app_pid=
cmp -s "$game/weapon.org" "$work/opened.dat" || fail "the table opened is not kept as weapon.org"
# Unit 3 stands on line 5 (counted from 0), the sixth; durability is field 8.
[ "$(LC_ALL=C awk -F, 'NR == 6 { print $1 "," $9 }' "$game/weapon.dat")" = \
  "$(LC_ALL=C awk -F, 'NR == 6 { print $1 }' "$work/opened.dat"),77" ] || fail "保存 did not write unit 3's durability"
echo "PASS: the wheel, an edit not applied met by a list click, 変, and the question before closing answered キャンセル and 保存"
