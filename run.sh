#!/usr/bin/env bash
# Builds lumvex and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target lumvex -j"$(nproc)"
exec build/lumvex
