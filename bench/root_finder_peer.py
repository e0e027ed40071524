#!/usr/bin/python3
"""The root finder beside numpy's roots, measured in the same run.

Runs numpy.roots on every polynomial of root_finder_cases.inc (the
benchmark's reference cases, whose coefficients are doubles, so that numpy
gets exactly what the root search gets), then the benchmark's reference
cases, and prints one table: time per run and the largest relative root
error of each (absolute for a root at 0), with the benchmark's rescue
dialogs per run, its error before the refinement, and the case's condition
(the relative error that the rounding of one evaluation at a root causes in
extended arithmetic; numpy's doubles round 2048 times coarser).

Errors are measured against the reference roots (nearest extended reals to
the 60-digit roots) in mpmath, matching each reference root with the
nearest root not yet matched, as the benchmark does.

Run by hand, after building the benchmark:
  /usr/bin/python3 bench/root_finder_peer.py [path/to/root_finder_bench]
(default build/bench/root_finder_bench from the source folder).
"""

import json
import os
import re
import subprocess
import sys
import timeit

import mpmath as mp
import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
CASES = os.path.join(HERE, "root_finder_cases.inc")
DEFAULT_BENCH = os.path.join(HERE, "..", "build", "bench", "root_finder_bench")
# Seconds of timing per case, for numpy and for the benchmark alike.
MIN_TIME = 0.2

LITERAL = re.compile(r"(-?)0x([0-9A-F]+)p([+-]\d+)L")


def literal(text):
    sign, mantissa, exponent = LITERAL.fullmatch(text).groups()
    value = mp.ldexp(mp.mpf(int(mantissa, 16)), int(exponent))
    return -value if sign else value


def read_cases():
    """[(name, coefficients, roots)] in the order of the benchmark's table."""
    text = open(CASES).read()
    arrays = {}
    for name, body in re.findall(r"constexpr [\w ]+ (kCase\d+\w+)\[\] = \{\n(.*?)\n\};", text, re.S):
        arrays[name] = body
    cases = []
    for family, case in re.findall(r'\{"(\w+)", (kCase\d+)Coefficients', text):
        coefficients = [literal(t) for t in re.findall(r"-?0x[0-9A-F]+p[+-]\d+L", arrays[case + "Coefficients"])]
        tokens = [literal(t) for t in re.findall(r"-?0x[0-9A-F]+p[+-]\d+L", arrays[case + "Roots"])]
        roots = [mp.mpc(tokens[i], tokens[i + 1]) for i in range(0, len(tokens), 2)]
        cases.append(("%s/%d" % (family, len(roots)), coefficients, roots))
    return cases


def largest_error(reference, found):
    found = [mp.mpc(complex(z)) for z in found]
    worst = mp.mpf(0)
    for want in reference:
        nearest = min(range(len(found)), key=lambda i: abs(found[i] - want))
        error = abs(found.pop(nearest) - want)
        worst = max(worst, error / abs(want) if want != 0 else error)
    return worst


def time_numpy(descending):
    """Seconds per call: the best of five rounds of at least 0.2 s each."""
    timer = timeit.Timer(lambda: np.roots(descending))
    count, _ = timer.autorange()
    return min(timer.repeat(repeat=5, number=count)) / count


def run_bench(path):
    output = subprocess.run(
        [path, "--benchmark_filter=BM_Reference", "--benchmark_format=json", "--benchmark_min_time=%g" % MIN_TIME],
        check=True, capture_output=True, text=True).stdout
    results = {}
    for entry in json.loads(output)["benchmarks"]:
        scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[entry["time_unit"]]
        results[entry["name"][len("BM_Reference/"):]] = dict(entry, seconds=entry["real_time"] * scale)
    return results


def main():
    mp.mp.dps = 40
    bench = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_BENCH
    rows = []
    for name, coefficients, roots in read_cases():
        descending = np.array([float(c) for c in reversed(coefficients)])
        found = np.roots(descending)
        rows.append((name, time_numpy(descending), largest_error(roots, found)))
    ours = run_bench(bench)
    print("| case | ours: time | ours: worst error | as found | dialogs | numpy: time | numpy: worst error "
          "| condition |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|")
    for name, numpy_seconds, numpy_error in rows:
        o = ours[name]
        print("| %s | %.1f us | %.2g | %.2g | %g | %.1f us | %.2g | %.2g |" % (
            name, o["seconds"] * 1e6, o["max_root_error"], o["as_found"], o["rescues"],
            numpy_seconds * 1e6, numpy_error, o["condition"]))


if __name__ == "__main__":
    main()
