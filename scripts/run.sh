#!/usr/bin/env bash
# Builds the program and starts it. Extra arguments are documents to open.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUILLEX_TESTS=OFF >/dev/null
cmake --build build/release --target quillex -j "$(nproc)"
exec build/release/app/quillex "$@"
