# What every real-window test sets up: a scratch folder with a profile of
# its own, the virtual display, the editor started and its window focused,
# and everything ended and removed on exit. Source it; it brings the
# display helpers of scripts/lib/xvfb.sh and changes nothing by itself.

. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"

# Makes $work (removed on exit) with an empty profile in it, the artifact
# folder $artifacts, and starts the virtual display. Processes whose ids are added to $session_pids, and the
# editor ($app_pid), are ended on exit.
session_begin() {
  mkdir -p "$artifacts"
  work=$(mktemp -d)
  session_pids=
  trap session_end EXIT
  mkdir -p "$work/config/orvan"
  export XDG_CONFIG_HOME="$work/config"
  xvfb_start
}

session_end() {
  local pid
  for pid in ${app_pid:-} ${session_pids:-}; do kill "$pid" 2>/dev/null || true; done
  xvfb_stop
  rm -rf "$work"
}

# The profile names folder $1 as the last one used: File › Open offers it.
remember_folder() {
  printf '[InitData]\nLastDir=%s/\n' "$1" > "$work/config/orvan/Kelvor.conf"
}

# Writes the demo game folder with generator $1 to $work/game, sets game to
# it and makes it the folder File › Open offers.
demo_game_folder() {
  game="$work/game"
  "$1" game "$game" >/dev/null
  remember_folder "$game"
}

# Writes a small table to file $1: two heading lines, a blank line and a unit
# line of 194 fields for each further argument, named by it.
write_test_table() {
  local file=$1 name
  shift
  mkdir -p "$(dirname "$file")"
  {
    printf '; test table\r\nname,kind\r\n\r\n'
    for name in "$@"; do
      printf '%s,\x81\x9b' "$name"
      for _ in $(seq 2 193); do printf ',1'; done
      printf '\r\n'
    done
  } > "$file"
}

# Starts the editor $1, waits for the unit form and gives it the focus.
# Sets app_pid and main (the window's id).
start_editor() {
  "$1" &
  app_pid=$!
  main=$(wait_window 'Halvane' 30) || { echo "FAIL: the unit form did not appear"; exit 1; }
  focus_window "$main"
  sleep 0.5
}

# File › Open with the keyboard, Enter on the table the dialog offers, and
# waits until the dialog has closed.
open_offered_table() {
  xdotool key --clearmodifiers alt+f; sleep 0.3; xdotool key o
  wait_window '兵器データ' 15 >/dev/null || { echo "FAIL: the Open dialog did not appear"; exit 1; }
  sleep 0.5
  xdotool key Return
  wait_window_gone '兵器データ' 15 || { echo "FAIL: the Open dialog did not close"; exit 1; }
}
