#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the fuzzers' short runs,
# then the test suite, whose summary closes the output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j2
bash fuzz/run.sh
cd build
ctest --output-on-failure -j2 --timeout 300
