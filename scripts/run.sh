#!/usr/bin/env bash
# Builds the program and starts it on the sample archive in data/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target superenalotto
cd data && exec ../build/superenalotto
