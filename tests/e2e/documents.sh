# After the documents script: com.ini created with CR LF lines.
set -euo pipefail
work=$1
printf '0\r\n1\r\n1\r\n' | cmp - "$work/config/com.ini"
