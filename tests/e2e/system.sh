# The system's name on this platform is its own, never a Windows name.
set -euo pipefail
grep -qx 'OsVersionText(2) = Linux' "$1/out.txt"
