# SPDX-FileCopyrightText: 2026 TANVERA developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the benchmark table and exits 1 when a budget is missed.

Reads the JSON files Google Benchmark wrote (bench/web_bench.mjs writes the same form). A budget is
either absolute (a person's eye sets it) or a ratio against a yardstick measured in the same run,
in turn with the program. With --web first, the budgets are the browser's.

    bench_report.py [--web] results.json..."""
import json
import sys

# Ratio budgets: (operation, benchmark, counter, at most this × the yardstick, unit, yardstick)
RATIOS = [
    ("RunIntegration, 5000 steps", "BM_RunIntegration", "us", 1.10, "us",
     "plain loop, same arithmetic"),
    ("start-up to the first painted window", "BM_StartupProcess", "ms", 1.30, "ms",
     "bare Qt window, same size"),
    ("resident memory after start-up", "BM_StartupProcess", "rss_MiB", 1.25, "MiB",
     "bare Qt window, same size"),
]
# Absolute budgets: (operation, benchmark, aggregate or counter, budget, unit)
ABSOLUTE = [
    ('"Calcular" with two curves shown', "BM_CalculateThirdCurve", "median", 2, "ms"),
    ('first "Calcular" after start-up', "BM_FirstCalculateAfterStartup", "worst_ms", 16, "ms"),
    ("one pointer move over the chart", "BM_PointerMove", "median", 0.1, "ms"),
    ("one keystroke in the time query", "BM_QueryKeystroke", "median", 0.5, "ms"),
    ("one keystroke in the maximum time, 3 curves", "BM_MaxTimeKeystrokeThreeCurves", "median", 3, "ms"),
    ("  the same, worst", "BM_MaxTimeKeystrokeThreeCurves", "worst_ms", 16, "ms"),
]
# In a browser: RunIntegration in WebAssembly under Node, the pages in Chromium.
WEB_RATIOS = [
    RATIOS[0],
    ("start-up to the first painted window", "BM_WebStartup", "ms", 1.30, "ms",
     "bare Qt window, same build"),
]
WEB_ABSOLUTE = [
    ('"Calcular" with two curves shown', "BM_WebCalculateThirdCurve", "median", 16, "ms"),
    ("one pointer move over the chart", "BM_WebPointerMove", "median", 4, "ms"),
    ("the download, gzip -9", "BM_WebDownload", "gzip_MB", 6, "MB"),
]
SCALE = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def load(paths):
    runs = []
    for path in paths:
        with open(path) as f:
            runs += json.load(f)["benchmarks"]
    return runs


def runs_of(runs, name):
    return [r for r in runs if r["name"].startswith(name + "/") or r["name"] == name]


def figure(runs, name, what, unit):
    mine = runs_of(runs, name)
    if what in ("median", "mean"):
        picked = [r for r in mine if r.get("aggregate_name") == what]
        if not picked:  # a benchmark without repetitions: its single run
            picked = [r for r in mine if r.get("run_type") == "iteration"]
        run = picked[0]
        return run["real_time"] * SCALE[run["time_unit"]] / SCALE[unit]
    return max(r[what] for r in mine if what in r)


def main():
    web = sys.argv[1:2] == ["--web"]
    runs = load(sys.argv[2:] if web else sys.argv[1:])
    ratios, absolute = (WEB_RATIOS, WEB_ABSOLUTE) if web else (RATIOS, ABSOLUTE)
    missed = 0
    rows = [("operation", "budget", "TANVERA", "yardstick", "ratio", "")]
    for operation, name, counter, limit, unit, yardstick in ratios:
        run = runs_of(runs, name)[0]
        if run.get("error_occurred"):
            missed += 1
            rows.append((operation, f"median <= {limit:.2f} x {yardstick}", "failed", "", "",
                         run.get("error_message", "")))
            continue
        ratio = run[counter + "_ratio"]
        ok = ratio <= limit
        missed += not ok
        rows.append((operation, f"median <= {limit:.2f} x {yardstick}", f"{run[counter]:.3g} {unit}",
                     f"{run[counter + '_yardstick']:.3g} {unit}", f"{ratio:.2f}", "yes" if ok else "NO"))
    for operation, name, what, budget, unit in absolute:
        value = figure(runs, name, what, unit)
        ok = value <= budget
        missed += not ok
        kind = "worst <=" if what.startswith("worst") else "median <=" if what == "median" else "at most"
        rows.append((operation, f"{kind} {budget:g} {unit}", f"{value:.3g} {unit}", "", "",
                     "yes" if ok else "NO"))
    widths = [max(len(row[i]) for row in rows) for i in range(len(rows[0]))]
    for i, row in enumerate(rows):
        print("| " + " | ".join(cell.ljust(widths[j]) for j, cell in enumerate(row)) + " |")
        if i == 0:
            print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    pairs = [str(int(runs_of(runs, name)[0].get(counter + "_pairs", 0)))
             for _, name, counter, *_ in ratios]
    print(f"\nRatios are medians over {' and '.join(pairs)} alternating pairs (program, yardstick).")
    print(f"{len(ratios) + len(absolute) - missed} within budget, {missed} missed.")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
