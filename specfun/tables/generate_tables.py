#!/usr/bin/python3
"""Writes the fixed tables of the extended elementary functions.

Run from this folder with the mpmath package installed:
    /usr/bin/python3 generate_tables.py
Every output file is committed; this script is how they were made.

Outputs (C++ initialiser lists, one constant a line):
  sinh_series.inc            Chebyshev coefficients of (sinh x - x)/x, |x| < 1
  cosh_minus_one_series.inc  Chebyshev coefficients of (cosh x - 1 - x^2/2)/x^4
  arcsinh_series.inc         Chebyshev coefficients of (arcsinh x - x)/x, |x| <= 1
  tanh_rational.inc          numerator and denominator of the tanh rational form

The Chebyshev series are in u = 2x^2 - 1 on [-1, 1], for the Clenshaw sum with
the first coefficient halved: f = c0/2 + sum c_k T_k(u).
"""

import os
import sys

from mpmath import mp, mpf, pi, sinh, cosh, asinh, sqrt, cos, nstr

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "base", "tables"))
from generate_kernel_tables import nearest_extended, extended_line, write  # noqa: E402

WORK_BITS = 400
CHEBYSHEV_NODES = 160
GENERATOR = os.path.basename(__file__)

# Leading coefficients to check the computation against: the tables must reproduce them.
LEADING = {
    "sinh": ["0.1730421940471796316810", "0.08759422192276047715634", "0.001079477774567132750235"],
    "cosh": ["0.08474099679330859723794", "0.0007069753311105572826333"],
    "arcsinh": ["-0.1282003991173818634370", "-0.05881176118995176756553", "0.004727465432212481564018"],
}
# The rational form of (tanh x - x)/x^3 = P(x^2)/Q(x^2) on |x| < 0.625 is
# published whole; only its rounding to extended is done here.
TANH_P = ["-1308.042570471282594502", "-84.05356859967228448649",
          "-0.9565828311179464158950", "-0.00006847373939267710087018"]
TANH_Q = ["3924.127711413847784616", "1821.811790364555906030",
          "96.25950183884033694443", "1"]


def chebyshev(f, count):
    """Coefficients c_k of f(u) on [-1, 1], f = c0/2 + sum c_k T_k(u), by
    Gauss-Chebyshev quadrature (aliasing is far below extended precision)."""
    n = CHEBYSHEV_NODES
    thetas = [pi * (j + mpf(1) / 2) / n for j in range(n)]
    values = [f(cos(t)) for t in thetas]
    return [2 * sum(v * cos(k * t) for v, t in zip(values, thetas)) / n for k in range(count)]


def sinh_series(u):
    x = sqrt((u + 1) / 2)
    return (sinh(x) - x) / x


def cosh_minus_one_series(u):
    t = (u + 1) / 2
    return (cosh(sqrt(t)) - 1 - t / 2) / (t * t)


def arcsinh_series(u):
    x = sqrt((u + 1) / 2)
    return (asinh(x) - x) / x


def check_leading(name, coefficients):
    for k, expected in enumerate(LEADING[name]):
        computed = nearest_extended(coefficients[k])
        if computed != nearest_extended(mpf(expected)):
            raise SystemExit("%s c%d: computed %s, expected %s" % (name, k, nstr(computed, 25), expected))


def truncation_error(f, coefficients):
    """Largest |f - sum| over a fine grid, to show the table length suffices."""
    worst = mpf(0)
    for i in range(400):
        u = -1 + (i + mpf(1) / 2) / 200
        b0 = b1 = b2 = mpf(0)
        for c in reversed(coefficients):
            b2, b1 = b1, b0
            b0 = c + 2 * u * b1 - b2
        worst = max(worst, abs(f(u) - (b0 - b2) / 2))
    return worst


def write_series(name, title, f, count, key):
    coefficients = chebyshev(f, count)
    check_leading(key, coefficients)
    rounded = [nearest_extended(c) for c in coefficients]
    error = truncation_error(f, rounded)
    write(name, [title,
                 "Chebyshev coefficients c0..c%d in u = 2x^2 - 1, summed with c0 halved." % (count - 1),
                 "Largest error of the %d-term sum on [-1, 1]: %s." % (count, nstr(error, 3))],
          [extended_line(c, "c%d" % k) for k, c in enumerate(rounded)], GENERATOR)


def main():
    mp.prec = WORK_BITS
    os.chdir(os.path.dirname(os.path.abspath(__file__)))

    write_series("sinh_series.inc", "(sinh x - x)/x on |x| < 1.", sinh_series, 9, "sinh")
    write_series("cosh_minus_one_series.inc", "(cosh x - 1 - x^2/2)/x^4 on x^2 <= 1.",
                 cosh_minus_one_series, 8, "cosh")
    write_series("arcsinh_series.inc", "(arcsinh x - x)/x on |x| <= 1.", arcsinh_series, 24, "arcsinh")

    lines = ["    // numerator P(t), t = x^2, lowest order first"]
    lines += [extended_line(nearest_extended(mpf(c))) for c in TANH_P]
    lines += ["    // denominator Q(t)"]
    lines += [extended_line(nearest_extended(mpf(c))) for c in TANH_Q]
    write("tanh_rational.inc", ["(tanh x - x)/x^3 = P(x^2)/Q(x^2) on |x| < 0.625: P[0..3], then Q[0..3]."],
          lines, GENERATOR)


if __name__ == "__main__":
    main()
