set -euo pipefail
grep -q "cannot write /proc/tolvenar-unwritable/com.ini" "$1/err.txt"
