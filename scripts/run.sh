#!/usr/bin/env bash
# Builds the program and starts it on the sample archive in data/. It builds in its own folder,
# build-run/, so that it never changes how the test command's build/ is configured.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DENALOTTO_BENCH=OFF >/dev/null
cmake --build build-run --target superenalotto
cd data && exec ../build-run/src/superenalotto
