# After the documents script: com.ini created with CR LF lines, and the renders written.
set -euo pipefail
work=$1
printf '0\r\n1\r\n1\r\n' | cmp - "$work/config/com.ini"
for image in max.png max-plot.png normal-plot.png; do
  [ -s "$work/$image" ] || { echo "missing $image"; exit 1; }
done
