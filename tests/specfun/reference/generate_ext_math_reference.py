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
one unit in the last place of the 64-bit significand.  A true value below
the normal range is written as the nearest subnormal number with lo = 0.
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


SMALLEST_NORMAL = ldexp(mpf(1), -16382)
SUBNORMAL_SPACING = ldexp(mpf(1), -16445)


def true_value(v):
    """v as hi + lo; a value below the normal range as the nearest subnormal
    and lo = 0, since nothing finer is representable."""
    hi = ext(v)
    if abs(hi) < SMALLEST_NORMAL:
        return nint(v / SUBNORMAL_SPACING) * SUBNORMAL_SPACING, mpf(0)
    return hi, ext(v - hi)


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

    # Groups added later come after every older one, so that the older rows
    # keep their random arguments.
    kernel_groups()
    # beyond ln(largest extended), where cosh overflows but sech = 2 e^-|x| is
    # a subnormal number down to |x| = 11400 (and 0 beyond)
    group("kHyperbolicSecantBeyondLnMax", lambda x: 1 / cosh(x), signed(
        neighbours(ext(LN_MAX))[3:] + uniform(LN_MAX, 11399, 12) + [ext(mpf(11390)), ext(mpf(11410))]))
    # many rows where the reductions' own roundings (of x - n ln 2 times
    # log2 e, and of the remainder modulo pi/2) would show: a few dozen rows
    # rarely meet the arguments where they cost most
    group("kExponentialDense", exp, uniform(-50, 50, 2000))
    circular_groups("Dense", uniform(-1000, 1000, 1000))


def ulp_steps(x, steps):
    """x moved by the given numbers of its own ulps (x a positive extended)."""
    m, e = frexp(x)
    return [x + k * ldexp(mpf(1), e - 64) for k in steps]


def kernel_groups():
    """Where the kernels of the elementary functions have their own hard
    regions: the ends of their reduced ranges and the points where their
    table point or power of two changes."""
    two = mpf(2)
    # logarithm: the extended neighbours of 1, where ln x is about x - 1 and
    # the result is tiny; just below powers of two, where the exponent steps
    # down and the table point is the last one; the boundaries between table
    # points 1 + j/128, around sqrt 2, and the ends of the range
    group("kNaturalLogNextToOne", log,
          ulp_steps(mpf(1), [1, 2, 3, 5, 1000]) + [1 - k * ldexp(mpf(1), -64) for k in (1, 2, 3, 5, 1000)]
          + [ext(1 + s * ldexp(mpf(rng.random()) + 1, -k)) for k in range(30, 64, 3) for s in (1, -1)])
    group("kNaturalLogBelowPowersOfTwo", log,
          [ldexp(1 - ldexp(mpf(rng.randrange(1, 2 ** 10)), -64 + rng.randrange(0, 40)), e)
           for e in [1, 2, -1, 100, -100, 16383, -16381] for _ in range(3)])
    group("kNaturalLogTableEdges", log,
          [ldexp(v, rng.randrange(-16380, 16380)) for j in [rng.randrange(0, 128) for _ in range(12)]
           for v in ulp_steps(1 + (j + mpf(1) / 2) / 128, [-1, 0, 1])]
          + [v for v in neighbours(ext(sqrt(two)))] + [v / 2 for v in neighbours(ext(sqrt(two)))])
    group("kNaturalLogExtremes", log,
          [ldexp(mpf(2 ** 64 - 1), 16384 - 64), ldexp(mpf(1), -16382), ldexp(mpf(1), -16445),
           ldexp(mpf(2 ** 62 + 12345), -16445)]
          + [ldexp(mpf(1), e) for e in (1, -1, 64, -64, 1000, -1000, 16383, -16445)])

    # 2^r - 1 for |r| <= 1, the step of the exponential: near 0, where it is
    # r ln 2; across the whole range; next to the ends and to the middle; and
    # on both sides of the boundaries between its table points j/32
    group("kTwoToPowerMinusOneNearZero", lambda r: two ** r - 1, log_uniform(-70, -6, 40, signed=True))
    group("kTwoToPowerMinusOneWide", lambda r: two ** r - 1, uniform(-1, 1, 60))
    group("kTwoToPowerMinusOneEnds", lambda r: two ** r - 1,
          signed_pairs([mpf(1) - k * ldexp(mpf(1), -64) for k in (0, 1, 2)]
                       + [mpf(1) / 2 + k * ldexp(mpf(1), -64) for k in (-1, 0, 1)]))
    group("kTwoToPowerMinusOneTableEdges", lambda r: two ** r - 1, signed(
        [v for j in [rng.randrange(0, 32) for _ in range(10)]
         for v in ulp_steps((j + mpf(1) / 2) / 32, [-1, 1])]
        + [ext(mpf(j) / 32 + d) for j in [1, 5, 17, 31] for d in (ldexp(mpf(1), -40), -ldexp(mpf(1), -40))]))

    # the circular functions at the top of the reduced range |r| <= pi/4,
    # where the polynomials' tails are largest
    circular_groups("QuarterPi", signed(uniform(0.6, 0.785398, 20)
                                        + ulp_steps(ext(pi / 4), [-1, -2, -3, -50])))

    # arc tangent: on both sides of the boundaries between the table points
    # j/8 and of their reciprocals, next to 1, and at the ends of the range
    boundaries = [(j + mpf(1) / 2) / 8 for j in range(8)]
    group("kArcTangentTableEdges", atan, signed(
        [v for b in boundaries for v in ulp_steps(ext(b), [-1, 1])]
        + [v for b in boundaries for v in ulp_steps(ext(1 / b), [-1, 1])]
        + neighbours(mpf(1))))
    group("kArcTangentExtremes", atan, signed(
        [ldexp(mpf(2 ** 64 - 1), 16384 - 64), ldexp(mpf(1), -16445), ldexp(mpf(3), -16420),
         ldexp(mpf(1), -16382)]
        + log_uniform(60, 16383, 10) + log_uniform(-16440, -60, 10)
        + [v for e in (-41, -40, -39, 39, 40, 41) for v in ulp_steps(ldexp(mpf(1), e), [-1, 0, 1])]))

    # atan2 in each quadrant: near the diagonals, far from them on both axes'
    # sides (down to the ratio where atan t = t), with equal magnitudes, and
    # at the ends of the exponent range
    def quadrants(pairs):
        return [(sy * y, sx * x) for y, x in pairs for sy in (1, -1) for sx in (1, -1)]

    near_diagonal = [(ext(x * mpf(rng.uniform(0.5, 2))), x) for x in log_uniform(-30, 30, 8)]
    steep_and_flat = [(x, ext(x * ldexp(mpf(rng.random()) + 1, e))) for e in (-45, -39, 39, 45)
                      for x in log_uniform(-100, 100, 2)]
    equal = [(x, x) for x in log_uniform(-16000, 16000, 3)]
    extremes = [(ldexp(mpf(2 ** 64 - 1), 16384 - 64), ldexp(mpf(2 ** 63 + 12345), 16383 - 63)),
                (ldexp(mpf(5), -16445), ldexp(mpf(7), -16445)),
                (ldexp(mpf(1), -16445), ldexp(mpf(2 ** 64 - 1), 16384 - 64)),
                (ldexp(mpf(2 ** 64 - 1), 16384 - 64), ldexp(mpf(1), -16445)),
                (ldexp(mpf(3), 16000), ldexp(mpf(5), -16000))]
    BINARY_GROUPS.append(("kArcTangent2Quadrants", atan2,
                          quadrants(near_diagonal + steep_and_flat + equal + extremes)))


def check_exact(name, values):
    for v in values:
        if ext(v) != v:
            raise SystemExit("%s: argument %s is not an extended value" % (name, nstr(v, 25)))


def main():
    mp.prec = WORK_BITS
    os.chdir(os.path.dirname(os.path.abspath(__file__)))
    build_groups()
    for name, f, args in UNARY_GROUPS:
        check_exact(name, args)
    for name, f, args in BINARY_GROUPS:
        check_exact(name, [v for pair in args for v in pair])
    lines = ["// Generated by generate_ext_math_reference.py; do not edit.",
             "// Rows: argument(s), exact; then the true value as hi + lo.", ""]
    for name, f, args in UNARY_GROUPS:
        lines.append("inline constexpr ReferenceRow %s[] = {" % name)
        for x in args:
            hi, lo = true_value(f(x))
            lines.append("    {%s, %s, %s},  // %s" % (literal(x), literal(hi), literal(lo), decimal(x)))
        lines.append("};")
        lines.append("")
    for name, f, args in BINARY_GROUPS:
        lines.append("inline constexpr ReferenceRow2 %s[] = {" % name)
        for y, x in args:
            hi, lo = true_value(f(y, x))
            lines.append("    {%s, %s, %s, %s},  // %s, %s" % (literal(y), literal(x), literal(hi), literal(lo),
                                                          decimal(y), decimal(x)))
        lines.append("};")
        lines.append("")
    with open("ext_math_reference.inc", "w") as out:
        out.write("\n".join(lines))


if __name__ == "__main__":
    main()
