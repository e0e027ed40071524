#!/usr/bin/python3
"""Times the designer's four designs beside scipy's analog prototypes.

Runs build/bench/designs_bench (or the binary named as the first argument)
and times scipy.signal.ellipap(N, 1, 40), buttap(N), cheb1ap(N, 1) and
cheb2ap(N, 40) at the same orders in the same run, then prints both per
design and order.  scipy works in double precision with numpy arrays; the
designer in extended precision, pole by pole.  scipy's figures include its
Python call overhead.

Run by hand: /usr/bin/python3 bench/peer_designs.py [path/to/designs_bench]
"""

import json
import os
import subprocess
import sys
import timeit
import warnings

from scipy.signal import buttap, cheb1ap, cheb2ap, ellipap

ORDERS = (4, 40, 1000)
AMAX, AMIN = 1, 40
PEERS = {
    "Elliptic": ("ellipap", lambda n: ellipap(n, AMAX, AMIN)),
    "Butterworth": ("buttap", lambda n: buttap(n)),
    "Chebyshev": ("cheb1ap", lambda n: cheb1ap(n, AMAX)),
    "InverseChebyshev": ("cheb2ap", lambda n: cheb2ap(n, AMIN)),
}


def designer_times(binary):
    """Microseconds per design, by benchmark name such as "Elliptic/40"."""
    output = subprocess.run([binary, "--benchmark_format=json"], check=True, capture_output=True, text=True).stdout
    times = {}
    for entry in json.loads(output)["benchmarks"]:
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[entry["time_unit"]]
        times[entry["name"]] = entry["real_time"] * scale
    return times


def peer_time(call, order):
    """Microseconds per call, the best of five timings of an auto-ranged loop."""
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        timer = timeit.Timer(lambda: call(order))
        count, _ = timer.autorange()
        return min(timer.repeat(5, count)) / count * 1e6


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    binary = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "build", "bench", "designs_bench")
    ours = designer_times(binary)
    print("%-17s %6s %14s %10s %14s" % ("design", "order", "designer (us)", "peer", "peer (us)"))
    for design, (peer, call) in PEERS.items():
        for order in ORDERS:
            print("%-17s %6d %14.2f %10s %14.2f" % (design, order, ours["%s/%d" % (design, order)], peer,
                                                   peer_time(call, order)))


if __name__ == "__main__":
    main()
