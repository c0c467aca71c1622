"""Prints the benchmark table: operation, budget, measured figure, within budget or not.

Reads the JSON files Google Benchmark wrote; exits 1 when a budget is missed."""
import json
import sys

# (operation, benchmark, aggregate or counter, budget, unit)
BUDGETS = [
    ("RunIntegration, 5000 steps", "BM_RunIntegration", "median", 160, "us"),
    ('"Calcular" with two curves shown', "BM_CalculateThirdCurve", "median", 2, "ms"),
    ('first "Calcular" after start-up', "BM_FirstCalculateAfterStartup", "worst_ms", 16, "ms"),
    ("one pointer move over the chart", "BM_PointerMove", "median", 0.1, "ms"),
    ("one keystroke in the time query", "BM_QueryKeystroke", "median", 0.5, "ms"),
    ("one keystroke in the maximum time, 3 curves", "BM_MaxTimeKeystrokeThreeCurves", "median", 3, "ms"),
    ("  the same, worst", "BM_MaxTimeKeystrokeThreeCurves", "worst_ms", 16, "ms"),
    ("start-up to the first drawn window", "BM_StartupProcess", "median", 40, "ms"),
    ("resident memory after start-up", "BM_StartupProcess", "rss_MiB", 40, "MiB"),
]
SCALE = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def load(paths):
    runs = []
    for path in paths:
        with open(path) as f:
            runs += json.load(f)["benchmarks"]
    return runs


def figure(runs, name, what, unit):
    mine = [r for r in runs if r["name"].startswith(name + "/") or r["name"] == name]
    if what in ("median", "mean"):
        picked = [r for r in mine if r.get("aggregate_name") == what]
        if not picked:  # a benchmark without repetitions: its single run
            picked = [r for r in mine if r.get("run_type") == "iteration"]
        run = picked[0]
        seconds = run["real_time"] * SCALE[run["time_unit"]]
        return seconds / SCALE.get(unit, 1.0)
    values = [r[what] for r in mine if what in r]
    return max(values)


def main():
    runs = load(sys.argv[1:])
    missed = 0
    rows = [("operation", "budget", "measured", "")]
    for operation, name, what, budget, unit in BUDGETS:
        value = figure(runs, name, what, unit)
        ok = value <= budget
        missed += not ok
        kind = "worst" if what.startswith("worst") else "median" if what == "median" else "max"
        rows.append((operation, f"{kind} <= {budget:g} {unit}", f"{value:.3g} {unit}", "yes" if ok else "NO"))
    widths = [max(len(row[i]) for row in rows) for i in range(4)]
    for i, row in enumerate(rows):
        print("| " + " | ".join(cell.ljust(widths[j]) for j, cell in enumerate(row)) + " |")
        if i == 0:
            print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    print(f"\n{len(BUDGETS) - missed} within budget, {missed} missed.")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
