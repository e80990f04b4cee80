set -euo pipefail
source "$(dirname "$0")/small-disk.sh"
cd "$1"
md5sum --check --quiet before.md5 || { echo "disk-full: a file changed"; exit 1; }
grep -qx "tolvenar: cannot write $1/disk/config/com.ini: No space left on device" err.txt ||
  { echo "disk-full: com.ini's failure was not reported"; cat err.txt; exit 1; }
check_no_leftovers "$1"
