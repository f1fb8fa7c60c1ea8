#!/usr/bin/env bash
# Opens the demo game folder through File › Open as a person would and looks
# at the picture panel: the first unit's picture centred in the black frame
# and its flag cell at (4, 4). Another window then passes over the panel;
# once it is gone the panel must show exactly the same pixels again.
# Usage: picture_panel.sh <Kelvor binary> <artifact folder> <demo-data generator>
set -euo pipefail
app=$1
artifacts=$2
demo_data=$3
. "$(dirname "$0")/session.sh"

session_begin
demo_game_folder "$demo_data"

# The colour of pixel (x, y) of an image as "r,g,b".
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}
# The bounding box "x y w h" of the pixels of colour "r,g,b" in an image.
box_of() {
  convert "$1" -fill black +opaque "rgb($2)" -format '%@' info: | sed 's/[x+]/ /g' | awk '{print $3, $4, $1, $2}'
}
# How many pixels from (x, y) on are black, going right ("x") or down ("y").
black_run() {
  local image=$1 x=$2 y=$3 axis=$4 crop
  if [ "$axis" = x ]; then crop="600x1+$x+$y"; else crop="1x600+$x+$y"; fi
  convert "$image" -crop "$crop" +repage -depth 8 txt:- |
    awk 'NR > 1 && !done { if ($3 == "#000000") n++; else done = 1 } END { print n + 0 }'
}

# The first unit of the table: its flag field and its picture.
IFS=, read -r -a first < <(sed -n 4p "$game/weapon.dat")
flag=${first[2]}
picture="$game/unit/${first[189]}.bmp"
[ "$flag" = 0 ] || fail "the demo's first unit no longer has flag 0 (it has $flag)"
read -r pw ph <<< "$(identify -format '%w %h' "$picture")"
mark=$(pixel "$picture" 3 3)                         # top-left corner mark
far_mark=$(pixel "$picture" $((pw - 4)) $((ph - 4)))  # bottom-right corner mark
flag_colour=$(pixel "$game/bmp/panel_btn.bmp" $((384 + 12)) $((156 + 7)))  # flag 0: the cell at (384, 156)

start_editor "$app"
open_offered_table
screenshot "$work/before.png"

# Another window over the whole form, then away again.
eval "$(xdotool getwindowgeometry --shell "$main")"
xmessage -geometry "${WIDTH}x${HEIGHT}+${X}+${Y}" -name kelvor-cover "passing over the form" &
cover_pid=$!
session_pids=$cover_pid
cover=$(wait_window 'kelvor-cover|xmessage' 10) || fail "the covering window did not appear"
wait_window_drawn "$cover" "$work/before.png" || fail "the covering window was not drawn"
screenshot "$work/covered.png"
kill "$cover_pid"; wait "$cover_pid" 2>/dev/null || true; cover_pid=
wait_window_gone 'kelvor-cover|xmessage' 10 || fail "the covering window did not go away"
wait_window_drawn "$main" "$work/covered.png" || fail "the form was not drawn again after the covering window went away"
shot="$artifacts/picture-panel.png"
screenshot "$shot"

# The flag cell's fill lies one pixel inside the cell: the panel's inside
# starts 5 pixels up and left of it.
read -r fx fy fw fh < <(box_of "$shot" "$flag_colour")
[ "${fw:-0}" -gt 0 ] || fail "no flag cell on the screen"
ox=$((fx - 5)) oy=$((fy - 5))
[ "$(pixel "$shot" "$((ox + 4 + 12))" "$((oy + 4 + 7))")" = "$flag_colour" ] || fail "the flag cell is not at (4, 4)"
[ "$(pixel "$shot" "$ox" "$oy")" = "0,0,0" ] || fail "the panel's corner is not black"

# The picture: its corner marks at their places, centred with the remainder
# of each halving on the right and at the bottom.
read -r mx my _ _ < <(box_of "$shot" "$mark")
read -r nx ny _ _ < <(box_of "$shot" "$far_mark")
px=$((mx - 3)) py=$((my - 3))
[ "$((nx - px))" = "$((pw - 11))" ] && [ "$((ny - py))" = "$((ph - 11))" ] || fail "the picture is not shown whole at its size"
left=$((px - ox)) top=$((py - oy))
right=$(black_run "$shot" $((px + pw)) $((py + ph / 2)) x)
bottom=$(black_run "$shot" $((px + pw / 2)) $((py + ph)) y)
echo "panel inside at ($ox, $oy); picture ${pw}x${ph} at ($left, $top); black right $right, below $bottom"
[ "$right" -ge "$left" ] && [ "$((right - left))" -le 1 ] || fail "the picture is not centred across ($left | $right)"
[ "$bottom" -ge "$top" ] && [ "$((bottom - top))" -le 1 ] || fail "the picture is not centred down ($top | $bottom)"

# The covering window really covered the panel, and left it as it was.
[ "$(pixel "$work/covered.png" "$((px + pw / 2))" "$((py + ph / 2))")" != "$(pixel "$shot" "$((px + pw / 2))" "$((py + ph / 2))")" ] ||
  fail "the covering window did not cover the panel"
region="$((left + pw + right))x$((top + ph + bottom))+$ox+$oy"
convert "$work/before.png" -crop "$region" +repage "$work/before-panel.png"
convert "$shot" -crop "$region" +repage "$work/after-panel.png"
[ "$(compare -metric AE "$work/before-panel.png" "$work/after-panel.png" null: 2>&1)" = 0 ] ||
  fail "the panel changed when the covering window went away"

escape_ends_program "$main" "$app_pid" || fail "Escape did not end the program"
app_pid=
echo "PASS: the first unit's picture centred in the panel with its flag at (4, 4), kept through a covering window"
