#!/usr/bin/python3
"""Reference roots for the accuracy tests of the root search.

Writes root_search_reference.inc next to this script: polynomials whose
coefficients are exact extended reals (64-bit significand), with all their
roots to 60 digits, each rounded to the nearest extended real.  The roots are
those of the coefficients as written, not of whatever the coefficients were
made from: rounding a coefficient moves the roots, and the tests measure the
search, not that rounding.

Each root comes from Newton's iteration at 60 digits (with 60 more for the
evaluation), started from a guess (the roots a polynomial was multiplied
out from, or numpy's roots); the script stops unless every iteration
converged, the roots are distinct, and multiplying them out gives back every
coefficient to 40 digits of the size of its terms, so that the table holds
all the roots and nothing else.

Each case carries its condition: the largest over its non-zero roots of
u sum |a(k)| |r|^k / (|p'(r)| |r|), u = 2^-64, the relative error that the
rounding of one evaluation of p at the root causes.  No method that
evaluates p in extended arithmetic gets a root closer than that.

Run: /usr/bin/python3 generate_root_search_reference.py  (deterministic output)
"""

import os
import random
import sys

import mpmath as mp
import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "specfun", "reference"))
from generate_ell_reference import ext, hex_literal  # noqa: E402  (one rounding to extended reals)

REFERENCE_DIGITS = 60
# Ill-conditioned roots (Butterworth of degree 40 in doubles) lose up to 40
# digits in the evaluation of p next to them: Newton's iteration runs with
# these to spare.
GUARD_DIGITS = 60
# Multiplying out 40 roots between 1e-6 and 1e6 spans coefficients from 1 to
# 1e120 whose sums cancel: the products are formed with digits to spare.
PRODUCT_DIGITS = 300
CONVERGED = mp.mpf(10) ** -50  # last Newton step, relative
AGREEMENT = mp.mpf(10) ** -40  # coefficients multiplied back, relative
UNIT_ROUNDOFF = mp.mpf(2) ** -64
SEED = 20190426


class NotAReference(Exception):
    """The guesses did not lead to all the roots, each once."""


def multiply_out(roots):
    """Coefficients of prod (s - r), ascending; real parts only, the roots
    coming in conjugate pairs or real."""
    with mp.workdps(PRODUCT_DIGITS):
        a = [mp.mpc(1)]
        for r in roots:
            b = [mp.mpc(0)] * (len(a) + 1)
            for i, c in enumerate(a):
                b[i + 1] += c
                b[i] -= r * c
            a = b
        return [mp.re(c) for c in a]


def refine(coefficients, guess):
    descending = list(reversed(coefficients))
    z = mp.mpc(guess)
    for _ in range(200):
        value, slope = mp.polyval(descending, z, derivative=True)
        step = value / slope
        z -= step
        if abs(step) <= CONVERGED * abs(z):
            return z
    raise NotAReference("Newton's iteration did not converge from %s" % guess)


def reference_roots(coefficients, guesses):
    """All roots of the exact coefficients, checked as the docstring says."""
    with mp.workdps(REFERENCE_DIGITS + GUARD_DIGITS):
        roots = [refine(coefficients, g) for g in guesses]
        for i, r in enumerate(roots):
            for other in roots[:i]:
                if abs(r - other) <= mp.mpf(10) ** -30 * abs(r):
                    raise NotAReference("two guesses went to the root %s" % r)
    # each coefficient against the size of its terms, prod (s + |r|): a
    # coefficient that cancels to 0 has no size of its own
    lead = coefficients[-1]
    monic = multiply_out(roots)
    sizes = multiply_out([-abs(r) for r in roots])
    for k, (c, b, size) in enumerate(zip(coefficients, monic, sizes)):
        if abs(c - b * lead) > AGREEMENT * abs(lead) * size:
            raise NotAReference("a(%d) = %s multiplied back as %s" % (k, c, b * lead))
    return roots


def condition(coefficients, roots):
    descending = list(reversed(coefficients))
    worst = mp.mpf(0)
    with mp.workdps(REFERENCE_DIGITS):
        for r in roots:
            if r == 0:
                continue  # taken exactly, a(0) being exactly 0
            terms = sum(abs(c) * abs(r) ** k for k, c in enumerate(coefficients))
            _, slope = mp.polyval(descending, r, derivative=True)
            worst = max(worst, UNIT_ROUNDOFF * terms / (abs(slope) * abs(r)))
    return worst


# ---- the cases -------------------------------------------------------------


def spread_case(rng):
    """20 conjugate pairs with moduli 1e-6 .. 1e6, evenly in the logarithm,
    at random angles in the upper half plane: the search meets the large
    roots first, and deflation by them spoils the small ones."""
    roots = []
    for k in range(20):
        modulus = mp.mpf(10) ** (-6 + mp.mpf(12) * k / 19)
        r = modulus * mp.expj(mp.pi * rng.random())
        roots += [r, mp.conj(r)]
    coefficients = [ext(c) for c in multiply_out(roots)]
    return "spread magnitudes, degree 40", "kSpread", coefficients, roots


def random_case(rng):
    """Degree 150 with coefficients from a normal distribution, as doubles:
    its roots crowd the unit circle, and deflation loses digits on the later
    ones."""
    coefficients = [mp.mpf(rng.gauss(0, 1)) for _ in range(151)]
    guesses = np.roots([float(c) for c in reversed(coefficients)])
    return "random coefficients, degree 150", "kRandom150", coefficients, [complex(g) for g in guesses]


def write(cases, path):
    lines = [
        "// Polynomials with reference roots for the root search, generated by",
        "// generate_root_search_reference.py (mpmath, 60 digits); regenerate, do not",
        "// edit.  Coefficients a(0)..a(n) are exact extended reals; each root is the",
        "// nearest extended real to a root of exactly those coefficients.  Needs",
        "// ReferenceRoot (re, im) and ReferenceCase (name, coefficients, roots,",
        "// condition) from the including file.",
    ]
    entries = []
    for title, name, coefficients, roots in cases:
        lines += case_arrays(title, name, "ReferenceRoot", coefficients, roots)
        entries.append(case_entry(title, name, condition(coefficients, roots)))
    write_table(path, lines, "ReferenceCase kReferenceCases", entries)


def case_arrays(comment, name, root_type, coefficients, roots):
    """The coefficients and the roots of one case as C++ arrays."""
    lines = ["", "// %s" % comment, "constexpr long double %sCoefficients[] = {" % name]
    lines += ["    %s," % hex_literal(c) for c in coefficients]
    lines += ["};", "constexpr %s %sRoots[] = {" % (root_type, name)]
    lines += ["    {%s, %s}," % (hex_literal(ext(mp.re(r))), hex_literal(ext(mp.im(r)))) for r in roots]
    return lines + ["};"]


def case_entry(title, name, case_condition):
    return '    {"%s", %sCoefficients, %sRoots, %sL},' % (title, name, name, mp.nstr(case_condition, 4))


def write_table(path, lines, table, entries):
    lines = lines + ["", "const %s[] = {" % table] + entries + ["};"]
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


def main():
    rng = random.Random(SEED)
    mp.mp.dps = REFERENCE_DIGITS
    cases = []
    for make in (spread_case, random_case):
        title, name, coefficients, guesses = make(rng)
        cases.append((title, name, coefficients, reference_roots(coefficients, guesses)))
    write(cases, os.path.join(os.path.dirname(os.path.abspath(__file__)), "root_search_reference.inc"))


if __name__ == "__main__":
    main()
