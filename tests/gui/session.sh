# What every real-window test sets up: a scratch folder with a profile of
# its own, the virtual display, the editor started and its window focused,
# and everything ended and removed on exit. Source it; it brings the
# display helpers of scripts/lib/xvfb.sh and changes nothing by itself.

. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"

# Makes $work (removed on exit) with an empty profile in it, the artifact
# folder $artifacts, and starts the virtual display. Processes whose ids are added to $session_pids, and the
# editor ($app_pid), are ended on exit. The editor speaks the language of
# the locale $session_lang (Japanese unless a test says otherwise): tests
# find its windows by their titles.
session_begin() {
  unset LC_ALL LC_MESSAGES
  export LANG=${session_lang:-C.UTF-8}
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

# Says why the test failed, keeps a screenshot named after the script in
# the artifact folder, and ends the test.
fail() {
  echo "FAIL: $*"
  screenshot "$artifacts/$(basename "$0" .sh)-failure.png" || true
  exit 1
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

# Starts the editor $1, waits for the unit form to be drawn and gives it
# the focus. Sets app_pid and main (the window's id).
start_editor() {
  screenshot "$work/screen-before-start.ppm"
  "$1" &
  app_pid=$!
  main=$(wait_window 'Halvane' 30) || fail "the unit form did not appear"
  wait_window_drawn "$main" "$work/screen-before-start.ppm" || fail "the unit form was not drawn"
  focus_window "$main" || fail "the unit form did not take the focus"
}

# Opens the File menu with the keyboard and presses $1, the key of one of
# its entries.
file_menu_key() {
  open_menu_by_key alt+f >/dev/null || fail "Alt+F did not open the File menu"
  xdotool key "$1"
}

# File › Open with the keyboard, Enter on the table the dialog offers; waits
# until the dialog has closed and the form has been drawn again with the
# table. Leaves a screenshot with the dialog open in $work/open-dialog.png.
open_offered_table() {
  open_offered_table_in "$main" "$work" || fail "File › Open of the offered table (see above)"
}

# ---- Files the editor writes.

# The identity of file $1 (inode, size, modification time), "none" while it
# does not exist: a save replaces the file, so its identity changes even
# when its bytes do not.
file_stamp() {
  stat -c '%i %s %.9Y' "$1" 2>/dev/null || echo none
}
file_not_empty() { [ -s "$1" ]; }
file_stamp_differs() { [ "$(file_stamp "$1")" != "$2" ]; }
file_holds_line() { grep -qx -- "$2" "$1" 2>/dev/null; }

# Waits until file $1 exists and is not empty.
wait_for_file() {
  poll_until "${2:-10}" file_not_empty "$1"
}

# Waits until file $1 is no longer the one file_stamp gave $2 for.
wait_file_changed() {
  poll_until "${3:-10}" file_stamp_differs "$1" "$2"
}

# Waits until file $1 holds a line matching $2 (a basic regular expression).
wait_file_line() {
  poll_until "${3:-10}" file_holds_line "$1" "$2"
}

# The editor started on the demo game folder (generator $demo_data) with its
# table opened through File › Open, the form focused and measured.
start_on_demo_table() {
  session_begin
  demo_game_folder "$demo_data"
  start_editor "$app"
  open_offered_table
  focus_window "$main" || fail "the form did not take the focus back"
  measure_window "$main" 519 315 2 || fail "the unit form has not the template's size"
}
