#!/usr/bin/env bash
# Renders the main, notice, analysis, About and archive windows to docs/*.png, headless, at 96 dpi,
# on the sample archive.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target screenshot
out="$PWD/docs"
cd data && QT_QPA_PLATFORM=offscreen LC_ALL=it_IT.UTF-8 ../build/tools/screenshot "$out"
