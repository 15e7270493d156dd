#!/usr/bin/env bash
# Builds Kip Golf and starts it on the default data folder: bash scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DKIP_BUILD_BENCH=ON
cmake --build build -j"$(nproc)"
if [ -x build/src/ui/kipgolf ]; then
    exec build/src/ui/kipgolf "$@"
fi
exec build/src/kipgolf-cli "$@" check
