#!/usr/bin/python3
"""Reference values of the elliptic integrals and Jacobi functions.

Writes ell_reference.inc next to this script: tables of rows whose arguments
are exact extended reals (64-bit significand) and whose expected value is the
40-digit mpmath result split into hi + lo, each rounded to an extended real,
so that the test can measure its error in ulps of the 64-bit significand.

The arguments are exact binary numbers, so the functions are evaluated with
30 guard digits over the 40: the reduction of phi = 1e10 modulo pi, or cos phi
next to phi = pi/2, cancels that many digits and must not eat into the 40.
Every value is computed twice, at 40 and at 60 digits (both with the guard),
and the script stops if the two disagree beyond 2^-118 relative: a reference
row is only written when mpmath itself is sure of it.  mpmath takes the
parameter m = k^2.

Each expected value carries its condition, the ulps by which the exact value
moves when the arguments move by one ulp each (central differences at 120
digits): the groups next to singular points are bounded per unit of it.

Run: /usr/bin/python3 generate_ell_reference.py  (deterministic output)
"""

import os
import random

import mpmath as mp

REFERENCE_DIGITS = 40
CHECK_DIGITS = 60
GUARD_DIGITS = 30
CONDITION_DIGITS = 120
CONDITION_STEP = mp.mpf(2) ** -150  # relative step of the central differences
AGREEMENT = mp.mpf(2) ** -118
SEED = 20240611

NAN = "NAN"
POS_INF = "+INF"
NEG_INF = "-INF"


SMALLEST_NORMAL = mp.ldexp(1, -16382)
SUBNORMAL_SPACING = mp.ldexp(1, -16445)


def ext(x):
    """x rounded to the nearest extended real (ties to even), on the coarser
    grid of the subnormals below 2^-16382."""
    x = mp.mpf(x)
    if x != 0 and abs(x) < SMALLEST_NORMAL:
        return mp.nint(x / SUBNORMAL_SPACING) * SUBNORMAL_SPACING
    with mp.workprec(64):
        return +x


def next_up(x, steps=1):
    """The extended real `steps` ulps of x's binade above x (staying in it)."""
    x = ext(x)
    _, e = mp.frexp(x)
    return x + steps * mp.ldexp(1, int(e) - 64)


def hex_literal(x):
    if x == 0:
        return "0x0p+0L"
    sign = "-" if x < 0 else ""
    man, exp = int(abs(x).man), int(abs(x).exp)
    shift = 64 - man.bit_length()
    assert shift >= 0, "not an extended real"
    return "%s0x%016Xp%+dL" % (sign, man << shift, exp - shift)


def split(value):
    """hi + lo, both extended, hi the rounding of the value."""
    hi = ext(value)
    lo = ext(value - hi)
    return hi, lo


def is_special(value):
    return isinstance(value, str)


def expected_literals(value):
    if is_special(value):
        special = {NAN: "kRefNaN", POS_INF: "kRefInf", NEG_INF: "-kRefInf"}[value]
        return special, "0x0p+0L"
    hi, lo = split(value)
    return hex_literal(hi), hex_literal(lo)


def evaluate(function, *args):
    """function(*args) at the reference precision, checked at a higher one."""
    with mp.workdps(REFERENCE_DIGITS + GUARD_DIGITS):
        value = function(*args)
    if is_special(value):
        return value
    with mp.workdps(CHECK_DIGITS + GUARD_DIGITS):
        check = function(*args)
    if is_special(check):
        raise SystemExit("mpmath unsure of %s%s: %s vs %s" % (function.__name__, args, value, check))
    scale = max(abs(check), mp.mpf(2) ** -1000)
    if abs(value - check) > AGREEMENT * scale:
        raise SystemExit("mpmath unsure of %s%s: %s vs %s" % (function.__name__, args, value, check))
    return value


# ---- the functions, in the routines' own arguments --------------------------


def complete_k(k, _unused=0):
    if abs(k) > 1:
        return NAN
    if abs(k) == 1:
        return POS_INF
    return mp.ellipk(k * k)


def incomplete_f(phi, k):
    m = k * k
    if m == 1:
        if abs(phi) < mp.pi / 2:
            return mp.asinh(mp.tan(phi))
        return POS_INF if phi > 0 else NEG_INF
    if m > 1 and (abs(k * mp.sin(phi)) > 1 or abs(phi) > mp.pi / 2):
        return NAN
    return mp.re(mp.ellipf(phi, m))


def jacobi(kind, u, m):
    return mp.re(mp.ellipfun(kind, u, m))


def sn_from_mc(u, mc):
    return jacobi("sn", u, 1 - mc)


def cn_from_mc(u, mc):
    return jacobi("cn", u, 1 - mc)


def dn_from_mc(u, mc):
    return jacobi("dn", u, 1 - mc)


# Beyond this modulus mpmath's Jacobi functions go astray (a parameter k^2
# beyond the double range): sn, cn, dn come from those of the modulus 1/k.
LARGE_MODULUS = mp.mpf("1e100")


def jacobi_from_k(kind, u, k):
    if abs(k) <= LARGE_MODULUS:
        return jacobi(kind, u, k * k)
    k = abs(k)
    reciprocal = {"sn": "sn", "cn": "dn", "dn": "cn"}[kind]
    value = jacobi(reciprocal, k * u, 1 / (k * k))
    return value / k if kind == "sn" else value


def sn_from_k(u, k):
    return jacobi_from_k("sn", u, k)


def cn_from_k(u, k):
    return jacobi_from_k("cn", u, k)


def dn_from_k(u, k):
    return jacobi_from_k("dn", u, k)


def incomplete_f_tan(x, kc):
    """F(arctan x | k) for the modulus whose complement is kc, in Carlson's
    form x RF(1, 1 + kc^2 x^2, 1 + x^2): no arc tangent of a huge x and no
    1 - kc^2 to lose digits to."""
    if kc == 0:
        return mp.asinh(x)
    return x * mp.elliprf(1, 1 + (kc * x) ** 2, 1 + x * x)


def arcsc(x, k):
    if k * k == 1:
        # F(arctan x | 1) = arcsinh x; through tan(arctan x) a huge x would
        # need as many digits as its exponent
        return mp.asinh(x)
    return incomplete_f(mp.atan(x), k)


def complementary_k(k, _unused=0):
    """K'(k) = K(sqrt(1 - k^2)) = pi / (2 agm(1, k)): no 1 - k^2 to lose a tiny
    k in."""
    if abs(k) > 1:
        return NAN
    if k == 0:
        return POS_INF
    return mp.pi / (2 * mp.agm(1, abs(k)))


def quarter_period_of_reciprocal(x, _unused=0):
    """K(1/x) from the parameter 1/x^2."""
    if x == 1:
        return POS_INF
    return mp.ellipk(1 / (x * x))


def parameter_complement_of_reciprocal(x, _unused=0):
    """1 - 1/x^2."""
    return 1 - 1 / (x * x)


def elliptic_rational(x, n):
    """C, sqrt(L) and k_n of the elliptic rational function of degree n for the
    modulus 1/x, from their definitions: R_n(1) = 1 over the zeros sn(mK/n),
    and k_n = k^n prod sn(mK/n)^4 over the odd m below n."""
    n = int(n)
    m = 1 / (x * x)
    big_k = mp.ellipk(m)
    zeros = [mp.ellipfun("sn", (2 * i if n % 2 else 2 * i - 1) * big_k / n, m=m) for i in range(1, n // 2 + 1)]
    constant = mp.fprod(abs((1 - (x / z) ** 2) / (1 - z * z)) for z in zeros)
    odd_multiples = [mp.ellipfun("sn", j * big_k / n, m=m) for j in range(1, n, 2)]
    modulus = mp.fprod(z**4 / (x * x) for z in odd_multiples) / (x if n % 2 else 1)
    return constant, 1 / mp.sqrt(modulus), modulus


def elliptic_rational_constant(x, n):
    return elliptic_rational(x, n)[0]


def elliptic_rational_root(x, n):
    return elliptic_rational(x, n)[1]


def elliptic_rational_modulus(x, n):
    return elliptic_rational(x, n)[2]


def real_quarter_period(m):
    """The real quarter period of sn(u | m)."""
    if m <= 1:
        return mp.ellipk(m)
    return mp.ellipk(1 / m) / mp.sqrt(m)


# ---- argument sets ---------------------------------------------------------


def condition(function, a, b):
    """(|a df/da| + |b df/db|) / |f|: the ulps by which f moves when each
    argument moves by one ulp, the error that the rounding of the arguments
    alone would cause.  0 for a NaN, infinite or zero value."""
    with mp.workdps(CONDITION_DIGITS):
        value = function(a, b)
        if is_special(value) or value == 0:
            return mp.mpf(0)
        total = mp.mpf(0)
        for which, x in enumerate((a, b)):
            if x == 0 or (which == 1 and abs(x) == 1):
                # k = 1 is a case of its own, not a point of a continuum
                continue
            h = abs(x) * CONDITION_STEP
            up = [a, b]
            down = [a, b]
            up[which] += h
            down[which] -= h
            f_up, f_down = function(*up), function(*down)
            if is_special(f_up) or is_special(f_down):
                return mp.mpf("1e30")
            total += abs(x * (f_up - f_down) / (2 * h))
        return total / abs(value)


def arcsc_condition(x, k):
    """arcsc goes through phi = arctan x, rounded: its condition is that of
    F(phi, k) in phi and k, not that of arcsc in x."""
    if k * k == 1:
        return condition(arcsc, x, k)
    with mp.workdps(CONDITION_DIGITS):
        phi = mp.atan(x)
    return condition(incomplete_f, phi, k)


def condition_literal(function, a, b):
    if function is arcsc:
        value = arcsc_condition(a, b)
    else:
        value = condition(function, a, b)
    return mp.nstr(value, 4, min_fixed=-3, max_fixed=5) + "L"


class Group:
    """plain: no condition (0), for rows whose second argument is an exact
    count rather than a point of a continuum."""

    def __init__(self, name, comment, columns, plain=False):
        self.name, self.comment, self.columns, self.rows, self.plain = name, comment, columns, [], plain

    def add(self, a, b=0):
        a, b = ext(a), ext(b)
        expected = []
        for function in self.columns:
            expected.extend(expected_literals(evaluate(function, a, b)))
            expected.append("0L" if self.plain else condition_literal(function, a, b))
        self.rows.append((hex_literal(a), hex_literal(b), *expected))


def uniform(rng, low, high):
    return ext(mp.mpf(low) + (mp.mpf(high) - mp.mpf(low)) * mp.mpf(rng.random()))


def log_uniform(rng, low, high):
    return ext(mp.exp(mp.log(low) + (mp.log(high) - mp.log(low)) * mp.mpf(rng.random())))


def complete_k_groups(rng):
    tiny = Group("kCompleteKTiny", "K(k), |k| <= 2.25e-5 (the series) and just above", [complete_k])
    bound = ext(mp.mpf("2.25e-5"))
    for k in [mp.ldexp(1, -70), mp.ldexp(1, -40), mp.mpf("1e-10"), mp.mpf("1e-5"), bound,
              next_up(bound, -1), next_up(bound), next_up(bound, 2), mp.mpf("3e-5"), mp.mpf("1e-4")]:
        tiny.add(k)
        tiny.add(-k)
    for _ in range(10):
        tiny.add(log_uniform(rng, "1e-12", "2.25e-5"))

    below = Group("kCompleteKBelowOne", "K(k), 2.25e-5 < |k| <= 0.999", [complete_k])
    for k in ["0.5", "0.7071067811865475244", "0.1", "0.9", "0.99", "0.999"]:
        below.add(mp.mpf(k))
    for _ in range(30):
        below.add(uniform(rng, "2.25e-5", "0.999"))
    for _ in range(10):
        below.add(-log_uniform(rng, "2.25e-5", "0.999"))

    near = Group("kCompleteKNearOne", "K(k), k within 1e-3 of 1: the logarithmic pole", [complete_k])
    for j in range(10, 65, 3):
        near.add(1 - mp.ldexp(1, -j))
    near.add(1 - mp.ldexp(1, -64))
    near.add(1 - 3 * mp.ldexp(1, -62))
    near.add(-(1 - mp.ldexp(1, -50)))
    for _ in range(8):
        near.add(1 - log_uniform(rng, "1e-19", "1e-3"))

    special = Group("kCompleteKSpecial", "K(k) at |k| = 1 (+inf) and |k| > 1 (NaN)", [complete_k])
    for k in [1, -1, 1 + mp.ldexp(1, -63), mp.mpf("1.5"), 2, mp.mpf("1e100"), mp.mpf("-1.5")]:
        special.add(k)
    return [tiny, below, near, special]


def incomplete_f_groups(rng):
    half_pi = mp.pi / 2
    principal = Group("kIncompleteFPrincipal", "F(phi, k), |phi| < pi/2, 0 < |k| < 1", [incomplete_f])
    for phi in [mp.mpf("1e-300"), mp.mpf("1e-10"), mp.mpf("0.5"), mp.mpf("1"), mp.mpf("1.5")]:
        principal.add(phi, mp.mpf("0.5"))
    for _ in range(35):
        principal.add(uniform(rng, -half_pi * 0.999, half_pi * 0.999), uniform(rng, "0.001", "0.99"))
    for _ in range(5):
        principal.add(uniform(rng, -1.5, 1.5), -uniform(rng, "0.001", "0.99"))
    for _ in range(5):
        principal.add(uniform(rng, -1.5, 1.5), log_uniform(rng, "1e-12", "2.25e-5"))

    periods = Group("kIncompleteFPeriods", "F(phi, k), |phi| up to 25 and beyond, 0 < k < 1", [incomplete_f])
    for _ in range(40):
        periods.add(uniform(rng, -25, 25), uniform(rng, "0.001", "0.99"))
    for phi in ["100", "-1000", "123456.75", "1e10"]:
        periods.add(mp.mpf(phi), mp.mpf("0.8"))

    pole = Group("kIncompleteFNearPole",
                 "F(phi, k) with phi at or next to an odd multiple of pi/2 (the pole of tan), "
                 "or next to a multiple of pi", [incomplete_f])
    for n in [1, 3, 5, 11, -7]:
        centre = ext(n * half_pi)
        for k in ["0.5", "0.9", "0.999"]:
            for steps in [0, 1, -1, 3, -8, 1 << 20]:
                pole.add(next_up(centre, steps), mp.mpf(k))
    for n in [1, 2, -4]:
        for offset in ["1e-8", "-1e-15", "3e-19"]:
            pole.add(ext(n * mp.pi) + mp.mpf(offset), mp.mpf("0.6"))

    near = Group("kIncompleteFNearOne", "F(phi, k), k within 1e-3 of 1", [incomplete_f])
    for j in [10, 20, 30, 40, 50, 60, 64]:
        for phi in ["0.3", "1.2", "1.57", "1.5707963267", "2", "-4", "10"]:
            near.add(mp.mpf(phi), 1 - mp.ldexp(1, -j))

    at_one = Group("kIncompleteFAtOne", "F(phi, 1) = arcgd(phi) for |phi| < pi/2, +-inf beyond",
                   [incomplete_f])
    for phi in [mp.mpf("1e-12"), mp.mpf("0.3"), mp.mpf("-0.85"), mp.mpf("0.86"), mp.mpf(1),
                mp.mpf("1.5"), mp.mpf("-1.57"), next_up(ext(half_pi), -1), next_up(ext(half_pi), -1000)]:
        at_one.add(phi, 1)
    for _ in range(10):
        at_one.add(uniform(rng, -1.57, 1.57), -1 if rng.random() < 0.3 else 1)
    for phi in [ext(half_pi), 2, -2, 100]:
        at_one.add(phi, 1)

    above = Group("kIncompleteFAboveOne", "F(phi, k), k > 1, |k sin phi| <= 0.99", [incomplete_f])
    for _ in range(30):
        k = log_uniform(rng, "1.000001", "1e6")
        limit = mp.asin(mp.mpf("0.99") / k)
        above.add(uniform(rng, -limit, limit), k)
    for k in [2, 10]:
        above.add(mp.asin(mp.mpf("0.5") / k), k)

    edge = Group("kIncompleteFAboveOneEdge",
                 "F(phi, k), k > 1, k sin phi within 2^-20 of 1 (the end of the domain), "
                 "and outside the domain (NaN)", [incomplete_f])
    for k in ["1.1", "2", "1000"]:
        k = mp.mpf(k)
        for j in [20, 30, 40, 50, 60]:
            phi = ext(mp.asin((1 - mp.ldexp(1, -j)) / k))
            edge.add(phi, k)
            edge.add(-phi, k)
    edge.add(half_pi, 2)
    edge.add(mp.mpf("0.6"), 2)
    edge.add(3, mp.mpf("1.01"))
    edge.add(-3, mp.mpf("1.01"))
    return [principal, periods, pole, near, at_one, above, edge]


JACOBI_FROM_MC = [sn_from_mc, cn_from_mc, dn_from_mc]
JACOBI_FROM_K = [sn_from_k, cn_from_k, dn_from_k]


def jacobi_groups(rng):
    quarter = Group("kJacobiQuarterPeriod",
                    "sn, cn, dn from 1e-3 <= mc < 1 (also next to 1), |u| <= 0.75 K", JACOBI_FROM_MC)
    mcs = [uniform(rng, "0.001", "0.999") for _ in range(14)]
    mcs += [mp.mpf("0.001")] + [1 - mp.ldexp(1, -j) for j in (10, 30, 50, 64)]
    for mc in mcs:
        mc = ext(mc)
        quarter_period = mp.ellipk(1 - mc)
        for _ in range(3):
            quarter.add(uniform(rng, -0.75 * quarter_period, 0.75 * quarter_period), mc)
    quarter.add(mp.mpf("1e-20"), mp.mpf("0.5"))
    quarter.add(mp.mpf("-1e-300"), mp.mpf("0.5"))

    negative = Group("kJacobiNegativeMc",
                     "sn, cn, dn from -1e6 <= mc <= -1e-3 (k > 1), |u| <= 0.75 of the real quarter period",
                     JACOBI_FROM_MC)
    for _ in range(20):
        mc = -log_uniform(rng, "1e-3", "1e6")
        quarter_period = real_quarter_period(1 - mc)
        negative.add(uniform(rng, -0.75 * quarter_period, 0.75 * quarter_period), mc)

    unit = Group("kJacobiNearUnitModulus",
                 "sn, cn, dn from 0 < |mc| < 1e-3, next to k = 1 where the quarter period grows "
                 "without bound, |u| <= 0.75 of it", JACOBI_FROM_MC)
    mcs = [mp.ldexp(1, -j) for j in (20, 40, 60, 64, 80)]
    mcs += [log_uniform(rng, "1e-18", "1e-3") for _ in range(5)]
    mcs += [-log_uniform(rng, "1e-18", "1e-3") for _ in range(6)]
    for mc in mcs:
        mc = ext(mc)
        quarter_period = real_quarter_period(1 - mc)
        for _ in range(3):
            unit.add(uniform(rng, -0.75 * quarter_period, 0.75 * quarter_period), mc)

    large = Group("kJacobiLargeMc", "sn, cn, dn from mc > 1 (imaginary modulus), |u| <= 0.75 K",
                  JACOBI_FROM_MC)
    for _ in range(8):
        mc = log_uniform(rng, "1.001", "100")
        quarter_period = mp.ellipk(1 - mc)
        large.add(uniform(rng, -0.75 * quarter_period, 0.75 * quarter_period), mc)

    periods = Group("kJacobiPeriods",
                    "sn, cn, dn over several periods and at u next to K, 3K (the zeros of cn), "
                    "2K (the zeros of sn): absolute error", JACOBI_FROM_MC)
    for _ in range(25):
        mc = uniform(rng, "0.001", "0.999")
        quarter_period = mp.ellipk(1 - mc)
        periods.add(uniform(rng, -12 * quarter_period, 12 * quarter_period), mc)
    for mc in ["0.75", "0.01", "1e-10"]:
        mc = ext(mp.mpf(mc))
        quarter_period = mp.ellipk(1 - mc)
        for multiple in [1, 2, 3, -1]:
            for offset in [0, mp.mpf("1e-10"), mp.mpf("-1e-5")]:
                periods.add(multiple * quarter_period + offset, mc)
    for _ in range(8):
        mc = -log_uniform(rng, "1e-6", "100")
        quarter_period = real_quarter_period(1 - mc)
        periods.add(uniform(rng, -8 * quarter_period, 8 * quarter_period), mc)

    from_k = Group("kJacobiFromModulus",
                   "JacobiSn, JacobiCn, JacobiDn from k (1e-8 <= |k| <= 0.999 and 1.001 <= k <= 100), "
                   "|u| <= 0.75 of the real quarter period", JACOBI_FROM_K)
    ks = [uniform(rng, "0.001", "0.999") for _ in range(10)]
    ks += [mp.mpf("0.5"), mp.mpf("-0.3"), mp.mpf("1e-8")]
    ks += [log_uniform(rng, "1.001", "100") for _ in range(6)]
    for k in ks:
        k = ext(k)
        quarter_period = real_quarter_period(k * k)
        for _ in range(2):
            from_k.add(uniform(rng, -0.75 * quarter_period, 0.75 * quarter_period), k)
    return [quarter, negative, unit, large, periods, from_k]


def inverse_sc_groups(rng):
    principal = Group("kInverseScPrincipal",
                      "arcsc(x, k) for 0 < |k| <= 0.99, |x| <= 1e3, and for k > 1 with "
                      "k sin(arctan x) <= 0.99", [arcsc])
    for x in ["0.5", "1e-10", "2", "-7", "1000"]:
        principal.add(mp.mpf(x), mp.mpf("0.5"))
    for _ in range(25):
        x = log_uniform(rng, "1e-6", "1e3") * (1 if rng.random() < 0.5 else -1)
        principal.add(x, uniform(rng, "0.001", "0.99"))
    for _ in range(10):
        k = log_uniform(rng, "1.001", "100")
        limit = mp.tan(mp.asin(mp.mpf("0.99") / k))
        principal.add(uniform(rng, -limit, limit), k)

    at_one = Group("kInverseScAtOne", "arcsc(x, 1) = arcsinh x", [arcsc])
    for x in ["1e-20", "0.5", "-3", "1e10", "-1e300"]:
        at_one.add(mp.mpf(x), 1)

    singular = Group("kInverseScNearSingular",
                     "arcsc(x, k) with k within 1e-6 of 1 and large x, and with k sin(arctan x) "
                     "next to 1 for k > 1", [arcsc])
    for j in [20, 30, 40, 50, 60]:
        for x in ["10", "1e5", "1e10", "-1e15"]:
            singular.add(mp.mpf(x), 1 - mp.ldexp(1, -j))
    for k in ["1.5", "10"]:
        k = mp.mpf(k)
        for j in [20, 40, 60]:
            singular.add(mp.tan(mp.asin((1 - mp.ldexp(1, -j)) / k)), k)
    return [principal, at_one, singular]


def extreme_groups():
    """The ends of the exponent range, where an intermediate used to overflow
    on the way to a finite result.  Fixed arguments only: no random numbers,
    so that the groups above keep theirs."""
    largest = mp.ldexp(2 ** 64 - 1, 16384 - 64)
    smallest = mp.ldexp(1, -16445)
    threshold = mp.ldexp(1, 8191)  # beyond it a modulus squared may overflow

    tan_group = Group("kIncompleteFTanExtreme",
                      "F(arctan x | kc) with x or kc next to the ends of the exponent range",
                      [incomplete_f_tan])
    for x, kc in [(largest, 1), (largest, "0.5"), (largest, "1e-3"), (largest, 2), (largest, largest),
                  (1, "1e3000"), ("1e4000", "1e3000"), ("1e-4000", "1e3000"), (1, largest), ("1e-300", "1e4900"),
                  ("1e-4935", "0.5"), (smallest, 1), (mp.ldexp(3, -16440), "1e-4935"), ("-1e-4000", "0.5"),
                  ("1e2000", "1e-2000"), (largest, "1e-4900"), ("-1e4930", "1e-4900")]:
        tan_group.add(mp.mpf(x), mp.mpf(kc))

    tiny = Group("kIncompleteFTiny", "F(phi, k) and arcsc(x, k) for subnormal and tiny phi or x",
                 [incomplete_f])
    for phi, k in [("1e-4935", "0.5"), ("-1e-4935", "0.99"), (5 * smallest, "0.5"), ("1e-4935", 2),
                   ("1e-4940", "1e-3"), ("1e-4000", "0.5"), ("-1e-2470", "0.5")]:
        tiny.add(mp.mpf(phi), mp.mpf(k))
    tiny_sc = Group("kInverseScTiny", "arcsc(x, k) for subnormal and tiny x", [arcsc])
    for x, k in [("1e-4935", "0.5"), (-mp.ldexp(1, -16440), "0.3"), ("1e-4940", 2), ("1e-3000", "0.99")]:
        tiny_sc.add(mp.mpf(x), mp.mpf(k))

    huge_k = Group("kIncompleteFHugeModulus",
                   "F(phi, k) for k beyond 2^8191, where k^2 overflows, and next to it", [incomplete_f])
    for k in [threshold, next_up(threshold), mp.mpf("1e2467"), mp.mpf("1e4000"), largest]:
        for s in ["0.3", "-0.9", "1"]:
            huge_k.add(mp.asin(mp.mpf(s) / k), k)
    huge_k.add(mp.mpf("1e-2400"), mp.mpf("1e2467"))  # k sin phi = 1e67: NaN

    tiny_u = Group("kJacobiTinyArgument",
                   "sn, cn, dn from mc for |u| below 9.5e-2467, where c cot(c u) squared overflows, "
                   "down to the subnormals", JACOBI_FROM_MC)
    for u in [mp.mpf("1e-2470"), mp.mpf("9.5e-2467"), mp.mpf("-1e-4000"), mp.mpf("1e-4935"), 7 * smallest]:
        for mc in ["0.5", "3", "-3", "1e-10", "-1e6"]:
            tiny_u.add(u, mp.mpf(mc))

    huge_u_k = Group("kJacobiHugeModulus",
                     "JacobiSn, JacobiCn, JacobiDn for k beyond 2^8191 and next to it, k u from 0.5 to 10",
                     JACOBI_FROM_K)
    for k in [threshold, next_up(threshold), mp.mpf("1e2467"), mp.mpf("-1e4000"), largest]:
        for theta in ["0.5", "-2", "10"]:
            huge_u_k.add(mp.mpf(theta) / k, k)
    return [tan_group, tiny, tiny_sc, huge_k, tiny_u, huge_u_k]


def quarter_period_groups():
    """K' of any modulus, K of a modulus given by its reciprocal, and the
    elliptic rational function; fixed arguments only, like extreme_groups."""
    smallest = mp.ldexp(1, -16445)
    complementary = Group("kComplementaryK",
                          "K'(k) from the subnormals to 1, +inf at 0, NaN beyond 1", [complementary_k])
    for k in [smallest, mp.mpf("1e-4935"), mp.mpf("1e-4000"), mp.mpf("1e-100"), mp.ldexp(1, -64),
              mp.mpf("5e-11"), mp.mpf("1e-10"), 1 / mp.mpf("196.51284645671977"), mp.mpf("2.25e-5"), mp.mpf("0.1"),
              mp.mpf("0.5"), mp.mpf("0.9"), mp.mpf("0.99"), 1 - mp.ldexp(1, -32), 1 - mp.ldexp(1, -64), 1,
              mp.mpf("-0.5"), 0, mp.mpf("1.5")]:
        complementary.add(k)

    reciprocal = Group("kQuarterPeriodOfReciprocal",
                       "K(1/x) for x from just above 1 to 1e4000, +inf at 1", [quarter_period_of_reciprocal])
    complement = Group("kParameterComplementOfReciprocal", "1 - 1/x^2 for the same x",
                       [parameter_complement_of_reciprocal])
    for x in [1 + mp.ldexp(1, -63), 1 + mp.ldexp(1, -40), mp.mpf("1.0001"), mp.mpf("1.01"), mp.mpf("1.02"),
              mp.mpf("1.5"), 2, mp.mpf("2.2") / 2, 10, mp.mpf("1e10"), mp.mpf("1e4000"), 1]:
        reciprocal.add(x)
        complement.add(x)

    rational = [Group("kEllipticRational" + name, "the elliptic rational function of degree n for the modulus "
                      "1/x: its " + what, [column], plain=True)
                for name, what, column in [("Constant", "constant C", elliptic_rational_constant),
                                           ("Root", "sqrt(L)", elliptic_rational_root),
                                           ("Modulus", "k_n = 1/L", elliptic_rational_modulus)]]
    for x in [mp.mpf("1.0001"), mp.mpf("1.01"), mp.mpf("1.02"), mp.mpf("1.5"), 2, 10]:
        for n in [2, 3, 4, 5, 10, 41, 100]:
            for group in rational:
                group.add(x, n)
    for x, n in [(2, 1000), (mp.mpf("1.02"), 1000), (mp.mpf("1e10"), 7)]:
        for group in rational:
            group.add(x, n)
    return [complementary, reciprocal, complement] + rational


def write(groups, path):
    lines = [
        "// Reference values of the elliptic integrals and Jacobi functions, generated by",
        "// generate_ell_reference.py (mpmath, %d digits); regenerate, do not edit." % REFERENCE_DIGITS,
        "// Arguments are exact extended reals; each expected value is hi + lo, followed",
        "// by its condition: the ulps it moves when each argument moves by one ulp.",
        "// Needs EllRow (a, b, hi, lo, cond), JacobiRow (u, mc or k, then hi, lo, cond",
        "// for each of sn, cn, dn), kRefNaN and kRefInf from the including file.",
        "",
    ]
    for group in groups:
        row_type = "JacobiRow" if len(group.columns) == 3 else "EllRow"
        lines.append("// " + group.comment)
        lines.append("constexpr %s %s[] = {" % (row_type, group.name))
        for row in group.rows:
            lines.append("    {" + ", ".join(row) + "},")
        lines.append("};")
        lines.append("")
    with open(path, "w") as out:
        out.write("\n".join(lines))


def main():
    rng = random.Random(SEED)
    mp.mp.dps = REFERENCE_DIGITS
    groups = (complete_k_groups(rng) + incomplete_f_groups(rng) + jacobi_groups(rng) + inverse_sc_groups(rng)
              + extreme_groups() + quarter_period_groups())
    write(groups, os.path.join(os.path.dirname(os.path.abspath(__file__)), "ell_reference.inc"))


if __name__ == "__main__":
    main()
