# The list lives in the user's configuration folder, one path a line; com.ini keeps its three lines.
set -euo pipefail
cd "$1"
printf '%s\n' "$1/three.prn" "$1/five.afc" "$1/four.afc" "$1/two.csv" | diff - config/recent-files
printf '0\r\n1\r\n1\r\n' | cmp - config/com.ini
