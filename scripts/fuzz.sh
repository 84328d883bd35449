#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) and runs each for a bounded time.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/install-deps.sh test
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for target in archive headerfile numbers val delimited json; do
    work="build-fuzz/work-$target"
    mkdir -p "$work"
    echo "== fuzz_$target for ${seconds}s"
    # New inputs go to the work folder; the seeds in the repository stay as they are.
    "build-fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/crash-$target-" "$work" "fuzz/corpus/$target" 2>&1 |
        grep -E "^#[0-9]+ *DONE|^Done|ERROR|SUMMARY|stat::number_of_executed_units" || true
    # A crash leaves an artifact; fail on it.
    if ls build-fuzz/crash-"$target"-* >/dev/null 2>&1; then
        echo "fuzz_$target found a crash:" build-fuzz/crash-"$target"-*
        exit 1
    fi
done
echo "fuzz: all targets ran clean"
