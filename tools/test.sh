#!/bin/sh
# Installs what is missing, builds every program and test (plain, and under AddressSanitizer and
# UndefinedBehaviorSanitizer), and runs every test. The real-window tests start their own X server.
set -eu
cd "$(dirname "$0")/.."
JOBS=$(nproc 2>/dev/null || echo 2)

sh tools/setup.sh --tests

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$JOBS"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DARCADE_SANITIZE=ON -DARCADE_WINDOW_TESTS=OFF -DARCADE_BENCHMARKS=OFF
cmake --build build-sanitize -j"$JOBS"

echo "== headless, real-window and benchmark tests =="
(cd build && ctest --output-on-failure)
echo "== headless tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
(cd build-sanitize && ctest --output-on-failure -L headless)
