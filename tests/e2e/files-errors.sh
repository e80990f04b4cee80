# Nothing was written where the commands refused or failed.
set -euo pipefail
cd "$1"
[ ! -e gone ] || { echo "files-errors: a folder was made"; exit 1; }
[ "$(cat notes.txt)" = "some notes" ] || { echo "files-errors: notes.txt changed"; exit 1; }
[ "$(stat -c %s cut.afc)" = 14 ] || { echo "files-errors: cut.afc changed"; exit 1; }
[ "$(stat -c %s after-fh.csv)" = 84 ] || { echo "files-errors: after-fh.csv was not saved in place"; exit 1; }
