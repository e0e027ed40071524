#!/usr/bin/python3
"""Reference of the Feldtkeller factorisation benchmark.

Writes feldtkeller_reference.inc next to this script: for Butterworth,
Chebyshev and elliptic characteristic functions K(s) = F(s)/P(s) of orders
5, 10, 20 and 40, and of the orders between, the input that the workbench
gets and what E(s) must be.

The families, all normalised to the pass-band edge w = 1:
  butterworth  F = s^n, P = 1 (epsilon 1, 3.01 dB);
  chebyshev    F the monic Chebyshev polynomial in s, P the constant
               1/(epsilon 2^(n-1)), Amax 1 dB, as the polynomial
               approximation builds them;
  elliptic     Amax 1 dB, selectivity 1.5: F monic with the attenuation
               zeros +-j sn(u_i, 1/1.5), P monic with the transmission zeros
               +-j 1.5/sn(u_i, 1/1.5), and P's constant that makes
               |K(j)| = epsilon.

For each case:
  f, p                  F and P (ascending, monic) and their constants, each
                        rounded to the nearest extended real (hex literals):
                        the K(s) that the benchmark hands to the workbench;
  x_hi, x_lo            F(s)F(-s) + P(s)P(-s) of that rounded K, exactly, in
                        x = s^2, as hi + lo, each an extended real;
  e_exact               the roots of E for the exact K (40 digits);
  e_given               the roots of E for the rounded K (40 digits): the best
                        any method can do from its input;
  x_rounded_roots       the roots of the polynomial x_hi (40 digits): the best
                        a root finder can do from the rounded right-hand side;
  e_coefficients        E of the rounded K, monic, ascending (40 digits);
  x_bound, e_bound      the largest relative error of a root that errors of
                        one unit roundoff (2^-64) in the coefficients, or in
                        the evaluation, may cause, to first order:
                        2^-64 sum |a(i)| |r|^i / (|r| |p'(r)|) over the roots
                        r of the right-hand side x_hi in x, and of E in s.

Roots are computed by mpmath's polyroots at 80 and at 120 digits, and the
script stops unless the two agree to 1E-50: a reference is only written when
mpmath itself is sure of it.

Run: /usr/bin/python3 feldtkeller_reference.py  (deterministic output)
"""

import os

import mpmath as mp

# the orders asked for, and those between that find where the roots stop
# being good to 1E-15
ORDERS = (5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 20, 30, 40)
AMAX_DB = 1
SELECTIVITY = mp.mpf(3) / 2
REFERENCE_DIGITS = 40
CHECK_DIGITS = (80, 120)
AGREEMENT = mp.mpf(10) ** -50


def extended(x):
    """x rounded to the nearest extended real (64-bit significand)."""
    with mp.workprec(64):
        return +mp.mpf(x)


def hex_literal(x):
    """The exact extended real x as a C++ long double literal."""
    if x == 0:
        return "0x0p+0L"
    # abs() at mpmath's default precision would round x to a double
    with mp.workprec(128):
        man, exp = int(abs(x).man), int(abs(x).exp)
    sign = "-" if x < 0 else ""
    return "%s0x%Xp%+dL" % (sign, man, exp)


def decimal_literal(x):
    # at more than the digits written: mpf() at mpmath's default precision
    # would round x to a double first
    with mp.workdps(REFERENCE_DIGITS + 10):
        return mp.nstr(mp.mpf(x), REFERENCE_DIGITS, min_fixed=-5, max_fixed=5) + "L"


def multiply(a, b):
    out = [mp.mpf(0)] * (len(a) + len(b) - 1)
    for i, ai in enumerate(a):
        for j, bj in enumerate(b):
            out[i + j] += ai * bj
    return out


def from_roots(roots):
    """The monic real polynomial with these roots (conjugates included),
    ascending."""
    a = [mp.mpc(1)]
    for r in roots:
        a = multiply(a, [-r, mp.mpc(1)])
    return [mp.re(c) for c in a]


def paraconjugate_square(a):
    """p(s)p(-s) as a polynomial in x = s^2, ascending."""
    n = len(a) - 1
    out = [mp.mpf(0)] * (n + 1)
    for i in range(n + 1):
        for j in range(n + 1):
            if (i + j) % 2 == 0:
                out[(i + j) // 2] += (-1) ** i * a[i] * a[j]
    return out


def right_hand_side(f, fc, p, pc):
    """F(s)F(-s) + P(s)P(-s) in x, the constants folded in."""
    ff = [fc * fc * c for c in paraconjugate_square(f)]
    pp = [pc * pc * c for c in paraconjugate_square(p)]
    n = max(len(ff), len(pp))
    ff += [mp.mpf(0)] * (n - len(ff))
    pp += [mp.mpf(0)] * (n - len(pp))
    return [u + v for u, v in zip(ff, pp)]


def roots_of(a, digits):
    """The roots of the ascending polynomial a, sorted."""
    with mp.workdps(digits):
        found = mp.polyroots([mp.mpf(c) for c in reversed(a)], maxsteps=4000, extraprec=4 * digits)
        # converted here, at the roots' own precision: outside, at mpmath's
        # default of 15 digits, they would be doubles
        return sorted((mp.mpc(r) for r in found), key=lambda z: (float(mp.re(z)), float(mp.im(z))))


def sure_roots(a):
    """Roots of the ascending polynomial a, computed at two precisions that
    must agree."""
    results = [roots_of(a, digits) for digits in CHECK_DIGITS]
    with mp.workdps(max(CHECK_DIGITS)):
        for u, v in zip(*results):
            if abs(u - v) > AGREEMENT * max(1, abs(v)):
                raise SystemExit("mpmath does not agree with itself on a root: %s %s" % (u, v))
    return results[-1]


def rounding_bound(a, roots):
    """The first-order relative root error of one unit roundoff in every
    coefficient of the ascending polynomial a."""
    worst = mp.mpf(0)
    derivative = [i * c for i, c in enumerate(a)][1:]
    for r in roots:
        terms = sum(abs(c) * abs(r) ** i for i, c in enumerate(a))
        worst = max(worst, terms / (abs(r) * abs(value_at(derivative, r))))
    return worst * mp.mpf(2) ** -64


def left_half_plane(x_roots):
    """The root s of E for each root x = s^2: the square root on the left."""
    return [-mp.sqrt(x) for x in x_roots]


def chebyshev_in_s(n):
    """The monic Chebyshev polynomial of degree n rewritten in s (w = s/j),
    ascending, and its leading coefficient 2^(n-1) in w."""
    previous, current = [mp.mpf(1)], [mp.mpf(0), mp.mpf(1)]
    for _ in range(2, n + 1):
        nxt = [mp.mpf(0)] + [2 * c for c in current]
        for i, c in enumerate(previous):
            nxt[i] -= c
        previous, current = current, nxt
    a = [(-c if i % 4 in (1, 2) else c) for i, c in enumerate(current)]
    if a[-1] < 0:
        a = [-c for c in a]
    lead = a[-1]
    return [c / lead for c in a], lead


def epsilon():
    return mp.sqrt(mp.power(10, mp.mpf(AMAX_DB) / 10) - 1)


def value_at(a, s):
    return mp.polyval(list(reversed(a)), s)


def elliptic(n):
    """F and P of the elliptic characteristic function of order n."""
    k = 1 / SELECTIVITY
    big_k = mp.ellipk(k * k)
    zeros, poles = [], []
    for i in range(1, n // 2 + 1):
        u = (mp.mpf(2 * i) if n % 2 else mp.mpf(2 * i - 1)) / n * big_k
        w = mp.ellipfun("sn", u, m=k * k)
        zeros += [mp.mpc(0, w), mp.mpc(0, -w)]
        poles += [mp.mpc(0, SELECTIVITY / w), mp.mpc(0, -SELECTIVITY / w)]
    if n % 2:
        zeros.append(mp.mpc(0))
    f, p = from_roots(zeros), from_roots(poles)
    pc = abs(value_at(f, mp.mpc(0, 1))) / (epsilon() * abs(value_at(p, mp.mpc(0, 1))))
    # the ripple never passes epsilon in the pass band
    for w in mp.linspace(0, 1, 41):
        ratio = abs(value_at(f, mp.mpc(0, w))) / (pc * abs(value_at(p, mp.mpc(0, w))))
        if ratio > epsilon() * (1 + mp.mpf(10) ** -30):
            raise SystemExit("elliptic %d passes epsilon at w = %s" % (n, w))
    return f, mp.mpf(1), p, pc


def design(family, n):
    if family == "butterworth":
        return [mp.mpf(0)] * n + [mp.mpf(1)], mp.mpf(1), [mp.mpf(1)], mp.mpf(1)
    if family == "chebyshev":
        f, lead = chebyshev_in_s(n)
        return f, mp.mpf(1), [mp.mpf(1)], 1 / (epsilon() * lead)
    return elliptic(n)


def root_list(roots):
    return "{" + ", ".join("{%s, %s}" % (decimal_literal(mp.re(r)), decimal_literal(mp.im(r))) for r in roots) + "}"


def number_list(values, literal):
    return "{" + ", ".join(literal(v) for v in values) + "}"


def case(family, n):
    with mp.workdps(160):
        f, fc, p, pc = design(family, n)
        exact_x = right_hand_side(f, fc, p, pc)
        f, fc, p, pc = [extended(c) for c in f], extended(fc), [extended(c) for c in p], extended(pc)
        given_x = right_hand_side(f, fc, p, pc)
        x_hi = [extended(c) for c in given_x]
        x_lo = [extended(c - h) for c, h in zip(given_x, x_hi)]
    x_rounded_roots = sure_roots(x_hi)
    # the square roots at the roots' own precision too
    with mp.workdps(120):
        e_exact = left_half_plane(sure_roots(exact_x))
        e_given = left_half_plane(sure_roots(given_x))
        e_coefficients = from_roots(e_given)
        x_bound = rounding_bound([mp.mpf(c) for c in x_hi], x_rounded_roots)
        e_bound = rounding_bound(e_coefficients, e_given)
    lines = [
        "{%s, %d," % ('"' + family + '"', n),
        "  %s, %s," % (number_list(f, hex_literal), hex_literal(fc)),
        "  %s, %s," % (number_list(p, hex_literal), hex_literal(pc)),
        "  %s," % number_list(x_hi, hex_literal),
        "  %s," % number_list(x_lo, hex_literal),
        "  %s," % root_list(e_exact),
        "  %s," % root_list(e_given),
        "  %s," % root_list(x_rounded_roots),
        "  %s," % number_list(e_coefficients, decimal_literal),
        "  %s, %s}," % (decimal_literal(x_bound), decimal_literal(e_bound)),
    ]
    return "\n".join(lines)


def main():
    out = [
        "// Generated by feldtkeller_reference.py: the reference of the Feldtkeller",
        "// factorisation benchmark.  Do not edit; run the script again.",
    ]
    for family in ("butterworth", "chebyshev", "elliptic"):
        for n in ORDERS:
            out.append(case(family, n))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "feldtkeller_reference.inc")
    with open(path, "w") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
