#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, warnings as errors,
# checks the formatting and that only the Qt backend uses Qt, fuzzes the reader for 30 seconds,
# and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DQUILLEX_SANITIZE=ON -DQUILLEX_WERROR=ON \
  -DQUILLEX_TESTS=ON -DQUILLEX_BENCH=ON >/dev/null
cmake --build build/test -j "$(nproc)"
scripts/check-style.sh
scripts/fuzz.sh 30
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
