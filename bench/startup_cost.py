#!/usr/bin/env python3
"""Start-up against a bare Qt main window: time to the first window shown, and peak memory.

Starts startup_qt_bench (the program's start-up as main runs it) and barewindow_qt_bench (a plain
QMainWindow of the same size with the same menu bar) by turns, the order swapped every round,
each a fresh process that ends once its first window is shown. For each process: the time from
its start to the platform's first expose of a window (on X, once the server has mapped it) and
to the end of that window's first drawing, and its peak resident memory (ru_maxrss). Prints the
medians over the rounds of each round's ratio (program / bare window), so a drift of the
machine's speed cancels out, and the medians of the figures themselves.

Usage: bench/startup_cost.py BUILD_DIR [ROUNDS]   (a Release build with -DQUILLEX_BENCH=ON)
The platform is QT_QPA_PLATFORM's, offscreen when it is unset. Under a virtual X server:
    QT_QPA_PLATFORM=xcb xvfb-run -a bench/startup_cost.py BUILD_DIR   (package xvfb)
"""

import os
import statistics
import subprocess
import sys
import tempfile
import time


def first_window(program, env):
    """(ms to exposed, ms to drawn, peak RSS in MB, widgets) of one start of `program`."""
    start = time.monotonic_ns()
    with tempfile.TemporaryFile() as errors:
        child = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=errors, env=env)
        line = child.stdout.read().decode()
        # Reaped here rather than by Popen, for its resource use.
        _, status, usage = os.wait4(child.pid, 0)
        child.returncode = os.waitstatus_to_exitcode(status)
        if child.returncode != 0 or len(line.split()) != 3:
            errors.seek(0)
            sys.exit(f"{program} failed ({child.returncode}): {line!r}\n{errors.read().decode()}")
    exposed, drawn, widgets = (int(field) for field in line.split())
    return ((exposed - start) / 1e6, (drawn - start) / 1e6, usage.ru_maxrss / 1024, widgets)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    bench = os.path.join(sys.argv[1], "bench")
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    programs = {"program": os.path.join(bench, "startup_qt_bench"),
                "bare window": os.path.join(bench, "barewindow_qt_bench")}
    names = ("to exposed, ms", "to drawn, ms", "peak RSS, MB", "widgets")
    # A start of each first, unmeasured, so both find the libraries in the page cache.
    for program in programs.values():
        first_window(program, env)
    figures = {}
    for round_ in range(rounds):
        order = list(programs.items())
        if round_ % 2:
            order.reverse()
        measured = {who: first_window(program, env) for who, program in order}
        for i, name in enumerate(names):
            for who in programs:
                figures.setdefault(f"{who}, {name}", []).append(measured[who][i])
            if name != "widgets":
                ratio = measured["program"][i] / measured["bare window"][i]
                figures.setdefault(f"program / bare window, {name.split(',')[0]}", []).append(ratio)
    print(f"{env['QT_QPA_PLATFORM']}: medians over {rounds} paired rounds (min - max)")
    for name, values in sorted(figures.items(), key=lambda item: "/" not in item[0]):
        print(f"  {name:38} {statistics.median(values):8.3f}  ({min(values):.3f} - {max(values):.3f})")


if __name__ == "__main__":
    main()
