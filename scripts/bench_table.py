"""Prints the benchmark figures beside their floors as one table (input: Google Benchmark JSON)."""
import json
import sys

runs = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("aggregate_name", "median") != "median":
        continue
    name = b["run_name"].split("/")[0]
    runs[name] = b


def ns(name):
    b = runs[name]
    scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]]
    return b["real_time"] * scale


def fmt(value_ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if value_ns >= scale:
            return f"{value_ns / scale:.2f} {unit}"
    return f"{value_ns:.0f} ns"


rows = [
    ("One scroll step: ReadDraw cycle", "BM_ReadDrawCycle", "BM_ReadDrawCycle_Floor", "open+pread+close", 1.5, None),
    ("One scroll step through Form32", "BM_ScrollStepThroughWindow", "BM_ReadDrawCycle", "ReadDraw cycle", None, "≤ 20 µs"),
    ("Start-up scan, 32767 records of one year", "BM_StartupScan", "BM_StartupScan_Floor", "read whole file", 3.0, None),
    ("Start-up to the shown main window", "BM_StartupToWindow", "BM_StartupToWindow_Floor", "empty Qt window", 1.3, None),
    ("controlla, 20-number system, whole sample archive", "BM_CheckSystem20", "BM_CheckSystem20_Floor", "read and decode every draw", 3.0, None),
]
print("| Figure | Time | Floor | Floor time | Ratio | Goal |")
print("|---|---|---|---|---|---|")
for title, figure, floor, floor_name, goal, absolute in rows:
    if figure not in runs or floor not in runs:
        continue
    ratio = ns(figure) / ns(floor)
    if absolute:
        ok = ns(figure) <= 20e3
        goal_text = f"{absolute} {'met' if ok else 'missed'}"
    else:
        goal_text = f"≤ {goal} {'met' if ratio <= goal else 'missed'}"
    print(f"| {title} | {fmt(ns(figure))} | {floor_name} | {fmt(ns(floor))} | {ratio:.2f} | {goal_text} |")

if "BM_StartupToWindow" in runs and "BM_StartupToWindow_Floor" in runs:
    a = runs["BM_StartupToWindow"]["peak_rss_kB"]
    b = runs["BM_StartupToWindow_Floor"]["peak_rss_kB"]
    print(f"| Peak resident memory at start-up | {a / 1024:.1f} MB | empty Qt window | {b / 1024:.1f} MB | {a / b:.2f} | ≤ 1.2 {'met' if a / b <= 1.2 else 'missed'} |")
for name, title in (("BM_AnalyseColumn", "Statistics of one column"), ("BM_NoticePrintout", "Printer operations of a full notice")):
    if name in runs:
        print(f"| {title} | {fmt(ns(name))} per call | | | | |")
if "BM_IdleCpu" in runs and "BM_IdleCpu_Floor" in runs:
    a = runs["BM_IdleCpu"]["cpu_percent"]
    b = runs["BM_IdleCpu_Floor"]["cpu_percent"]
    print(f"| Idle: three windows, 1 ms and 500 ms timers | {a:.2f} % of a core | the two timers alone | {b:.2f} % | {a / b if b else 0:.2f} | < 2 % {'met' if a < 2 else 'missed'} |")
