#!/usr/bin/python3
"""Writes ext_math_reference.inc: arguments and true values for the accuracy
tests of the extended elementary functions.

Run from this folder with the mpmath package installed:
    /usr/bin/python3 generate_ext_math_reference.py
The output is committed; this script is how it was made.

Every argument is an exact 80-bit extended value, written as a hex literal.
Every true value is computed with at least 40 correct digits (working
precision 400 bits, raised by the argument's exponent for the circular
functions) and written as hi + lo: hi the extended nearest to it, lo the
extended nearest to the rest, so that a test can measure an error well below
one unit in the last place of the 64-bit significand.
"""

import os
import random

from mpmath import (mp, mpf, pi, exp, log, sqrt, atan, atan2, sin, cos, tan, sinh, cosh, tanh,
                    asinh, acosh, atanh, ldexp, frexp, nint, nstr, floor)

WORK_BITS = 400
SEED = 20240611
rng = random.Random(SEED)

LN_MAX = log(ldexp(mpf(2 ** 64 - 1), 16384 - 64))


def ext(x):
    """The extended value nearest to x (64-bit significand, ties to even)."""
    if x == 0:
        return mpf(0)
    m, e = frexp(x)
    with mp.workprec(mp.prec + 64):
        significand = int(nint(ldexp(m, 64)))
    return ldexp(mpf(significand), e - 64)


def literal(v):
    if v == 0:
        return "0.0L"
    m, e = frexp(v)
    return "%s0x%016Xp%+dL" % ("-" if v < 0 else "", int(ldexp(abs(m), 64)), e - 64)


def decimal(v):
    return nstr(v, 20, min_fixed=-3, max_fixed=8)


# --- argument generators: every value returned is an exact extended ---------

def uniform(lo, hi, n):
    return [ext(mpf(lo) + (mpf(hi) - mpf(lo)) * mpf(rng.random())) for _ in range(n)]


def log_uniform(lo_exp, hi_exp, n, signed=False):
    """Random significand, exponent uniform in [lo_exp, hi_exp)."""
    out = []
    for _ in range(n):
        significand = rng.getrandbits(63) | (1 << 63)
        v = ldexp(mpf(significand), rng.randrange(lo_exp, hi_exp) - 63)
        out.append(-v if signed and rng.random() < 0.5 else v)
    return out


def signed(values):
    return [v if rng.random() < 0.5 else -v for v in values]


def signed_pairs(values):
    """Each value and its negative."""
    return [s * v for v in values for s in (1, -1)]


def neighbours(x, k=2):
    """x and its k nearest extended neighbours on each side."""
    m, e = frexp(x)
    step = ldexp(mpf(1), e - 64)
    return [x + i * step for i in range(-k, k + 1)]


def near_multiples_of_half_pi(k_values, offsets):
    out = []
    for k in k_values:
        for d in offsets:
            out.append(ext(k * pi / 2 + d))
    return out


def extended_multiples_of_half_pi(k_values):
    return [ext(k * pi / 2) for k in k_values]


def deep_cancellation(exponents):
    """For each exponent e, the extended x = q 2^(e-63), 2^63 <= q < 2^64, with
    x 2/pi nearest to an integer that the continued fraction of
    frac(2^(e-63) 2/pi) offers: a remainder of 2^-63 relative or less."""
    out = []
    for e in exponents:
        with mp.workprec(e + WORK_BITS):
            beta = ldexp(2 / pi, e - 63)
            beta -= floor(beta)
            best = None
            rest = beta
            p, q = 0, 1            # convergent p0/q0 = 0/1 (beta < 1)
            p_prev, q_prev = 1, 0  # p-1/q-1
            while q < 2 ** 64 and rest != 0:
                a = int(floor(1 / rest)) if rest else 0
                rest = 1 / rest - a
                p, p_prev = a * p + p_prev, p
                q, q_prev = a * q + q_prev, q
                if 2 ** 63 <= q < 2 ** 64:
                    best = q
        if best is not None:
            out.append(ldexp(mpf(best), e - 63))
    return out


# --- true values ---------------------------------------------------------

def circular(f):
    def value(x):
        m, e = frexp(x)
        with mp.workprec(WORK_BITS + max(0, e)):
            return +f(x)
    return value


def cosh_minus_one(x):
    return 2 * sinh(x / 2) ** 2


def arccosh_one_plus(x):
    return acosh(1 + x)


def gudermannian_inverse(x):
    return atanh(sin(x))


# name, function of one argument, arguments
UNARY_GROUPS = []
BINARY_GROUPS = []


def group(name, f, args):
    UNARY_GROUPS.append((name, f, args))


def circular_groups(suffix, args):
    group("kSine" + suffix, circular(sin), args)
    group("kCosine" + suffix, circular(cos), args)
    group("kTangent" + suffix, circular(tan), args)


def build_groups():
    two = mpf(2)
    # exponential: near 0, moderate, the whole range of normal results, the
    # top end, and multiples of ln 2 where 2^r - 1 is tiny
    group("kExponentialNearZero", exp, log_uniform(-70, -1, 40, signed=True))
    group("kExponentialModerate", exp, uniform(-50, 50, 80))
    group("kExponentialWide", exp, uniform(-11355, 11356.5, 80))
    group("kExponentialTop", exp, uniform(11350, 11356.52, 15) + [ext(LN_MAX - mpf("1e-15"))])
    group("kExponentialNearLn2Multiples", exp,
          [ext(k * log(2)) for k in [1, -1, 2, 3, -7, 10, 100, -1000, 5000, 16000, -16000]]
          + [ext(k * log(2) + d) for k in [1, 50, -300] for d in [mpf("1e-18"), mpf("-3e-15")]])

    # logarithm: the whole range, near 1, subnormal arguments
    group("kNaturalLogWide", log, log_uniform(-16380, 16383, 80))
    group("kNaturalLogNearOne", log,
          [ext(1 + s * ldexp(mpf(rng.random()) + 1, -k)) for k in range(1, 64, 2) for s in (1, -1)])
    group("kNaturalLogSubnormal", log, [ldexp(mpf(rng.getrandbits(40) + 1), -16445) for _ in range(8)])

    group("kSquareRoot", sqrt, log_uniform(-16380, 16383, 40))

    group("kArcTangent", atan, log_uniform(-70, 70, 80, signed=True) + uniform(0.9, 1.1, 10))

    # circular functions
    circular_groups("Primary", uniform(-0.785398, 0.785398, 60) + log_uniform(-70, -2, 20, signed=True))
    circular_groups("Moderate", uniform(-100, 100, 80))
    circular_groups("Medium", log_uniform(7, 39, 80, signed=True))
    circular_groups("NearMultiples", near_multiples_of_half_pi(
        [1, 2, 3, 5, 8, 13, 100, 1001, 65535, 10 ** 6],
        [ldexp(mpf(1), -e) for e in (3, 9, 17, 23)] + [-ldexp(mpf(1), -e) for e in (6, 13, 20)]))
    circular_groups("ExtendedMultiples", signed(
        extended_multiples_of_half_pi(list(range(1, 41)) + [rng.randrange(2 ** 20, 2 ** 39) for _ in range(30)]
                                      + [10 ** 7, 3 * 10 ** 8, 2 ** 38])))
    circular_groups("Huge", [ext(mpf("1e22")), ext(mpf("-1e22")), ext(mpf("1e300")), ext(mpf("1e4000")),
                             ext(mpf("-1e4000")), ldexp(mpf(2 ** 64 - 1), 16384 - 64), ext(two ** 39 + 1),
                             ext(two ** 40)]
                     + log_uniform(40, 16384, 60, signed=True))
    # far out, where the pieces of 2/pi that match the argument cancel for
    # 63 bits or more and the long reduction has to take further terms
    circular_groups("DeepCancellation", signed(deep_cancellation(
        [64, 65, 66, 100, 200, 500, 1000, 1500, 2000, 3000, 4000, 5000, 6000, 8000, 10000, 12000, 14000,
         15000, 16000, 16200, 16300, 16340, 16360] + list(range(16370, 16384)))))
    # the top of the short reduction with a remainder just above 2^-24, where
    # its error, which grows with the multiple of pi/4, can reach an ulp
    circular_groups("ShortReductionLimit", near_multiples_of_half_pi(
        [k + i for k in [rng.randrange(2 ** 36, 2 ** 39) for _ in range(3)] for i in (0, 1)],
        [ldexp(mpf(3), -25), -ldexp(mpf(5), -26), ldexp(mpf(1), -20)]))
    # the worst of 150 000 such arguments while the short result was kept for
    # every remainder above 2^-24 (up to 187 ulps in sin and cos, 353 in tan),
    # and the worst tangents once the long reduction takes them over
    circular_groups("ShortReductionWorst", signed_pairs(
        [ldexp(mpf(m), -25) for m in (0xE3AD2CE8EC29DCF9, 0xDEC7E737DF5664AB, 0xCB1F70CC5D111EAA,
                                      0xE1ECBAD21E65CE7A, 0xBB48F365415BA5C2, 0xA0D09BE639AA5346)]
        + [ldexp(mpf(0xF6B21636CF9BD26E), -27), ldexp(mpf(0xE8A604C531742017), -29),
           ldexp(mpf(0xC0A04951A4D443F2), -33)]))

    BINARY_GROUPS.append(("kArcTangent2", atan2,
                          [(signed(log_uniform(-40, 40, 1))[0], signed(log_uniform(-40, 40, 1))[0])
                           for _ in range(60)]))

    # hyperbolic family, both sides of every threshold
    tiny_sinh = ext(mpf("2.3e-10"))
    group("kHyperbolicSineSeries", sinh, signed(neighbours(tiny_sinh) + log_uniform(-40, 0, 40)
                                                + uniform(0.9, 1, 10) + neighbours(ext(mpf(1)))[:2]))
    group("kHyperbolicSineExp", sinh, signed(neighbours(ext(mpf(1)))[3:] + uniform(1, 23, 40)
                                             + neighbours(ext(mpf(23)))))
    group("kHyperbolicSineOneSided", sinh, signed(uniform(23, 11356, 30) + neighbours(ext(LN_MAX))[:2]))
    group("kHyperbolicCosine", cosh, signed(log_uniform(-40, 0, 30) + neighbours(ext(mpf(1)))
                                            + uniform(1, 23, 30) + neighbours(ext(mpf(23)))
                                            + uniform(23, 11356, 20) + neighbours(ext(LN_MAX))[:2]))
    # from ln(largest extended) on e^|x| overflows while e^|x|/2 does not:
    # |x| - ln 2 would be rounded at 2^-51 absolute, a thousand ulps of it
    top_band = neighbours(ext(LN_MAX))[2:] + uniform(LN_MAX, LN_MAX + log(2) - mpf("1e-10"), 12)
    group("kHyperbolicSineTopBand", sinh, signed(top_band))
    group("kHyperbolicCosineTopBand", cosh, signed(top_band))
    # the worst of 30 000 arguments there while ln 2 was subtracted from |x|
    # (1620 ulps), the worst since, and the largest |x| whose cosh is finite
    top_worst = signed_pairs([ldexp(mpf(m), -50) for m in (
        0xB174DDA7FD911D49, 0xB174DD59F51A0B2D, 0xB174DD5D21064A8C, 0xB174DDC031AEC0E4, 0xB173AA68535C1265,
        0xB174DDC031AEC0E9)])
    group("kHyperbolicSineTopBandWorst", sinh, top_worst)
    group("kHyperbolicCosineTopBandWorst", cosh, top_worst)
    group("kCoshMinusOneTopBandWorst", cosh_minus_one, top_worst)
    group("kCoshMinusOne", cosh_minus_one, signed(log_uniform(-70, -31, 15) + log_uniform(-31, 0, 40)
                                                  + neighbours(ext(mpf(1))) + uniform(1, 30, 20)))
    group("kHyperbolicTangent", tanh, signed(log_uniform(-70, -16, 20) + neighbours(ext(mpf("1.5e-5")))
                                             + uniform(1.5e-5, 0.625, 40) + neighbours(ext(mpf("0.625")))
                                             + uniform(0.625, 23, 30) + neighbours(ext(mpf(23)))
                                             + uniform(23, 100, 5)))
    group("kHyperbolicSecant", lambda x: 1 / cosh(x), signed(log_uniform(-40, 0, 20) + uniform(1, 23, 20)
                                                             + uniform(23, 11350, 20)))

    group("kInverseHyperbolicSine", asinh, signed(
        log_uniform(-70, -32, 10) + neighbours(two ** -32) + log_uniform(-31, 0, 30) + neighbours(mpf(1))
        + uniform(1, 100, 20) + log_uniform(7, 32, 20) + neighbours(ext(mpf("4.3e9")))
        + log_uniform(33, 16380, 20) + neighbours(ext(mpf("5.9e4931")))
        + [ldexp(mpf(2 ** 64 - 1), 16384 - 64)]))
    group("kInverseHyperbolicCosine", acosh,
          [ext(1 + ldexp(mpf(1), -k)) for k in range(1, 64, 3)] + uniform(1, 2, 20) + neighbours(two)
          + uniform(2, 100, 20) + log_uniform(7, 34, 20) + neighbours(ext(mpf("1e10")))
          + log_uniform(34, 16383, 20))
    group("kInverseCoshOnePlus", arccosh_one_plus, log_uniform(-120, 34, 60))
    # where x^2 overflows: from 2^8191 on the asymptotic form
    group("kInverseCoshOnePlusHuge", arccosh_one_plus,
          neighbours(two ** 8191) + [ext(mpf("1e2467")), ext(mpf("1e4000")), ldexp(mpf(2 ** 64 - 1), 16384 - 64)])
    group("kInverseGudermannian", gudermannian_inverse, signed(
        log_uniform(-70, -32, 5) + neighbours(two ** -32) + log_uniform(-31, 0, 30)
        + neighbours(ext(mpf("0.85"))) + uniform(0.85, 1.5707, 30)
        + [ext(pi / 2 - ldexp(mpf(1), -k)) for k in range(10, 60, 7)]
        + [ext(pi / 2) - ldexp(mpf(1), -63) * k for k in (1, 2, 3)]))


def main():
    mp.prec = WORK_BITS
    os.chdir(os.path.dirname(os.path.abspath(__file__)))
    build_groups()
    lines = ["// Generated by generate_ext_math_reference.py; do not edit.",
             "// Rows: argument(s), exact; then the true value as hi + lo.", ""]
    for name, f, args in UNARY_GROUPS:
        lines.append("inline constexpr ReferenceRow %s[] = {" % name)
        for x in args:
            v = f(x)
            hi = ext(v)
            lo = ext(v - hi)
            lines.append("    {%s, %s, %s},  // %s" % (literal(x), literal(hi), literal(lo), decimal(x)))
        lines.append("};")
        lines.append("")
    for name, f, args in BINARY_GROUPS:
        lines.append("inline constexpr ReferenceRow2 %s[] = {" % name)
        for y, x in args:
            v = f(y, x)
            hi = ext(v)
            lo = ext(v - hi)
            lines.append("    {%s, %s, %s, %s},  // %s, %s" % (literal(y), literal(x), literal(hi), literal(lo),
                                                          decimal(y), decimal(x)))
        lines.append("};")
        lines.append("")
    with open("ext_math_reference.inc", "w") as out:
        out.write("\n".join(lines))


if __name__ == "__main__":
    main()
