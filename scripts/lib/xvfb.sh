# Shell helpers for driving the editor in a real X window on a virtual
# display: start Xvfb, wait for a window, take a screenshot, clean up.
# Source this file; it defines functions and changes nothing by itself.

# Starts Xvfb on the first free display number and exports DISPLAY.
# Sets XVFB_PID. Screen size fits the fixed-size unit form comfortably.
xvfb_start() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
      Xvfb ":${n}" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
      XVFB_PID=$!
      export DISPLAY=":${n}"
      local i
      for i in $(seq 1 100); do
        if xdpyinfo >/dev/null 2>&1; then return 0; fi
        if ! kill -0 "$XVFB_PID" 2>/dev/null; then break; fi
        sleep 0.1
      done
      kill "$XVFB_PID" 2>/dev/null || true
    fi
  done
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
