# The save at exit wrote the waveform.
set -euo pipefail
[ "$(stat -c %s "$1/kept.afc")" = $(( 4 * 2001 )) ]
