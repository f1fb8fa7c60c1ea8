#!/bin/sh
# Writes the seed corpus of the table fuzzer into fuzz/corpus (a tiny table
# with headings and two unit lines of 194 fields, and a few odd texts) and
# that of the single-unit file fuzzer into fuzz/unitfile_corpus, and small
# bitmap files of every kind the picture panel reads into fuzz/bitmap_corpus.
set -eu
out="$(dirname "$0")/corpus"
files="$(dirname "$0")/unitfile_corpus"
bitmaps="$(dirname "$0")/bitmap_corpus"
mkdir -p "$out" "$files" "$bitmaps"

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

# Bitmaps. le BYTES NUMBER writes the number little-endian.
le() {
  n=$2
  for _ in $(seq "$1"); do printf "\\$(printf %03o $((n & 255)))"; n=$((n >> 8)); done
}
# bmp NAME WIDTH HEIGHT BITS COMPRESSION HEADER EXTRA PIXELS: a file header,
# an info header of HEADER bytes (40 or more), EXTRA (a palette, or masks:
# after a 40-byte header, inside a longer one) and PIXELS, as printf formats.
bmp() {
  extra=$(printf "$7" | wc -c)
  pixels=$(printf "$8" | wc -c)
  after=$extra
  if [ "$6" -gt 40 ]; then after=0; fi
  {
    printf BM; le 4 $((14 + $6 + after + pixels)); le 4 0; le 4 $((14 + $6 + after))
    le 4 "$6"; le 4 "$2"; le 4 "$3"; le 2 1; le 2 "$4"; le 4 "$5"; le 4 "$pixels"; le 4 2835; le 4 2835
    le 4 0; le 4 0
    printf "$7"; head -c $(($6 - 40 + after - extra)) /dev/zero
    printf "$8"
  } > "$bitmaps/$1"
}
grey2='\0\0\0\0\377\377\377\0'
grey16=$(for i in $(seq 0 15); do printf '\\%03o\\%03o\\%03o\\0' $((i * 16)) $((i * 16)) $((i * 16)); done)
bmp rgb24.bmp 3 2 24 0 40 '' '\1\2\3\4\5\6\7\10\11\0\0\0\11\10\7\6\5\4\3\2\1\0\0\0'
bmp rgb24_top_down.bmp 3 -2 24 0 40 '' '\1\2\3\4\5\6\7\10\11\0\0\0\11\10\7\6\5\4\3\2\1\0\0\0'
bmp mono.bmp 9 2 1 0 40 "$grey2" '\125\200\0\0\252\0\0\0'
bmp rle4.bmp 5 3 4 2 40 "$grey16" '\3\022\0\0\0\5\123\105\300\0\0\0\0\2\1\1\2\377\0\1'
bmp rle8.bmp 4 3 8 1 40 "$grey16" '\6\5\0\0\0\3\1\2\3\0\0\0\1\7\0\1'
bmp mask565.bmp 2 2 16 3 40 '\0\370\0\0\340\7\0\0\37\0\0\0' '\377\377\340\7\37\0\0\370'
bmp mask101010_v4.bmp 2 1 32 3 108 '\0\0\360\77\0\374\17\0\377\3\0\0' '\377\377\377\77\0\2\10\40'
