#!/usr/bin/env bash
# "tolvenar send" and "tolvenar identify": exit 0 only when the instrument took the whole
# waveform (or answered), 1 with the reason on standard error when it did not, 2 for arguments
# that do not read.
# usage: link_command_test.sh PROGRAM INSTRUMENT
set -uo pipefail
program=$1 instrument=$2
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export TOLVENAR_CONFIG_DIR="$work/config"
cd "$work"
serve() { # serve NAME OPTIONS...: a virtual instrument; its device in $work/NAME.dev
  local name=$1; shift
  "$instrument" --log "$work/$name.log" --csv-dir "$work/$name" "$@" > "$work/$name.dev" &
  for _ in $(seq 50); do [ -s "$work/$name.dev" ] && break; sleep 0.1; done
  mkdir -p "$work/$name"
}
expect() { # expect STATUS STDERR-PATTERN COMMAND...
  local status=$1 pattern=$2; shift 2
  "$program" "$@" > out.txt 2> err.txt; local got=$?
  [ "$got" = "$status" ] && grep -q -- "$pattern" err.txt out.txt ||
    { echo "tolvenar $*: exit $got, wanted $status and /$pattern/"; cat out.txt err.txt; exit 1; }
}
printf '0,1.5\n1,-2.5\n2,4.5\n' > wave.csv
serve line; serve adapter --adapter --address 9; serve silent --fault silent; serve cut --fault disconnect=3

expect 0 "3 values sent to CH 2" send wave.csv --channel 2 --serial "$(cat line.dev)" --baud 19200
[ "$(tr '\r' '\n' < line/ch2.csv | cut -c1-18 | paste -sd' ')" = "+0.000000E+00,+1.4 +1.000000E+00,-2.5 +2.000000E+00,+4.5" ] ||
  { echo "the instrument got:"; cat line/ch2.csv; exit 1; }
expect 0 "3 values sent to CH 1" send wave.csv --adapter "$(cat adapter.dev)"
expect 0 "KTR6610/2 answers on the GPIB-USB adapter" identify --adapter "$(cat adapter.dev)" --address 9
expect 1 "No instruments found" send wave.csv --serial "$(cat silent.dev)"
expect 1 "did not receive the whole waveform" send wave.csv --serial "$(cat cut.dev)"
expect 1 "Cannot open" send missing.csv --serial "$(cat line.dev)"
expect 2 "name one link" send wave.csv
expect 2 "name one link" identify --serial a --adapter b
expect 2 "--channel takes 1 or 2" send wave.csv --channel 3 --serial x
echo "link commands: passed"
