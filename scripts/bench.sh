#!/usr/bin/env bash
# Runs every benchmark beside its floor and prints one table of ratios.
#   scripts/bench.sh          the full run (idle cost over 10 s)
#   scripts/bench.sh --quick  a short run that only shows the benchmarks still build and run
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target enalotto_bench >/dev/null
args=(--benchmark_format=json --benchmark_repetitions=3 --benchmark_report_aggregates_only=true)
if [ "${1:-}" = "--quick" ]; then
    export ENALOTTO_BENCH_IDLE_SECONDS=1
    args=(--benchmark_format=json --benchmark_min_time=0.01)
fi
json=$(mktemp)
QT_QPA_PLATFORM=offscreen build/bench/enalotto_bench "${args[@]}" >"$json" 2>/dev/null
python3 scripts/bench_table.py "$json"
rm -f "$json"
