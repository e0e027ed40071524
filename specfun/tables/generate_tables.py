#!/usr/bin/python3
"""Writes the fixed tables of the extended elementary functions.

Run from this folder with the mpmath package installed:
    /usr/bin/python3 generate_tables.py
Every output file is committed; this script is how they were made.

Outputs (C++ initialiser lists, one constant a line):
  two_over_pi.inc            2/pi in 690 pieces of 24 bits, most significant first
  pi_over_2_pieces.inc       pi/2 in eight consecutive 24-bit chunks, as doubles
  sinh_series.inc            Chebyshev coefficients of (sinh x - x)/x, |x| < 1
  cosh_minus_one_series.inc  Chebyshev coefficients of (cosh x - 1 - x^2/2)/x^4
  arcsinh_series.inc         Chebyshev coefficients of (arcsinh x - x)/x, |x| <= 1
  tanh_rational.inc          numerator and denominator of the tanh rational form

The Chebyshev series are in u = 2x^2 - 1 on [-1, 1], for the Clenshaw sum with
the first coefficient halved: f = c0/2 + sum c_k T_k(u).
"""

import os

from mpmath import mp, mpf, pi, sinh, cosh, asinh, sqrt, cos, floor, ldexp, frexp, nint, nstr

WORK_BITS = 400
TWO_OVER_PI_PIECES = 690
CHEBYSHEV_NODES = 160

# Published leading coefficients: the computed tables must reproduce them.
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
PI_OVER_2_PRINTED = [1.570796251296997, 7.549789415861596e-08, 5.390302529957765e-15,
                     3.282003415807913e-22, 1.270655753080676e-29, 1.2293330898111133e-36,
                     2.7337005381646456e-44, 2.1674168387780482e-51]
TWO_OVER_PI_PRINTED = [0xA2F983, 0x6E4E44, 0x1529FC, 0x2757D1, 0xF534DD]


def nearest_extended(x):
    """The 80-bit extended value nearest to x (64-bit significand, ties to even)."""
    if x == 0:
        return mpf(0)
    m, e = frexp(x)                      # x = m * 2^e, 0.5 <= |m| < 1
    with mp.workprec(WORK_BITS + 64):
        scaled = ldexp(m, 64)
        significand = int(nint(scaled))  # nint rounds ties to even
    return ldexp(mpf(significand), e - 64)


def extended_literal(v):
    """An exact C++ hex literal of the extended value v: significand * 2^exponent."""
    if v == 0:
        return "0.0L"
    m, e = frexp(v)
    significand = int(ldexp(abs(m), 64))
    sign = "-" if v < 0 else ""
    return "%s0x%016Xp%+dL" % (sign, significand, e - 64)


def extended_line(v, what=""):
    comment = nstr(v, 22, min_fixed=-4, max_fixed=6)
    return "    %s,  // %s%s" % (extended_literal(v), comment, ("  " + what) if what else "")


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
    for k, printed in enumerate(LEADING[name]):
        mine = nearest_extended(coefficients[k])
        theirs = nearest_extended(mpf(printed))
        if mine != theirs:
            raise SystemExit("%s c%d: computed %s, published %s" % (name, k, nstr(mine, 25), printed))


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


def two_over_pi_pieces():
    with mp.workprec(24 * TWO_OVER_PI_PIECES + 200):
        scaled = 2 / pi * mpf(2) ** (24 * TWO_OVER_PI_PIECES)
        digits = int(floor(scaled))
    pieces = [(digits >> (24 * (TWO_OVER_PI_PIECES - 1 - k))) & 0xFFFFFF
              for k in range(TWO_OVER_PI_PIECES)]
    if pieces[:len(TWO_OVER_PI_PRINTED)] != TWO_OVER_PI_PRINTED:
        raise SystemExit("2/pi pieces disagree with the published ones")
    return pieces


def pi_over_2_chunks():
    chunks = []
    for k in range(8):
        bits = int(floor(pi / 2 * mpf(2) ** (23 + 24 * k))) % (1 << 24)
        chunks.append(float(ldexp(mpf(bits), -23 - 24 * k)))  # exact: 24 bits
    if chunks != PI_OVER_2_PRINTED:
        raise SystemExit("pi/2 chunks disagree with the published ones")
    return chunks


def write(name, header, lines):
    with open(name, "w") as out:
        out.write("// Generated by generate_tables.py; do not edit.\n")
        for h in header:
            out.write("// %s\n" % h)
        for line in lines:
            out.write(line + "\n")


def write_series(name, title, f, count, key):
    coefficients = chebyshev(f, count)
    check_leading(key, coefficients)
    rounded = [nearest_extended(c) for c in coefficients]
    error = truncation_error(f, rounded)
    write(name, [title,
                 "Chebyshev coefficients c0..c%d in u = 2x^2 - 1, summed with c0 halved." % (count - 1),
                 "Largest error of the %d-term sum on [-1, 1]: %s." % (count, nstr(error, 3))],
          [extended_line(c, "c%d" % k) for k, c in enumerate(rounded)])


def main():
    mp.prec = WORK_BITS
    os.chdir(os.path.dirname(os.path.abspath(__file__)))

    pieces = two_over_pi_pieces()
    lines = []
    for row in range(0, TWO_OVER_PI_PIECES, 8):
        lines.append("    " + " ".join("0x%06X," % p for p in pieces[row:row + 8]))
    write("two_over_pi.inc", ["2/pi = sum piece[k] * 2^(-24(k+1)), k = 0..%d." % (TWO_OVER_PI_PIECES - 1)],
          lines)

    chunks = pi_over_2_chunks()
    write("pi_over_2_pieces.inc",
          ["pi/2 = sum chunk[k], chunk k holding bits 2^(-24k) .. 2^(-24k-23) of pi/2."],
          ["    %s,  // %r" % (c.hex(), c) for c in chunks])

    write_series("sinh_series.inc", "(sinh x - x)/x on |x| < 1.", sinh_series, 9, "sinh")
    write_series("cosh_minus_one_series.inc", "(cosh x - 1 - x^2/2)/x^4 on x^2 <= 1.",
                 cosh_minus_one_series, 8, "cosh")
    write_series("arcsinh_series.inc", "(arcsinh x - x)/x on |x| <= 1.", arcsinh_series, 24, "arcsinh")

    lines = ["    // numerator P(t), t = x^2, lowest order first"]
    lines += [extended_line(nearest_extended(mpf(c))) for c in TANH_P]
    lines += ["    // denominator Q(t)"]
    lines += [extended_line(nearest_extended(mpf(c))) for c in TANH_Q]
    write("tanh_rational.inc", ["(tanh x - x)/x^3 = P(x^2)/Q(x^2) on |x| < 0.625: P[0..3], then Q[0..3]."],
          lines)


if __name__ == "__main__":
    main()
