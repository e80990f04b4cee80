# Every label of the printed page stands at its position in twips (1/1440 inch) from the corner
# of the printable area, which Qt's PDF printer puts 10 pt inside the page; the caption is bold.
set -euo pipefail
cd "$1"
pdfinfo page.pdf | grep -q '^Pages: *1$' || { echo "files-print: not one page"; exit 1; }
pdfinfo page.pdf | grep -q '^Page size: *842 x 595 pts' || { echo "files-print: not landscape A4"; exit 1; }
pdftotext -bbox page.pdf - | awk -F'"' '/<word / {
    x = ($2 - 10) * 20; y = ($4 - 10) * 20; sub(/^>/, "", $9); sub(/<.*/, "", $9)
    printf "%s %.0f %.0f\n", $9, x, y }' > words.txt
{ printf '%s 14600 %s\n' 5.000 1000 3.750 1825 2.500 2770 1.250 3660 0.000 4745 -1.250 5770 -2.500 6670 \
    -3.750 7600 -5.000 8600
  printf '%s %s 8900\n' 1 1000 1638 2150 3277 3400 4915 4650 6554 6100 8192 7400 9830 8700 11469 9900 \
    13107 11200 14746 12600 16383 13800; } > labels.txt
diff labels.txt <(grep -v -e '^V ' -e '^sine.prn ' words.txt) ||
  { echo "files-print: a label is out of place"; exit 1; }
pdffonts page.pdf | grep -q Bold || { echo "files-print: no bold caption"; exit 1; }
