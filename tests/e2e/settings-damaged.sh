set -euo pipefail
printf '2\r\n1\r\n1\r\n' | cmp - "$1/config/com.ini"
