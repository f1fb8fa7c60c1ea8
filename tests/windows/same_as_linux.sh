#!/usr/bin/env bash
# Runs the Linux build's programs and the Windows build's (under wine) on the
# same data and fails on any difference: code page 932 for every code, and
# kelvor-cli check, diff, export and import on the demo table (what they
# print, CR LF read as LF, and the files they write, byte for byte).
#   same_as_linux.sh LINUX_BUILD WINDOWS_BUILD WINE
set -euo pipefail
linux=$(cd "$1" && pwd) windows=$(cd "$2" && pwd) wine=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$linux/tests/table/cp932_table_dump" >"$work/cp932-linux"
"$wine" "$windows/tests/table/cp932_table_dump.exe" | tr -d '\r' >"$work/cp932-windows"
diff "$work/cp932-linux" "$work/cp932-windows" | head -20  # fails the script on any difference
echo "code page 932: the same answers for all $(wc -l <"$work/cp932-linux") codes and characters"

# The demo game, and unit 3 as a single-unit file with field 8 changed.
"$linux/tools/kelvor_demo_data" game "$work/game" >/dev/null
"$linux/cli/kelvor-cli" export "$work/game/weapon.dat" 3 -o "$work/unit3.kmv" >/dev/null
LC_ALL=C awk 'BEGIN { FS = OFS = "," } { $10 = "200"; printf "%s", $0 }' "$work/unit3.kmv" >"$work/game/edited.kmv"

# A command in the side's copy of the game folder; what it prints and its
# exit code go to files there.
run() {
  local side=$1 name=$2 cli=("$linux/cli/kelvor-cli") status=0
  shift 2
  [ "$side" = windows ] && cli=("$wine" "$windows/cli/kelvor-cli.exe")
  (cd "$work/$side" && "${cli[@]}" "$@" >"$name.out" 2>"$name.err") || status=$?
  sed -i 's/\r$//' "$work/$side/$name.out" "$work/$side/$name.err"
  echo "$status" >"$work/$side/$name.status"
}
for side in linux windows; do
  cp -r "$work/game" "$work/$side"
  run "$side" check check weapon.dat
  run "$side" check-json check --json weapon.dat
  run "$side" export export weapon.dat 60
  run "$side" export-out export weapon.dat 3 -o unit3.kmv
  run "$side" import import weapon.dat edited.kmv
  run "$side" diff diff weapon.org weapon.dat
  run "$side" diff-json diff --json weapon.org weapon.dat
done
diff -r "$work/linux" "$work/windows" | head -40
grep -q '"field":8' "$work/linux/diff-json.out"  # the import changed unit 3
echo "kelvor-cli check, diff, export, import: the same output and bytes on Linux and Windows"
