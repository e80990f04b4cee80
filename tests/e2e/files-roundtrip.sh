# The three files hold the 6000 points: the AFC file ends with its end record, the PRN file is
# the CSV file with tabs, and the AFC values, as the program writes them in seven digits, are
# the CSV values (the line layout is the unit tests').
set -euo pipefail
cd "$1"
fail() { echo "files-roundtrip: $*"; exit 1; }
[ "$(stat -c %s wave.afc)" = 24004 ] || fail "wave.afc is not 4 x (6000 + 1) bytes"
[ "$(tail -c 4 wave.afc | od -An -tx1 | tr -d ' \n')" = "00c07944" ] || fail "wave.afc does not end 00 C0 79 44"
cmp <(tr '\t' ',' < wave.prn) wave.csv || fail "wave.prn differs from wave.csv by more than the separator"
head -c 24000 wave.afc | od -An -v -tf4 -w4 |
  awk '{ v = $1 + 0; printf "%s%.6E\n", (v >= 0 ? "+" : ""), v }' > afc.txt
tr '\r' '\n' < wave.csv | cut -d, -f2 > csv.txt
cmp afc.txt csv.txt || fail "wave.afc and wave.csv hold different values"
