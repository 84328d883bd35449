#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test, the end-to-end print tests
# on a cups-pdf test printer included. The scheduler it starts is stopped again at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DENALOTTO_WERROR=ON >/dev/null
cmake --build build

trap 'scripts/test-printer.sh stop' EXIT
scripts/test-printer.sh start
export ENALOTTO_PDF_DIR="${HOME:-/root}/PDF"
ctest --test-dir build --output-on-failure
