#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, warnings as errors, and
# runs every test; then checks the formatting and that only the Qt backend uses Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DQUILLEX_SANITIZE=ON -DQUILLEX_WERROR=ON \
  -DQUILLEX_TESTS=ON -DQUILLEX_BENCH=ON >/dev/null
cmake --build build/test -j "$(nproc)"
scripts/check-style.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
