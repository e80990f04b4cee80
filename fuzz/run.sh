#!/usr/bin/env bash
# Builds the fuzzers with clang in their own folder and runs each one for a short while
# (TOLVENAR_FUZZ_SECONDS, 30 by default). Any crash, leak or undefined behaviour fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVENAR_FUZZ_BUILD:-$root/build-fuzz}
seconds=${TOLVENAR_FUZZ_SECONDS:-30}
cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 > /dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in afc_fuzz table_fuzz; do
  corpus="$work/${target}_corpus"
  mkdir "$corpus"
  cp "$root/fuzz/corpus/${target%_fuzz}"/* "$corpus"/
  if ! (cd "$work" && "$build/$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
        -max_len=70000 "$corpus" > "$work/$target.log" 2>&1); then
    tail -n 60 "$work/$target.log"
    echo "fuzz/$target: failed (the input that failed is in the log above)"
    exit 1
  fi
  echo "fuzz/$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$work/$target.log" | tail -n 1)"
done
