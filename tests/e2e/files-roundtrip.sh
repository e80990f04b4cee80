# The three files hold the 6000 points in their byte layouts, and each window shows the same points.
set -euo pipefail
cd "$1"
fail() { echo "files-roundtrip: $*"; exit 1; }
n=6000
[ "$(stat -c %s wave.afc)" = $((4 * (n + 1))) ] || fail "wave.afc is not 4 x (N + 1) bytes"
[ "$(tail -c 4 wave.afc | od -An -tx1 | tr -d ' \n')" = "00c07944" ] || fail "wave.afc does not end 00 C0 79 44"
for f in wave.csv wave.prn; do
  [ "$(stat -c %s $f)" = $((28 * n)) ] || fail "$f is not 28 bytes a line"
  [ "$(tr -cd '\n' < $f | wc -c)" = 0 ] || fail "$f holds a line feed"
  [ "$(tr -cd '\r' < $f | wc -c)" = $n ] || fail "$f does not end each line with a carriage return"
done
if grep -Eqv '^[+][0-9][.][0-9]{6}E[+-][0-9]{2},[+-][0-9][.][0-9]{6}E[+-][0-9]{2}$' <(tr '\r' '\n' < wave.csv); then
  fail "a line of wave.csv does not have the layout"
fi
head -c 84 wave.csv | tr '\r' '\n' | cut -d, -f1 | tr '\n' ' ' | grep -qx '+0.000000E+00 +1.000000E+00 +2.000000E+00 ' ||
  fail "the index column of wave.csv is wrong"
cmp <(tr '\t' ',' < wave.prn) wave.csv || fail "wave.prn differs from wave.csv by more than the separator"
# The AFC values, as the program writes them in seven digits, are the CSV values.
head -c $((4 * n)) wave.afc | od -An -v -tf4 -w4 | awk '{ v = $1 + 0; printf "%s%.6E\n", (v >= 0 ? "+" : ""), v }' > afc.txt
tr '\r' '\n' < wave.csv | cut -d, -f2 > csv.txt
cmp afc.txt csv.txt || fail "wave.afc and wave.csv hold different values"
