# The instrument saw the probe, the channel and the download in order, at 19200,n,8,2, and its
# ch2.csv holds the document within one 12-bit step (10 V / 4095).
set -euo pipefail
cd "$1"
fail() { echo "instrument-download: $*"; cat log.jsonl; exit 1; }
for _ in $(seq 100); do grep -q '"event":"exit"' log.jsonl && break; sleep 0.1; done
commands=$(grep '"event":"command"' log.jsonl | sed -E 's/.*"raw":"([^"]*)".*/\1/' | tr '\n' ' ')
[ "$commands" = 'A0?\r\n F1\r\n A4\r\n A4\r\n F1\r\n G0\r\n V0X\r\n EE0\r\n V21000\r\n A4\r\n ' ] ||
  fail "commands were: $commands"
grep '"command":"A0?"' log.jsonl | grep -q '"line":"19200,n,8,2"' || fail "the line was not set to 19200,n,8,2"
paste -d, <(tr '\r' '\n' < doc.csv) <(tr '\r' '\n' < out/ch2.csv) | awk -F, '
  $1 != $3 { print "point " NR - 1 ": index " $1 " against " $3; bad = 1 }
  { d = $4 - $2; if (d < 0) d = -d; if (d > 10 / 4095) { print "point " $1 ": " $2 " V sent as " $4 " V"; bad = 1 } }
  END { exit bad }' || fail "the received waveform differs from the document"
