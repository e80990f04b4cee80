#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the fuzzers' short runs, the
# whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/), then the
# whole suite of the ordinary build, whose summary closes the output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j2
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTOLVENAR_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer" > /dev/null
cmake --build build-asan -j2
bash fuzz/run.sh
# The first report, a leak's too, stops the program and fails its test.
(
  cd build-asan
  export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  ctest --output-on-failure -j2 --timeout 900
)
cd build
ctest --output-on-failure -j2 --timeout 300
