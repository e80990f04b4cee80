# The file the refused overwrite protected is untouched; the save at exit wrote the waveform.
set -euo pipefail
cd "$1"
[ "$(cat taken.afc)" = "an older file" ]
[ "$(stat -c %s kept.afc)" = $(( 4 * 2001 )) ]
