#!/usr/bin/python3
"""One table of the benchmarks' figures, with their goals and their peers.

Reads the JSON output of every benchmark binary from a folder (NAME.json,
written by scripts/bench.sh; NAME.xvfb.json is a second run of the same
binary under an X server) and prints one table: the figure, the goal beside
it, marked MISSED where it is not met, and the peer's figure where one runs
on this machine, measured now, in the same run:
  - numpy's roots on the root search's polynomials (through
    root_finder_peer.py for the reference cases; the circle cases are
    expanded here, from the same roots, to 120 digits and rounded to doubles);
  - scipy's analog prototypes beside the four designs (peer_designs.py);
  - the C library's long double functions beside the elementary functions
    (timed by ext_math_bench itself).
Where numpy, scipy or mpmath is missing, the peer's column says so.

Usage: /usr/bin/python3 bench/figures.py RESULTS_FOLDER [--no-peers]
"""

import glob
import json
import math
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

NONE = "\u2014"
# CPU time below this share of the real time: the figure is not the
# benchmark's alone
BUSY_SHARE = 0.9

# (binary, benchmark name pattern, limit in seconds, goal as shown)
GOALS = [
    ("root_finder_bench", r"BM_(FindRoots|Reference)/\w+/200$", 20e-3, "< 20 ms"),
    ("designs_bench", r"Elliptic/1000$", 10e-3, "< 10 ms"),
    ("designer_repaint_bench", r"BM_Presets$", 16e-3, "< 16 ms"),
    ("designer_repaint_bench", r"BM_Widest$", 0.5, "< 0.5 s"),
    ("main_window_bench", r"FromProcessStart/(?!bare_qt_window)", 0.3, "< 300 ms"),
]


def seconds(entry):
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[entry["time_unit"]]
    return entry["real_time"] * scale


def duration(value):
    if value is None:
        return NONE
    for unit, scale in (("s", 1.0), ("ms", 1e-3), ("us", 1e-6)):
        if value >= scale:
            return "%.3g %s" % (value / scale, unit)
    return "%.3g ns" % (value / 1e-9)


def goal_of(binary, name):
    for goal_binary, pattern, limit, text in GOALS:
        if binary == goal_binary and re.search(pattern, name):
            return limit, text
    return None, NONE


class Table:
    def __init__(self):
        self.rows = []

    def group(self, title):
        self.rows.append(("**%s**" % title, "", "", "", "", ""))

    def add(self, binary, name, entry, figure, peer=NONE, remark=""):
        if entry.get("error_occurred"):
            self.rows.append((figure, "failed", NONE, "", NONE, entry.get("error_message", "")))
            return
        value = seconds(entry)
        # other work on the machine took the processor from the benchmark
        # (the processes it starts are not in its own time)
        cpu = entry["cpu_time"] * value / entry["real_time"] if entry["real_time"] else value
        if "manual_time" not in entry["name"] and cpu < BUSY_SHARE * value:
            remark = (remark + ", " if remark else "") + "CPU %s, machine busy" % duration(cpu)
        limit, goal = goal_of(binary, name)
        mark = "" if limit is None else ("ok" if value < limit else "MISSED")
        self.rows.append((figure, duration(value), goal, mark, peer, remark))

    def missing(self, figure, goal, why):
        self.rows.append((figure, NONE, goal, "not run", NONE, why))

    def print(self):
        header = ("figure", "ours", "goal", "met", "peer, same run", "remarks")
        widths = [max(len(r[i]) for r in self.rows + [header]) for i in range(len(header))]
        line = lambda cells: "| " + " | ".join(c.ljust(w) for c, w in zip(cells, widths)) + " |"
        print(line(header))
        print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
        for row in self.rows:
            print(line(row))


def load(folder):
    """{file stem: [entries]}, e.g. "root_finder_bench", "main_window_bench.xvfb"."""
    results = {}
    for path in sorted(glob.glob(os.path.join(folder, "*.json"))):
        stem = os.path.basename(path)[:-len(".json")]
        try:
            results[stem] = json.load(open(path))["benchmarks"]
        except (ValueError, KeyError):
            results[stem] = []
    return results


def by_name(entries):
    return {e["name"]: e for e in entries}


# Peers: each returns {case name: text} or a text saying why there is none.

def numpy_reference_peers():
    try:
        import numpy as np
        import root_finder_peer as peer
    except ImportError as missing:
        return "%s: %s" % (NONE, missing.name)
    peer.mp.mp.dps = 40
    texts = {}
    for name, coefficients, roots in peer.read_cases():
        descending = np.array([float(c) for c in reversed(coefficients)])
        error = peer.largest_error(roots, np.roots(descending))
        texts[name] = "numpy %s, error %.2g" % (duration(peer.time_numpy(descending)), float(error))
    return texts


def lcg_sequence():
    """The benchmark's fixed sequence in [0, 1)."""
    state = 0x9E3779B97F4A7C15
    while True:
        state = (state * 6364136223846793005 + 1442695040888963407) % 2**64
        yield (state >> 11) * 2.0**-53


def circle_roots(mp, family, n):
    """The roots of the benchmark's circle cases, conjugate pairs."""
    pairs = n // 2
    if family == "butterworth":
        angles = [mp.pi * (2 * k + n - 1) / (2 * n) for k in range(1, pairs + 1)]
    else:
        width = 0.4 if family == "jitter_circle" else 0.0
        jitter = lcg_sequence()
        angles = [mp.pi * (k - mp.mpf(0.5) + width * (next(jitter) - 0.5)) / pairs for k in range(1, pairs + 1)]
    roots = []
    for angle in angles:
        roots += [mp.mpc(mp.cos(angle), mp.sin(angle)), mp.mpc(mp.cos(angle), -mp.sin(angle))]
    return roots


def numpy_circle_peers(names):
    try:
        import mpmath as mp
        import numpy as np
        import root_finder_peer as peer
    except ImportError as missing:
        return "%s: %s" % (NONE, missing.name)
    texts = {}
    for name in names:
        family, degree = name.split("/")[1:3]
        # enough digits that the cancellation of the expansion leaves the
        # doubles exact
        mp.mp.dps = 120
        roots = circle_roots(mp, family, int(degree))
        ascending = [mp.mpf(1)]
        for r in roots[::2]:
            factor = [abs(r) ** 2, -2 * r.real, mp.mpf(1)]
            product = [mp.mpf(0)] * (len(ascending) + 2)
            for j, a in enumerate(ascending):
                for f, b in enumerate(factor):
                    product[j + f] += a * b
            ascending = product
        descending = np.array([float(c) for c in reversed(ascending)])
        mp.mp.dps = 40
        error = peer.largest_error(roots, np.roots(descending))
        texts[name] = "numpy %s, error %.2g" % (duration(peer.time_numpy(descending)), float(error))
    return texts


def scipy_design_peers():
    try:
        import peer_designs as peer
    except ImportError as missing:
        return "%s: %s" % (NONE, missing.name)
    texts = {}
    for design, (function, call) in peer.PEERS.items():
        for order in peer.ORDERS:
            texts["%s/%d" % (design, order)] = "scipy %s %s" % (function, duration(peer.peer_time(call, order) * 1e-6))
    return texts


def peer_text(peers, name):
    if isinstance(peers, str):
        return peers
    return peers.get(name, NONE)


def root_remark(entry):
    text = "root error %.2g" % entry.get("max_root_error", float("nan"))
    if entry.get("rescues"):
        text += ", %.3g rescue dialogs" % entry["rescues"]
    if entry.get("rounding_bound", 0) >= 1:
        text += ", ill-conditioned (rounding bound %.2g)" % entry["rounding_bound"]
    if entry.get("faults"):
        text += ", fault in %.0f%% of runs" % (100 * entry["faults"])
    return text


def root_rows(table, entries, use_peers):
    table.group("Root search (workbench defaults)")
    entries = by_name(entries)
    circle = [n for n in entries if n.startswith("BM_FindRoots/")]
    reference = [n for n in entries if n.startswith("BM_Reference/")]
    circle_peers = numpy_circle_peers(circle) if use_peers else NONE
    reference_peers = numpy_reference_peers() if use_peers else NONE
    for name in circle + reference:
        case = name.split("/", 1)[1]
        peers = circle_peers if name in circle else reference_peers
        table.add("root_finder_bench", name, entries[name], "FindRoots " + case,
                  peer_text(peers, name if name in circle else case), root_remark(entries[name]))


def design_rows(table, entries, use_peers):
    table.group("Designs (pole and zero computation)")
    peers = scipy_design_peers() if use_peers else NONE
    for entry in entries:
        design, order = entry["name"].split("/")
        table.add("designs_bench", entry["name"], entry, "%s design, order %s" % (design, order),
                  peer_text(peers, entry["name"]))


def repaint_rows(table, results):
    table.group("Repaints")
    designer = by_name(results.get("designer_repaint_bench", []))
    for name, figure in (("BM_Presets", "designer repaint, four presets"),
                         ("BM_Widest", "designer repaint, 20 functions x 2000 roots")):
        if name in designer:
            table.add("designer_repaint_bench", name, designer[name], figure,
                      remark="%.3g root terms" % designer[name]["root_terms"])
        else:
            table.missing(figure, goal_of("designer_repaint_bench", name)[1], "no Qt front end")
    for entry in results.get("response_repaint_bench", []):
        table.add("response_repaint_bench", entry["name"], entry, "vessaw response repaint",
                  remark="%d columns, magnitude of 1/E(jw), Butterworth E of degree 20" % entry["columns"])


def main_window_rows(table, results):
    table.group("Main window shown")
    runs = [(stem, results[stem]) for stem in ("main_window_bench", "main_window_bench.xvfb") if results.get(stem)]
    if not runs:
        table.missing("main window shown, from process start", "< 300 ms", "no Qt front end, or no result")
        return
    for stem, entries in runs:
        for entry in entries:
            kind, program = entry["name"].split("/")[:2]
            platform = entry.get("label", "")
            if program == "bare_qt_window":
                table.add("main_window_bench", entry["name"], entry, "bare Qt window from process start (%s)" % platform,
                          remark="the floor: Qt and this machine, no program")
            elif kind == "FromProcessStart":
                table.add("main_window_bench", entry["name"], entry, "%s from process start (%s)" % (program, platform),
                          remark="slowest of %d runs %s" % (entry["iterations"], duration(entry["slowest_ms"] * 1e-3)))
            else:
                table.add("main_window_bench", entry["name"], entry,
                          "%s from its construction (%s)" % (program, platform),
                          remark="Qt application already made")


def feldtkeller_rows(table, entries):
    table.group("Feldtkeller factorisation, E(s) from K(s) (default spread 1E15)")
    cases = {}
    for entry in entries:
        family, order, spread = entry["name"].split("/")[1:4]
        cases.setdefault((family, spread), []).append((int(order), entry))
    for (family, spread), rows in cases.items():
        if spread != "spread:1E15":
            continue
        for order, entry in rows:
            if order in (10, 20, 30, 40):
                table.add("feldtkeller_bench", entry["name"], entry, "ComputeE %s, order %d" % (family, order),
                          remark="E roots off the factor of the rounded K by %.2g, off the exact K's by %.2g%s" % (
                              entry["method_error"], entry["e_root_error"],
                              ", %.3g rescue dialogs" % entry["rescues"] if entry.get("rescues") else ""))
        for spread_name in ("spread:1E15", "spread:1E300"):
            good = [o for o, e in cases.get((family, spread_name), []) if e["e_root_error"] <= 1e-15]
            table.rows.append(("ComputeE %s, %s" % (family, spread_name.replace(":", " ")), NONE, NONE, "", NONE,
                               "E roots within 1e-15 up to order %s" % (max(good) if good else NONE)))


def special_function_rows(table, results):
    table.group("Elementary functions, per call (peer: the C library's long double function)")
    entries = by_name(results.get("ext_math_bench", []))
    for name, entry in entries.items():
        match = re.fullmatch(r"(Ours|OursBinary)/(\w+)_ours", name)
        if not match:
            continue
        function = match.group(2)
        peer = next((n for n in entries if re.fullmatch(r"Libm\w*/%s_glibc_\w+" % function, n)), None)
        peer_figure = NONE
        if peer:
            peer_figure = "%s %s" % (peer.split("_glibc_")[1].rstrip("_"), duration(seconds(entries[peer])))
        table.add("ext_math_bench", name, entry, function, peer_figure)
    table.group("Elliptic functions and integrals, per call")
    for entry in results.get("ell_integrals_bench", []):
        table.add("ell_integrals_bench", entry["name"], entry, entry["name"].replace("BM_", ""))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    use_peers = "--no-peers" not in sys.argv[2:]
    results = load(sys.argv[1])
    table = Table()
    # goals first, then the rest
    if "root_finder_bench" in results:
        root_rows(table, results["root_finder_bench"], use_peers)
    if "designs_bench" in results:
        design_rows(table, results["designs_bench"], use_peers)
    repaint_rows(table, results)
    main_window_rows(table, results)
    if "feldtkeller_bench" in results:
        feldtkeller_rows(table, results["feldtkeller_bench"])
    special_function_rows(table, results)
    table.print()
    missed = [row[0] for row in table.rows if row[3] == "MISSED"]
    print("\nGoals missed: %s" % (", ".join(missed) if missed else "none"))


if __name__ == "__main__":
    main()
