#!/usr/bin/python3
"""Polynomials with reference roots for the root finder's benchmark.

Writes root_finder_cases.inc next to this script.  Every coefficient is a
double, so that numpy's roots (root_finder_peer.py) and the root search get
the very same polynomial; each reference root is the nearest extended real
to a root of exactly those coefficients, computed as the generator of the
root search's test references does (and with its checks).

Families:
  random:      coefficients from a normal distribution, degree 10 .. 200;
  spread:      conjugate pairs with moduli 1e-6 .. 1e6 at random angles;
  clustered:   per group three real roots 1e-3 apart and two pairs 1e-3
               apart;
  multiple:    (s + 0.5)^k (s^2 + s + 1.25)^2 (s + 2), k = 2 .. 6, whose
               coefficients are exact, so that the roots are exactly
               multiple;
  chebyshev:   the Chebyshev polynomial T_n(w), integer coefficients;
  butterworth: the Butterworth denominator, poles on the left half of the
               unit circle; rounding its coefficients moves the roots of the
               higher degrees far off the poles (0.2 at degree 40).
Each case carries the condition of its simple roots as the test references
define it (0 where the roots are multiple).

Run: /usr/bin/python3 generate_root_finder_cases.py  (deterministic output)
"""

import os
import random
import sys

import mpmath as mp
import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "poly", "reference"))
import generate_root_search_reference as reference  # noqa: E402

SEED = 20190426
# mpmath's own search where Newton's iteration from the guesses fails: it
# needs the digits that the conditioning eats.
POLYROOTS_EXTRA_PRECISION = 400


def doubles(coefficients):
    return [mp.mpf(float(c)) for c in coefficients]


def pair(modulus, angle):
    r = modulus * mp.expj(angle)
    return [r, mp.conj(r)]


def random_case(rng, n):
    coefficients = [mp.mpf(rng.gauss(0, 1)) for _ in range(n + 1)]
    return coefficients, None


def spread_case(rng, n):
    roots = []
    for k in range(n // 2):
        roots += pair(mp.mpf(10) ** (-6 + mp.mpf(12) * k / (n // 2 - 1)), mp.pi * rng.random())
    return doubles(reference.multiply_out(roots)), roots


def clustered_case(rng, groups):
    roots = []
    for _ in range(groups):
        centre = mp.mpf(rng.uniform(-2, 1))
        roots += [centre, centre + mp.mpf("1e-3"), centre + mp.mpf("2e-3")]
        re, im = mp.mpf(rng.uniform(-1, 0)), mp.mpf(rng.uniform(0.5, 1.5))
        roots += [mp.mpc(re, im), mp.mpc(re, -im), mp.mpc(re + mp.mpf("1e-3"), im), mp.mpc(re + mp.mpf("1e-3"), -im)]
    return doubles(reference.multiply_out(roots)), roots


def multiple_roots(k):
    return [mp.mpf(-0.5)] * k + [mp.mpc(-0.5, 1), mp.mpc(-0.5, -1)] * 2 + [mp.mpf(-2)]


def chebyshev_coefficients(n):
    previous, current = [mp.mpf(1)], [mp.mpf(0), mp.mpf(1)]
    if n == 0:
        return previous
    for _ in range(n - 1):
        following = [mp.mpf(0)] + [2 * c for c in current]
        for i, c in enumerate(previous):
            following[i] -= c
        previous, current = current, following
    return current


def chebyshev_roots(n):
    return [mp.cos(mp.pi * (2 * k - 1) / (2 * n)) for k in range(1, n + 1)]


def butterworth_roots(n):
    return [mp.expj(mp.pi * (2 * k + n - 1) / (2 * n)) for k in range(1, n + 1)]


def simple_reference(coefficients, guesses):
    if guesses is None:
        guesses = np.roots([float(c) for c in reversed(coefficients)])
    try:
        return reference.reference_roots(coefficients, [mp.mpc(complex(g)) for g in guesses])
    except reference.NotAReference:
        guesses = mp.polyroots(list(reversed(coefficients)), maxsteps=500, extraprec=POLYROOTS_EXTRA_PRECISION)
        return reference.reference_roots(coefficients, guesses)


def exact_reference(coefficients, roots):
    """Roots whose product gives the coefficients exactly."""
    lead = coefficients[-1]
    for k, (c, m) in enumerate(zip(coefficients, reference.multiply_out(roots))):
        if c != lead * m:
            raise SystemExit("a(%d) = %s is not exact" % (k, c))
    return roots


def cases():
    rng = random.Random(SEED)
    for n in (10, 20, 50, 100, 150, 200):
        coefficients, guesses = random_case(rng, n)
        yield "random", coefficients, simple_reference(coefficients, guesses), True
    for n in (10, 20, 40):
        coefficients, guesses = spread_case(rng, n)
        yield "spread", coefficients, simple_reference(coefficients, guesses), True
    for groups in (1, 2, 4):
        coefficients, guesses = clustered_case(rng, groups)
        yield "clustered", coefficients, simple_reference(coefficients, guesses), True
    for k in range(2, 7):
        roots = multiple_roots(k)
        coefficients = doubles(reference.multiply_out(roots))
        yield "multiple", coefficients, exact_reference(coefficients, roots), False
    for n in (5, 10, 20, 30, 40):
        coefficients = chebyshev_coefficients(n)
        yield "chebyshev", coefficients, simple_reference(coefficients, chebyshev_roots(n)), True
    for n in (5, 10, 20, 26, 30, 40):
        coefficients = doubles(reference.multiply_out(butterworth_roots(n)))
        yield "butterworth", coefficients, simple_reference(coefficients, butterworth_roots(n)), True


def write(path):
    lines = [
        "// Benchmark polynomials with reference roots, generated by",
        "// generate_root_finder_cases.py (mpmath, 60 digits); regenerate, do not edit.",
        "// Coefficients a(0)..a(n) are doubles, written as extended reals; each root",
        "// is the nearest extended real to a root of exactly those coefficients.",
        "// Needs CaseRoot (re, im) and RootCase (family, coefficients, roots,",
        "// condition) from the including file.",
    ]
    entries = []
    for index, (family, coefficients, roots, simple) in enumerate(cases()):
        name = "kCase%d" % index
        comment = "%s, degree %d" % (family, len(coefficients) - 1)
        lines += reference.case_arrays(comment, name, "CaseRoot", coefficients, roots)
        condition = reference.condition(coefficients, roots) if simple else mp.mpf(0)
        entries.append(reference.case_entry(family, name, condition))
    reference.write_table(path, lines, "RootCase kRootCases", entries)


def main():
    mp.mp.dps = reference.REFERENCE_DIGITS
    write(os.path.join(os.path.dirname(os.path.abspath(__file__)), "root_finder_cases.inc"))


if __name__ == "__main__":
    main()
