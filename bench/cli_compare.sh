#!/usr/bin/env bash
# kelvor-cli from start to finished output, beside daff (a general-purpose
# table diff and merge from the npm registry) on the same 32 MiB generated
# tables, converted to UTF-8 CSV for daff. Prints the wall time, the
# processor time (user and system, all threads) and the peak memory of each
# command, the run of median wall time of several (daff: one run).
# daff is installed by this script into a temporary folder: it is no
# dependency of Kelvor.
#
#   bench/cli_compare.sh [BUILD]   BUILD: a Release build (default build/bench)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/bench}" && pwd)
cli="$build/cli/kelvor-cli"
runs=7

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The large table; one field changed in every hundredth unit (ours), another
# in other units (theirs); one line removed. awk keeps every other byte.
"$build/tools/kelvor_demo_data" table base.dat $((32 * 1024 * 1024)) >/dev/null
LC_ALL=C awk -F, -v OFS=, 'NR % 100 == 51 { $9 = "1" } { print }' base.dat >ours.dat
LC_ALL=C awk -F, -v OFS=, 'NR % 100 == 76 { $25 = "10" } { print }' base.dat >theirs.dat
LC_ALL=C awk 'NR != 1001' base.dat >shorter.dat
mkdir out
for t in base ours theirs; do iconv -f CP932 -t UTF-8 "$t.dat" >"$t.csv"; done

# One command: wall time, processor time and peak memory of the run of
# median wall time of `count` runs, and the least wall time of them (a run
# the rest of the machine left alone). GNU time's own clock counts
# hundredths only, so the wall time is taken around it.
measure() {
  local count=$1
  shift
  for _ in $(seq "$count"); do
    local start end
    start=$(date +%s%N)
    /usr/bin/time -q -f '%e %U %S %M' -o usage.txt "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo "$(((end - start) / 1000000)) $(cat usage.txt)"
  done | sort -n | awk -v n="$count" 'NR == 1 { least = $1 } NR == int((n + 1) / 2) {
    printf "%7d ms wall (least %d) %7d ms cpu %5d MiB\n", $1, least, ($3 + $4) * 1000, $5 / 1024 }'
}

row() {
  local name=$1
  shift
  printf '%-46s %s\n' "$name" "$(measure "$@")"
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
row "reading the table once (cat)" "$runs" cat base.dat
row "kelvor-cli check" "$runs" "$cli" check base.dat
row "kelvor-cli diff, every 100th unit edited" "$runs" "$cli" diff base.dat ours.dat
row "kelvor-cli diff, one line removed" "$runs" "$cli" diff base.dat shorter.dat
row "kelvor-cli merge -o (saved safely)" "$runs" "$cli" merge base.dat ours.dat theirs.dat -o out/weapon.dat
row "kelvor-cli text" "$runs" "$cli" text base.dat

mkdir npm
npm install --silent --no-audit --no-fund --prefix "$work/npm" daff@^1.4 >/dev/null
daff="$work/npm/node_modules/.bin/daff"
row "daff diff (UTF-8 CSV), every 100th unit edited" 1 "$daff" diff --output diff.csv base.csv ours.csv
row "daff merge (UTF-8 CSV)" 1 "$daff" merge base.csv ours.csv theirs.csv
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
