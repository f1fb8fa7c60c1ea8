#!/bin/sh
# Writes the seed corpus of the table fuzzer into fuzz/corpus (a tiny table
# with headings and two unit lines of 194 fields, and a few odd texts) and
# that of the single-unit file fuzzer into fuzz/unitfile_corpus.
set -eu
out="$(dirname "$0")/corpus"
files="$(dirname "$0")/unitfile_corpus"
mkdir -p "$out" "$files"

mark=$(printf '\201\233')          # the unit-line marker
cross=$(printf '\201\176')         # a clear flag
carrier=$(printf '\212\315\215\332\213\100')  # a name whose last byte is 0x40

# One unit line of 194 fields: name, marker, then numbers, with movement
# codes in fields 25 to 30 and weapon types in 64, 84, 104, 124 and 144.
unit() {
  awk -v name="$1" -v mark="$mark" -v cross="$cross" 'BEGIN {
    line = name "," mark
    for (i = 2; i < 194; i++) {
      v = i
      if (i >= 25 && i <= 30) v = (i % 2) ? "11100000" : "00000110"
      else if (i >= 9 && i <= 18) v = (i % 3) ? mark : cross
      else if (i == 64 || i == 84 || i == 104 || i == 124 || i == 144) v = "gun" (i % 3)
      line = line "," v
    }
    printf "%s\r\n", line
  }'
}

{
  printf 'name,mark,flag\r\n'
  printf '\r\n'
  unit tank
  printf 'note,%s,x\r\n' "$cross"
  unit "$carrier"
} > "$out/table.txt"

# The same table with bare LF line ends and no line end after the last unit.
unit jeep | tr -d '\r' > "$out/bare_lf.txt"
unit jeep | head -c -2 >> "$out/bare_lf.txt"

# A unit line that ends after a few fields, one with a CR in its middle,
# and one whose last field is empty.
printf 'short,%s,a,b,c,d\r\nmid,%s,a\rb,c\r\n' "$mark" "$mark" > "$out/short.txt"
unit empty | sed 's/,193\r$/,\r/' > "$out/empty_last.txt"

# Records and replacements: the first two bytes pick a line, 0x1F ends the new line.
{ printf '\000\001new,%s,1\037' "$mark"; unit tank; unit tank; } > "$out/replace.txt"

# Letters to fold and search: ASCII, full-width, Greek and Cyrillic, and
# characters whose second byte is an ASCII letter.
printf 'Tank\202\140\203\237\204\100\203\101tANK\202\201\203\277\204\160\203\141' > "$out/letters.txt"

# Single-unit files. Alone they go into the fuzzer's built-in table (units on
# lines 3, 4 and 7); after 0x1E comes a table of their own.
unit tank | sed 's/^/3,/' > "$files/crlf.kmv"
unit tank | head -c -2 | sed 's/^/0004,/' > "$files/no_line_end.kmv"
{ unit boat | head -c -2 | sed 's/^/7,/'; printf '\r\n5,rest\r\n'; } > "$files/second_line.kmv"
unit tank | head -c -2 | sed 's/^/1,/' > "$files/heading.kmv"
unit tank | head -c -2 | sed 's/,193$/,/; s/^/3,/' > "$files/empty_last.kmv"
{ unit jeep | head -c -2 | sed 's/^/2,/'; printf '\036'; printf 'h\r\n\n'; unit old; } > "$files/own_table.kmv"
printf 'no comma here' > "$files/no_comma.kmv"
