#!/usr/bin/env bash
# Runs one end-to-end script through the program in a private folder and checks its output.
# usage: run-script.sh PROGRAM SCRIPT.tlv
# A setup that cannot run here prints why and exits 77 (the test counts as skipped); one that
# mounts a file system adds its unmount to the array cleanups, which runs even on failure.
set -euo pipefail
program=$1
script=$2
base=${script%.tlv}
work=$(mktemp -d)
cleanups=()
trap 'for step in "${cleanups[@]}"; do eval "$step" || true; done; rm -rf --one-file-system "$work"' EXIT
mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" TOLVENAR_CONFIG_DIR="$work/config" QT_QPA_PLATFORM=offscreen
export WORK="$work" TOLVENAR_E2E_DIR=$(dirname "$script")
cd "$work"
# <name>.setup prepares the folder (a settings file, say) before the program starts.
[ -f "$base.setup" ] && source "$base.setup"
status=0
# <name>.args holds options given after the script's name. A program that hangs fails the test
# with status 124.
args=()
[ -f "$base.args" ] && read -r -a args < "$base.args"
timeout -k 5 60 "$program" --script "$script" "${args[@]}" > "$work/out.txt" 2> "$work/err.txt" || status=$?
expected_status=0
[ -f "$base.status" ] && expected_status=$(cat "$base.status")
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"; cat "$work/out.txt" "$work/err.txt"; exit 1
fi
if [ -f "$base.expected" ]; then
  # The start-up date changes every day, the private folder and a download's duration every run.
  sed -E -e 's/[0-9]{4}-[0-9]{2}-[0-9]{2}/YYYY-MM-DD/' -e "s|$work|WORK|g" \
    -e 's/^(download = .*) in [0-9]+\.[0-9] s$/\1 in N.N s/' "$work/out.txt" > "$work/out.norm"
  diff -u "$base.expected" "$work/out.norm"
fi
if [ -f "$base.sh" ]; then
  bash "$base.sh" "$work"
fi
echo "$(basename "$script"): passed"
