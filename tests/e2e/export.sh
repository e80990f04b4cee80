# The pictures as a viewer finds them: a PNG 1600 pixels wide and an SVG drawing with the caption
# as its title; nothing was written where the export was refused.
set -euo pipefail
cd "$1"
file wave.png | grep -q 'PNG image data, 1600 x 1032' || { echo "export: $(file wave.png)"; exit 1; }
grep -q '<title>Untitled Waveform Data 1</title>' wave.svg || { echo "export: wave.svg has no title"; exit 1; }
[ ! -e wave.gif ] && [ -z "$(ls -A folder.svg)" ] || { echo "export: a refused export left a file"; exit 1; }
