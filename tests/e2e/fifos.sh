set -euo pipefail
cd "$1"
[ -p config/com.ini ] && [ -p config/recent-files ] && [ -p fifo.csv ] && [ -p fifo.afc ] &&
  [ -p fifo.pdf ] && [ -S socket.prn ] || { echo "fifos: a FIFO or the socket was replaced"; exit 1; }
diff - err.txt <<END || { echo "fifos: the refusals of com.ini and the list are not as expected"; exit 1; }
tolvenar: $1/config/com.ini: it is a FIFO, not a plain file
tolvenar: $1/config/recent-files: it is a FIFO, not a plain file
tolvenar: cannot write $1/config/com.ini: it is a FIFO, not a plain file
END
