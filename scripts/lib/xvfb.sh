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

# Waits until a visible window whose title matches $1 exists; prints its id.
wait_window() {
  local pattern=$1 timeout=${2:-20} i id
  for i in $(seq 1 $((timeout * 10))); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Waits until no visible window matches $1.
wait_window_gone() {
  local pattern=$1 timeout=${2:-10} i
  for i in $(seq 1 $((timeout * 10))); do
    if ! xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

# Saves a PNG of the whole virtual screen to $1.
screenshot() {
  import -window root "$1"
}

# Gives window $1 the keyboard focus (activation needs a window manager;
# without one, focusing the window is enough).
focus_window() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
}

# Presses Escape in window $1 and waits up to 5 s for process $2 to end.
# Fails when it is still running.
escape_ends_program() {
  local win=$1 pid=$2
  focus_window "$win"
  sleep 0.3
  xdotool key Escape
  for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; return 0; }
    sleep 0.1
  done
  return 1
}

# ---- The mouse: points and regions of a window given in dialog units.

# round(a * b / c), halves away from zero, for positive numbers: how the
# program turns dialog units into pixels.
mul_div() {
  echo $(( (2 * $1 * $2 + $3) / (2 * $3) ))
}

# Measures window $1, built from a template of $2 x $3 dialog units with
# ($4 = 1) or without ($4 = 0) a menu bar over the client area. Sets
# WIN_X, WIN_Y (client area's top-left on the screen), BASE_X and BASE_Y.
measure_window() {
  local win=$1 cx=$2 cy=$3 has_menu=$4 X Y WIDTH HEIGHT SCREEN WINDOW bx by menu
  eval "$(xdotool getwindowgeometry --shell "$win")"
  BASE_X=
  for bx in $(seq 2 40); do
    if [ "$(mul_div "$cx" "$bx" 4)" -eq "$WIDTH" ]; then BASE_X=$bx; break; fi
  done
  BASE_Y=
  for by in $(seq 6 60); do
    menu=$((HEIGHT - $(mul_div "$cy" "$by" 8)))
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
  local before=$1 after=$2 least=$3 timeout=${8:-10} i changed
  for i in $(seq 1 $((timeout * 5))); do
    grab_du "$4" "$5" "$6" "$7" "$after"
    changed=$(compare -metric AE -fuzz 15% "$before" "$after" null: 2>&1 | awk '{ printf "%d", $1 }' || true)
    if [ "${changed:-0}" -ge "$least" ]; then return 0; fi
    sleep 0.2
  done
  echo "only ${changed:-0} pixels changed, $least expected" >&2
  return 1
}

# The visible windows, one id a line, sorted.
visible_windows() {
  xdotool search --onlyvisible --name '' 2>/dev/null | sort
}

# Waits for a visible window not among $1 (a list from visible_windows),
# such as a menu or a drop-down list that just opened; prints its id.
wait_new_window() {
  local before=$1 timeout=${2:-10} i id
  for i in $(seq 1 $((timeout * 10))); do
    id=$(comm -13 <(echo "$before") <(visible_windows) | head -n 1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Waits until window $1 is no longer visible.
wait_hidden() {
  local id=$1 timeout=${2:-10} i
  for i in $(seq 1 $((timeout * 10))); do
    if ! visible_windows | grep -qx "$id"; then return 0; fi
    sleep 0.1
  done
  return 1
}
