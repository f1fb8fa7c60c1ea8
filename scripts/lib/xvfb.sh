# Shell helpers for driving the editor in a real X window on a virtual
# display: start Xvfb, wait for a window, take a screenshot, clean up.
# Source this file; it defines functions and changes nothing by itself.

# Starts Xvfb on a free display and exports DISPLAY. Xvfb picks the number
# itself and writes it once it accepts connections, so test runs starting
# at the same moment never end up on one display. Sets XVFB_PID. Screen
# size fits the fixed-size unit form comfortably. Without -noreset the
# server starts over each time its last client leaves (a screenshot, an
# xdotool call before the editor is up), and refuses the editor's
# connection while it does.
xvfb_start() {
  local ready i
  ready=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$ready" >/dev/null 2>&1 &
  XVFB_PID=$!
  for i in $(seq 1 100); do
    if grep -qx '[0-9][0-9]*' "$ready"; then
      export DISPLAY=":$(head -n 1 "$ready")"
      rm -f "$ready"
      return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill "$XVFB_PID" 2>/dev/null || true
  rm -f "$ready"
  echo "could not start Xvfb" >&2
  return 1
}

xvfb_stop() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# ---- Waiting for a state. Each wait polls every 0.05 s and fails once its
# time-out (in whole seconds) has passed, so a test goes on as soon as what
# it needs is there and fails, rather than hangs, when it never comes.

# Microseconds since the epoch (whatever the locale's decimal point).
now_us() {
  echo "${EPOCHREALTIME//[!0-9]/}"
}

# Runs "$2..." until it succeeds; fails when $1 seconds pass first.
poll_until() {
  local deadline=$(($(now_us) + $1 * 1000000))
  shift
  until "$@"; do
    [ "$(now_us)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# Whether a visible window's title matches $1; sets found_window to the first.
window_shown() {
  found_window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
  [ -n "$found_window" ]
}
window_not_shown() { ! window_shown "$1"; }
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
process_gone() { ! kill -0 "$1" 2>/dev/null; }

# Waits until a visible window whose title matches $1 exists; prints its id.
wait_window() {
  local found_window
  poll_until "${2:-20}" window_shown "$1" || return 1
  echo "$found_window"
}

# Waits until no visible window matches $1.
wait_window_gone() {
  local found_window
  poll_until "${2:-10}" window_not_shown "$1"
}

# Waits until window $1 has the keyboard focus: keys pressed next go there.
wait_focus() {
  poll_until "${2:-10}" has_focus "$1"
}

# Waits until process $1 (a child of this shell) has ended.
wait_exited() {
  poll_until "${2:-5}" process_gone "$1" || return 1
  wait "$1" 2>/dev/null || true
}

# Saves a picture of the whole virtual screen to $1, in the format its name
# ends in: .png to keep, .ppm (quicker) to compare with.
screenshot() {
  import -window root "$1"
}

# Gives window $1 the keyboard focus and waits until it has it (activation
# needs a window manager; without one, focusing the window is enough).
focus_window() {
  xdotool windowactivate "$1" 2>/dev/null || xdotool windowfocus "$1"
  wait_focus "$1"
}

# Presses Escape in window $1 and waits up to 5 s for process $2 to end.
# Fails when it is still running.
escape_ends_program() {
  focus_window "$1" || return 1
  xdotool key Escape
  wait_exited "$2" 5
}

# Presses keys $1 (such as alt+f) that open a menu and waits for the menu;
# prints its id.
open_menu_by_key() {
  local before
  before=$(visible_windows)
  xdotool key --clearmodifiers "$1"
  wait_new_window "$before" 10
}

# ---- Pictures of the screen.

# Whether pictures $1 and $2 differ in more than $3 pixels (default 0).
pictures_differ() {
  local changed
  changed=$(compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d", $1 }' || true)
  [ "${changed:-0}" -gt "${3:-0}" ]
}

# One look of wait_window_drawn at window $3, in folder $1.
window_drawn() {
  local dir=$1 least=$2
  import -window "$3" "$dir/now.ppm" 2>/dev/null || return 1
  if [ -f "$dir/last.ppm" ] && cmp -s "$dir/last.ppm" "$dir/now.ppm" &&
     pictures_differ "$dir/before.ppm" "$dir/now.ppm" "$least"; then
    return 0
  fi
  mv "$dir/now.ppm" "$dir/last.ppm"
  return 1
}

# Waits until window $1 is drawn anew: its part of the screen differs in
# more than $3 pixels (default 200, far more than a blinking caret) from the
# same part of screenshot $2, taken before the window appeared or before what
# changes it, and two looks in a row agree. Fails after $4 seconds
# (default 10).
wait_window_drawn() {
  local win=$1 before=$2 least=${3:-200} timeout=${4:-10} X Y WIDTH HEIGHT SCREEN WINDOW dir failed=0
  eval "$(xdotool getwindowgeometry --shell "$win")" || return 1
  dir=$(mktemp -d)
  convert "$before" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$dir/before.ppm"
  poll_until "$timeout" window_drawn "$dir" "$least" "$win" || failed=1
  rm -rf "$dir"
  return $failed
}

# Waits for a window whose title matches $1 to appear, to be drawn (against
# screenshot $2, taken before it was asked for) and to take the focus;
# prints its id. Says on standard error what did not happen.
wait_dialog() {
  local dialog
  dialog=$(wait_window "$1" 15) || { echo "no window titled $1 appeared" >&2; return 1; }
  wait_window_drawn "$dialog" "$2" || { echo "the window titled $1 was not drawn" >&2; return 1; }
  wait_focus "$dialog" || { echo "the window titled $1 did not take the focus" >&2; return 1; }
  echo "$dialog"
}

# File › Open with the keyboard in the editor's window $1 and Enter on the
# table the dialog offers; waits until the dialog has closed and the window
# has been drawn again with the table. Keeps its screenshots in folder $2
# ($2/open-dialog.png shows the dialog). The dialog's title matches $3
# (default: the Japanese one). Says on standard error what did not happen.
open_offered_table_in() {
  local win=$1 dir=$2 title=${3:-兵器データ}
  screenshot "$dir/before-open.ppm"
  open_menu_by_key alt+f >/dev/null || { echo "Alt+F opened no File menu" >&2; return 1; }
  xdotool key o
  wait_dialog "$title" "$dir/before-open.ppm" >/dev/null || return 1
  screenshot "$dir/open-dialog.png"
  xdotool key Return
  wait_window_gone "$title" 15 || { echo "the Open dialog did not close" >&2; return 1; }
  wait_window_drawn "$win" "$dir/open-dialog.png" || { echo "the window was not drawn again after File › Open" >&2; return 1; }
}

# ---- The mouse: points and regions of a window given in dialog units.

# round(a * b / c), halves away from zero, for positive numbers: how the
# program turns dialog units into pixels.
mul_div() {
  echo $(( (2 * $1 * $2 + $3) / (2 * $3) ))
}

# Measures window $1, built from a template of $2 x $3 dialog units with
# ($4 = 1) or without ($4 = 0) a menu bar over the client area, or ($4 = 2)
# a menu bar over it and a status line of the same height under it. Sets
# WIN_X, WIN_Y (client area's top-left on the screen), BASE_X and BASE_Y.
measure_window() {
  local win=$1 cx=$2 cy=$3 has_menu=$4 X Y WIDTH HEIGHT SCREEN WINDOW bx by menu bars=1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  if [ "$has_menu" -eq 2 ]; then has_menu=1; bars=2; fi
  BASE_X=
  for bx in $(seq 2 40); do
    if [ "$(mul_div "$cx" "$bx" 4)" -eq "$WIDTH" ]; then BASE_X=$bx; break; fi
  done
  BASE_Y=
  for by in $(seq 6 60); do
    menu=$((HEIGHT - $(mul_div "$cy" "$by" 8)))
    [ $((menu % bars)) -eq 0 ] || continue
    menu=$((menu / bars))
    # A menu bar is one line of text with a little room around it.
    if { [ "$has_menu" -eq 0 ] && [ "$menu" -eq 0 ]; } ||
       { [ "$has_menu" -eq 1 ] && [ "$menu" -ge "$by" ] && [ "$menu" -le $((by * 5 / 2)) ]; }; then
      BASE_Y=$by; break
    fi
  done
  [ -n "$BASE_X" ] && [ -n "$BASE_Y" ] || { echo "cannot measure window $win (${WIDTH}x${HEIGHT})" >&2; return 1; }
  WIN_X=$X
  WIN_Y=$((Y + menu))
}

# The screen point at the centre of the rectangle x y cx cy (dialog units)
# of the window last measured: prints "X Y".
du_centre() {
  local left top width height
  left=$(mul_div "$1" "$BASE_X" 4); width=$(mul_div "$3" "$BASE_X" 4)
  top=$(mul_div "$2" "$BASE_Y" 8); height=$(mul_div "$4" "$BASE_Y" 8)
  echo "$((WIN_X + left + width / 2)) $((WIN_Y + top + height / 2))"
}

# Clicks mouse button $5 (1: left, 3: right) at the centre of the
# rectangle $1..$4 in dialog units.
click_du() {
  local point
  point=$(du_centre "$1" "$2" "$3" "$4")
  xdotool mousemove ${point% *} ${point#* } click "${5:-1}"
}

# Saves the screen's part under the rectangle $1..$4 (dialog units) to $5.
grab_du() {
  local left top width height
  left=$(mul_div "$1" "$BASE_X" 4); width=$(mul_div "$3" "$BASE_X" 4)
  top=$(mul_div "$2" "$BASE_Y" 8); height=$(mul_div "$4" "$BASE_Y" 8)
  import -window root -crop "${width}x${height}+$((WIN_X + left))+$((WIN_Y + top))" +repage "$5"
}

# Waits until at least $3 pixels of the rectangle $4..$7 (dialog units)
# differ from the picture $1 taken of it before; keeps the last picture in
# $2. Fails after $8 seconds (default 10).
wait_region_changed() {
  local changed
  poll_until "${8:-10}" region_changed "$@" && return 0
  echo "only ${changed:-0} pixels changed, $3 expected" >&2
  return 1
}
# One look of wait_region_changed; sets changed.
region_changed() {
  grab_du "$4" "$5" "$6" "$7" "$2"
  changed=$(compare -metric AE -fuzz 15% "$1" "$2" null: 2>&1 | awk '{ printf "%d", $1 }' || true)
  [ "${changed:-0}" -ge "$3" ]
}

# The visible windows, one id a line, sorted.
visible_windows() {
  xdotool search --onlyvisible --name '' 2>/dev/null | sort
}

# Waits for a visible window not among $1 (a list from visible_windows),
# such as a menu or a drop-down list that just opened; prints its id.
wait_new_window() {
  local found_window
  poll_until "${2:-10}" new_window_shown "$1" || return 1
  echo "$found_window"
}
new_window_shown() {
  found_window=$(comm -13 <(echo "$1") <(visible_windows) | head -n 1)
  [ -n "$found_window" ]
}

# Waits until window $1 is no longer visible.
wait_hidden() {
  poll_until "${2:-10}" window_hidden "$1"
}
window_hidden() { ! visible_windows | grep -qx "$1"; }
