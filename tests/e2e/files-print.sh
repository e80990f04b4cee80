# Every label of the printed page stands at its position in twips (1/1440 inch) from the corner
# of the printable area, which Qt's PDF printer puts 10 pt inside the page.
set -euo pipefail
cd "$1"
pdfinfo page.pdf | grep -q '^Pages: *1$' || { echo "files-print: not one page"; exit 1; }
pdfinfo page.pdf | grep -q '^Page size: *842 x 595 pts' || { echo "files-print: not landscape A4"; exit 1; }
pdftotext -bbox page.pdf - | awk -F'"' '/<word / {
    x = ($2 - 10) * 20; y = ($4 - 10) * 20; sub(/^>/, "", $9); sub(/<.*/, "", $9)
    printf "%s %.0f %.0f\n", $9, x, y }' > words.txt
expected="5.000 14600 1000
3.750 14600 1825
2.500 14600 2770
1.250 14600 3660
0.000 14600 4745
-1.250 14600 5770
-2.500 14600 6670
-3.750 14600 7600
-5.000 14600 8600
1 1000 8900
1638 2150 8900
3277 3400 8900
4915 4650 8900
6554 6100 8900
8192 7400 8900
9830 8700 8900
11469 9900 8900
13107 11200 8900
14746 12600 8900
16383 13800 8900"
diff <(echo "$expected") <(grep -v -e '^V ' -e '^sine.prn ' words.txt) || { echo "files-print: a label is out of place"; exit 1; }
# The caption, in bold, three empty lines below the point labels at the frame's left.
awk '$1 == "sine.prn" && $2 == 1000 && $3 > 8900 + 3 * 180 && $3 < 8900 + 5 * 250 { ok = 1 } END { exit !ok }' words.txt ||
  { echo "files-print: the caption is out of place"; cat words.txt; exit 1; }
pdffonts page.pdf | grep -q Bold || { echo "files-print: no bold caption"; exit 1; }
