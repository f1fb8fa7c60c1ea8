#!/usr/bin/env bash
# Installs the built program into a temporary prefix whose path holds a
# space, as a user's home folder may, and checks what is installed: the
# program and the command-line tool run (the tool exports a unit and imports
# it back), the desktop entry is valid and
# starts that program with the installed icon, and the icon is there in
# every theme size, and the file types of tables and single-unit files are
# known.
# Usage: install_check.sh <cmake> <build folder> <app id> <version> <icon size>...
set -euo pipefail
cmake=$1
build=$2
id=$3
version=$4
shift 4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/my apps"
fail() { echo "FAIL: $*"; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install to a temporary prefix"

program="$prefix/bin/Kelvor"
[ -x "$program" ] || fail "no executable bin/Kelvor"
said=$("$program" --version) || fail "the installed bin/Kelvor does not run"
[ "$said" = "Kelvor $version" ] || fail "bin/Kelvor --version said '$said', not 'Kelvor $version'"

tool="$prefix/bin/kelvor-cli"
[ -x "$tool" ] || fail "no executable bin/kelvor-cli"
said=$("$tool" --version) || fail "the installed bin/kelvor-cli does not run"
[ "$said" = "kelvor-cli $version" ] || fail "bin/kelvor-cli --version said '$said', not 'kelvor-cli $version'"

# The installed tool exports a unit and imports it back into a table in the
# folder with a space: the table comes back byte for byte, the replaced one
# set aside as weapon.org.
tables="$work/my tables"
mkdir -p "$tables"
# Every field 00000000: a number, and the code of movement class なし.
{ printf 'heading\r\nheading\r\n\r\nunit,\x81\x9b'; for _ in $(seq 192); do printf ',00000000'; done; printf '\r\n'; } >"$tables/weapon.dat"
cp "$tables/weapon.dat" "$work/table.before"
(cd "$tables" && "$tool" export weapon.dat 1 >/dev/null) || fail "kelvor-cli export of unit 1"
"$tool" import "$tables/weapon.dat" "$tables/unit0001.kmv" >/dev/null || fail "kelvor-cli import of unit0001.kmv"
cmp -s "$tables/weapon.dat" "$work/table.before" && cmp -s "$tables/weapon.org" "$work/table.before" ||
  fail "kelvor-cli export and import did not give the table back with weapon.org beside it"

entry="$prefix/share/applications/$id.desktop"
[ -f "$entry" ] || fail "no desktop entry share/applications/$id.desktop"
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qFx "Exec=\"$program\" %f" "$entry" || fail "the entry does not start the installed program with a file: $(grep '^Exec=' "$entry")"

# The file types: the package is valid to the MIME database, which then
# knows both types, and the entry offers the program for them.
mime="$prefix/share/mime"
[ -f "$mime/packages/$id.xml" ] || fail "no MIME package share/mime/packages/$id.xml"
report=$(XDG_DATA_DIRS="$prefix/share" update-mime-database "$mime" 2>&1) || fail "update-mime-database: $report"
[ -z "$report" ] || fail "update-mime-database: $report"
for type in x-halvane-unit-table x-halvane-unit; do
  [ -f "$mime/application/$type.xml" ] || fail "the MIME database has no type application/$type"
  grep -q "^MimeType=.*application/$type;" "$entry" || fail "the entry does not offer the program for application/$type"
done
icon=$(sed -n 's/^Icon=//p' "$entry")
[ "$icon" = "$id" ] || fail "the entry names the icon '$icon', not '$id'"

for size in "$@"; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png"
  [ -f "$png" ] || fail "no icon ${size}x${size}/apps/$icon.png"
  # The PNG signature, the IHDR chunk, then width and height as 32-bit
  # big-endian numbers.
  header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
  [ "${header:0:16}" = 89504e470d0a1a0a ] && [ "${header:24:8}" = 49484452 ] ||
    fail "${size}x${size}/apps/$icon.png is not a PNG picture"
  width=$((16#${header:32:8}))
  height=$((16#${header:40:8}))
  [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] ||
    fail "${size}x${size}/apps/$icon.png is ${width}x${height}"
done
echo "PASS: installed program, command-line tool, desktop entry and icons in sizes $*"
