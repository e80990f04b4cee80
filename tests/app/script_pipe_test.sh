#!/usr/bin/env bash
# Another program drives the script driver through a pipe, one line at a time: each line's answer
# must arrive before the next line is sent, inside a modal dialog too, and the program ends when
# the frame closes.
# usage: script_pipe_test.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" TOLVENAR_CONFIG_DIR="$work/config" QT_QPA_PLATFORM=offscreen
cd "$work"
coproc TLV { exec "$program" --script - 2> "$work/err.txt"; }
# Bash drops TLV and TLV_PID once the program ends: keep the pid and copies of the pipes.
pid=$TLV_PID
exec {to}>&"${TLV[1]}" {from}<&"${TLV[0]}"

# ask LINE [ANSWER...]: sends LINE, then reads one line for each ANSWER and compares them.
ask() {
  local line=$1 expected got
  shift
  printf '%s\n' "$line" >&"$to"
  for expected in "$@"; do
    if ! IFS= read -r -t 10 got <&"$from"; then
      echo "no answer to \"$line\" within 10 s; expected: $expected"; cat "$work/err.txt"; exit 1
    fi
    if [ "$got" != "$expected" ]; then
      echo "\"$line\" answered: $got"; echo "expected: $expected"; exit 1
    fi
  done
}

ask 'menu mnuNew'
ask 'menu mnuSine' 'dialog open New Segment'
ask 'echo in the dialog' 'in the dialog'
ask 'click cmdOK' 'dialog closed New Segment'
ask 'answer cancel'
ask 'window close' 'message TLV | Save changes to Untitled Waveform Data 1? | Yes No Cancel | information -> Cancel'
ask 'frame close' 'message Tolvenar | Save changes to Untitled Waveform Data 1? | Yes No Cancel | information -> No (unanswered)'
exec {to}>&-
status=0
wait "$pid" || status=$?
[ "$status" = 0 ] || { echo "exit status $status"; cat "$work/err.txt"; exit 1; }
echo "script_pipe_test: passed"
