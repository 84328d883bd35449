#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the suite itself (with the
# end-to-end print tests on a cups-pdf test printer), the same suite built with AddressSanitizer
# and UndefinedBehaviorSanitizer, and each fuzz target for FUZZ_SECONDS (default 60).
# The CUPS scheduler it starts is stopped again at the end, also when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

trap 'scripts/test-printer.sh stop' EXIT
scripts/test-printer.sh start
# cups-pdf files each job under the submitting user's home from the password database.
ENALOTTO_PDF_DIR="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
export ENALOTTO_PDF_DIR

echo "== the README's run command brings up the main window"
scripts/check-run.sh

echo "== test suite"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DENALOTTO_WERROR=ON \
    -DBUILD_TESTING=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure --no-tests=error

echo "== test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DENALOTTO_SANITIZE=ON \
    -DENALOTTO_WERROR=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-asan
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1" \
    ctest --test-dir build-asan --output-on-failure --no-tests=error

echo "== fuzzing"
scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

echo "== benchmarks (quick run: they still build and run)"
scripts/bench.sh --quick

echo "== Debian package: install, check, start, remove"
scripts/package-test.sh
