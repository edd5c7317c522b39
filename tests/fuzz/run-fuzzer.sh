#!/usr/bin/env bash
# run-fuzzer.sh <fuzzer> <seed dir> <seconds>: fuzzes a scratch copy of the seeds.
set -euo pipefail
fuzzer=$1 seeds=$2 seconds=$3
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$seeds"/* "$corpus"/
"$fuzzer" -max_total_time="$seconds" -rss_limit_mb=4096 -malloc_limit_mb=4096 -timeout=30 \
    -print_final_stats=1 "$corpus"
