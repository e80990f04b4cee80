# Nothing was written where the save was refused.
set -euo pipefail
cd "$1"
[ "$(cat notes.txt)" = "some notes" ] || { echo "files-errors: notes.txt changed"; exit 1; }
