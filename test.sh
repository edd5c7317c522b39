#!/usr/bin/env bash
# Builds lumvex and runs every test: unit, widget (offscreen) and end-to-end (own Xvfb) tests,
# once in a normal build and once under AddressSanitizer and UndefinedBehaviorSanitizer, then
# the clipboard fuzzer for a bounded time.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
jobs=$(nproc)

echo "== build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
echo "== tests"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== sanitizer build (clang, ASan + UBSan)"
CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DLUMVEX_SANITIZE=ON \
    -DLUMVEX_BUILD_BENCH=OFF -DLUMVEX_BUILD_FUZZER=ON >/dev/null
cmake --build build-asan -j"$jobs"
echo "== tests under sanitizers"
ctest --test-dir build-asan --output-on-failure -j"$jobs"
