#!/usr/bin/env python3
"""Turns a JSON run of kxvlibr_bench into the results table (Markdown).

Usage: report.py RUN.json
Times are CPU times per call, the median of the repetitions (and their
fastest run); ratios are taken between medians of the same run.
"""
import json
import sys

LIMIT = 1.5


def load(path):
    with open(path) as f:
        run = json.load(f)
    stats, counters, order = {}, {}, []
    for b in run["benchmarks"]:
        name = b.get("run_name", b["name"])
        if name.endswith("/iterations:1"):
            name = name[: -len("/iterations:1")]
        key, _, kind = name.rpartition("/")
        agg = b.get("aggregate_name", "median" if b.get("run_type") != "aggregate" else None)
        if kind == "passes":
            if agg == "median":
                counters[key] = (int(b.get("passes", 0)), b.get("solver_passes"))
            continue
        if agg not in ("median", "min"):
            continue
        if key not in order:
            order.append(key)
        stats.setdefault(key, {}).setdefault(kind, {})[agg] = b["cpu_time"]
    return run["context"], stats, counters, order


def ns(t):
    return f"{t:.0f}" if t >= 100 else f"{t:.1f}"


def is_export(key):
    return key.startswith(("LiBrKXV", "LibrKXV", "DLFNames", "DLPNames", "FDLNames"))


def table(keys, stats, counters):
    rows = [
        "| Case | Passes | Time, ns (median) | Fastest, ns | Floor, ns | Ratio to floor "
        "| Floor / passes, ns | Plain form, ns | Faster than plain | Targets |",
        "|---|---|---|---|---|---|---|---|---|---|",
    ]
    for key in keys:
        s = stats[key]
        call = s["call"]["median"]
        fastest = s["call"].get("min", call)
        passes, solver = counters.get(key, (None, None))
        cells = [f"`{key}`"]
        cells.append("" if passes is None else str(passes) + (f" ({int(solver)})" if solver else ""))
        cells += [ns(call), ns(fastest)]
        verdicts = []
        if "floor" in s:
            floor = s["floor"]["median"]
            ratio = call / floor
            cells += [ns(floor), f"{ratio:.2f}"]
            per_pass = floor / passes if passes else None
            cells.append(ns(per_pass) if per_pass else "")
            verdicts.append(f"floor {'met' if ratio <= LIMIT else 'missed'}")
        else:
            cells += ["none", "", ""]
        if "plain" in s:
            plain = s["plain"]["median"]
            speedup = plain / call
            cells += [ns(plain), f"{speedup:.2f}x"]
            verdicts.append(f"plain {'met' if speedup >= LIMIT else 'missed'}")
        else:
            cells += ["", ""]
        cells.append(", ".join(verdicts))
        rows.append("| " + " | ".join(cells) + " |")
    return "\n".join(rows)


def main():
    context, stats, counters, order = load(sys.argv[1])
    exports = [k for k in order if is_export(k) and "call" in stats[k]]
    internal = [k for k in order if not is_export(k) and "call" in stats[k]]
    print(f"Run of {context.get('date', '')} on {context.get('host_name', '')}: "
          f"{context.get('num_cpus', '?')} CPUs at {context.get('mhz_per_cpu', '?')} MHz, "
          f"CPU times; Google Benchmark itself reports a "
          f"{context.get('library_build_type', '?')} build of its library.\n")
    print("### Exports, called through the loaded module\n")
    print(table(exports, stats, counters))
    print("\n### Internal computing functions\n")
    print(table(internal, stats, counters))


if __name__ == "__main__":
    main()
