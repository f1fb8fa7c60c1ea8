#!/usr/bin/env bash
# Installs the built program into a temporary prefix whose path holds a
# space, as a user's home folder may, and checks what is installed: the
# program and the command-line tool run, the desktop entry is valid and
# starts that program with the installed icon, and the icon is there in
# every theme size.
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

entry="$prefix/share/applications/$id.desktop"
[ -f "$entry" ] || fail "no desktop entry share/applications/$id.desktop"
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qFx "Exec=\"$program\"" "$entry" || fail "the entry does not start the installed program: $(grep '^Exec=' "$entry")"
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
