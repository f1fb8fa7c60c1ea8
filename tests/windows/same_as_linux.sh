#!/usr/bin/env bash
# Runs the programs of the Linux build and of the Windows build (under
# wine) on the same data and fails on any difference: the code page 932
# conversion for every code, and kelvor-cli check, diff, export and import
# on the demo table (what they print, with CR LF read as LF; the files they
# write, byte for byte).
#   same_as_linux.sh LINUX_BUILD WINDOWS_BUILD WINE
set -euo pipefail
linux=$(cd "$1" && pwd) windows=$(cd "$2" && pwd) wine=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$linux/tests/table/cp932_table_dump" >"$work/cp932-linux.txt"
"$wine" "$windows/tests/table/cp932_table_dump.exe" | tr -d '\r' >"$work/cp932-windows.txt"
if ! cmp -s "$work/cp932-linux.txt" "$work/cp932-windows.txt"; then
  echo "code page 932: Linux (<) and Windows (>) differ:" >&2
  diff "$work/cp932-linux.txt" "$work/cp932-windows.txt" | head -20 >&2
  exit 1
fi
echo "code page 932: the same answers for all $(wc -l <"$work/cp932-linux.txt") codes and characters"

# The demo game, and a single-unit file of unit 3 with another durability
# (field 8 of the unit, after the line number).
"$linux/tools/kelvor_demo_data" game "$work/game" >/dev/null
(cd "$work/game" && "$linux/cli/kelvor-cli" export weapon.dat 3 -o "$work/unit3.kmv" >/dev/null)
LC_ALL=C awk 'BEGIN { FS = OFS = "," } { $10 = "200"; printf "%s", $0 }' "$work/unit3.kmv" >"$work/edited.kmv"

# Each command in the side's own copy of the game folder; what it prints
# and its exit code go to files beside the table.
run() {
  local side=$1 name=$2
  shift 2
  local status=0
  if [ "$side" = linux ]; then
    (cd "$work/$side" && "$linux/cli/kelvor-cli" "$@" >"$name.out" 2>"$name.err") || status=$?
  else
    (cd "$work/$side" && "$wine" "$windows/cli/kelvor-cli.exe" "$@" >"$name.out" 2>"$name.err") || status=$?
    sed -i 's/\r$//' "$work/$side/$name.out" "$work/$side/$name.err"
  fi
  echo "$status" >"$work/$side/$name.status"
}

for side in linux windows; do
  cp -r "$work/game" "$work/$side"
  cp "$work/edited.kmv" "$work/$side/"
  run "$side" check check weapon.dat
  run "$side" check-json check --json weapon.dat
  run "$side" export export weapon.dat 60
  run "$side" export-out export weapon.dat 3 -o unit3.kmv
  run "$side" import import weapon.dat edited.kmv
  run "$side" diff diff weapon.org weapon.dat
  run "$side" diff-json diff --json weapon.org weapon.dat
done

if ! diff -r "$work/linux" "$work/windows" >"$work/differences.txt"; then
  echo "kelvor-cli: Linux and Windows differ:" >&2
  head -40 "$work/differences.txt" >&2
  exit 1
fi
echo "kelvor-cli check, diff, export, import: the same output and the same bytes on Linux and Windows"
grep -q '"field":8' "$work/linux/diff-json.out"  # the import did change unit 3
