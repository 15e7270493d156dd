#!/usr/bin/env bash
# Builds everything and runs every test: bash scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build -DKIP_WERROR=$werror -DKIP_BUILD_BENCH=ON
cmake --build build -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
