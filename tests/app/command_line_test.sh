#!/usr/bin/env bash
# Files named on the command line open at start-up as Open opens them: each in its own window, in
# order, with Open's messages. They join the recent files, which the next run still lists.
# usage: command_line_test.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" TOLVENAR_CONFIG_DIR="$work/config" QT_QPA_PLATFORM=offscreen
cd "$work"
run() { "$program" --script - "$@"; }

# Two waveform files, made by the program; the list starts empty afterwards.
printf '%s\n' 'menu mnuNew' 'button Toolbar2 8' 'choose a.afc' 'menu mnuSaveAs' \
  'button Toolbar2 6' 'choose b.csv' 'menu mnuSaveAs' | run > /dev/null
rm "$work/config/recent-files"

printf '%s\n' 'show windows' 'window select a.afc' 'show points 0 0' | run a.afc b.csv > out.txt
diff -u - out.txt <<END
window "a.afc" tag 1 normal
window "b.csv" tag 2 normal active
0 5 True
END

# A refused file takes no window and does not stop the files after it.
printf 'show windows\n' | run notes.txt missing.afc a.afc > out.txt
diff -u - out.txt <<END
message TLV | Cannot open $work/notes.txt: Tolvenar opens .afc, .csv and .prn files. | OK | exclamation -> OK (unanswered)
message TLV | Cannot open $work/missing.afc: No such file or directory. | OK | exclamation -> OK (unanswered)
window "a.afc" tag 1 normal active
END

# The next run lists them (a vanished one is the files-roundtrip script's).
printf 'show recent\n' | run > out.txt
diff -u - out.txt <<END
recent 1 $work/a.afc
recent 2 $work/b.csv
END
echo "command line: passed"
