#!/usr/bin/env bash
# Builds the reader's fuzz target with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it for a bounded time, 30 seconds unless given:
#   scripts/fuzz.sh [seconds] [more libFuzzer options...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
shift || true
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLEX_SANITIZE=ON -DQUILLEX_FUZZ=ON -DQUILLEX_TESTS=OFF -DQUILLEX_WERROR=ON >/dev/null
cmake --build build/fuzz --target reader_fuzz -j "$(nproc)"
mkdir -p build/fuzz/corpus
# New inputs go to the build folder; the saved texts of the tests are the seeds.
build/fuzz/tests/fuzz/reader_fuzz -max_total_time="$seconds" -print_final_stats=1 "$@" \
  build/fuzz/corpus tests/fuzz/seeds tests/data/go tests/data/read >build/fuzz/last-run.log 2>&1 || {
  tail -n 60 build/fuzz/last-run.log
  exit 1
}
grep -E '^(Done|stat::number_of_executed_units)' build/fuzz/last-run.log
