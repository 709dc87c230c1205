#!/usr/bin/env python3
"""What the window adds to Go, against the output field's own cost.

Runs go_bench (Go headless, in a process without Qt) and go_qt_bench (Go in the window, and a
bare QPlainTextEdit given the same text) by turns, several rounds, and prints for the handler
alone and until drawn the medians over the rounds of (window's Go - headless Go) / bare field,
each round's figures paired, so a drift of the machine's speed between rounds cancels out.

Usage: bench/window_cost.py BUILD_DIR [ROUNDS]   (a Release build with -DQUILLEX_BENCH=ON)
"""

import json
import os
import statistics
import subprocess
import sys


def medians(program, pattern):
    """Median real time (ms) of each benchmark of `program` matching `pattern`, 5 repetitions."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    out = subprocess.run(
        [program, f"--benchmark_filter={pattern}", "--benchmark_repetitions=5",
         "--benchmark_format=json"],
        capture_output=True, text=True, check=True, env=env).stdout
    found = {}
    for row in json.loads(out)["benchmarks"]:
        if row.get("aggregate_name") == "median":
            found[row["run_name"]] = row["real_time"]
    return found


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    bench = os.path.join(sys.argv[1], "bench")
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    figures = {}
    for _ in range(rounds):
        headless = medians(os.path.join(bench, "go_bench"), "BM_GoHeadless/e192")
        window = medians(os.path.join(bench, "go_qt_bench"), "(handler|untilDrawn)$")
        base = headless["BM_GoHeadless/e192"]
        figures.setdefault("headless Go", []).append(base)
        for case in ("handler", "untilDrawn"):
            go, bare = window[f"BM_GoQt/{case}"], window[f"BM_BarePlainTextEdit/{case}"]
            figures.setdefault(f"window's Go, {case}", []).append(go)
            figures.setdefault(f"bare field, {case}", []).append(bare)
            figures.setdefault(f"window - headless, {case}", []).append(go - base)
            figures.setdefault(f"(window - headless) / bare, {case}", []).append((go - base) / bare)
    print(f"medians over {rounds} paired rounds (min - max); times in ms")
    for name, values in figures.items():
        print(f"  {name:38} {statistics.median(values):7.3f}  ({min(values):.3f} - {max(values):.3f})")


if __name__ == "__main__":
    main()
