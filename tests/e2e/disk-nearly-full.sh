set -euo pipefail
source "$(dirname "$0")/small-disk.sh"
cd "$1"
[ "$(stat -c %s disk/old.afc)" = 404 ] || { echo "disk-nearly-full: old.afc is not 404 bytes"; exit 1; }
! md5sum --check --quiet --status before.md5 2> /dev/null || { echo "disk-nearly-full: nothing was saved"; exit 1; }
[ "$(tail -c 4 disk/old.afc | od -An -tx1 | tr -d ' \n')" = 00c07944 ] ||
  { echo "disk-nearly-full: old.afc lacks its end record"; exit 1; }
printf '1\r\n1\r\n1\r\n' | cmp - disk/config/com.ini
[ ! -s err.txt ] || { echo "disk-nearly-full: unexpected errors"; cat err.txt; exit 1; }
check_no_leftovers "$1"
