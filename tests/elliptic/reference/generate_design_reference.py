#!/usr/bin/python3
"""Reference values of the four designs, and of the elliptic prototype of a
double-precision peer.

Writes design_reference.inc next to this script.  The requirement is the
designer's default (Amax 1 dB, Amin 40 dB, wp 1, ws 2) at forced orders 1 to
41, and for the elliptic design also at 100 and 1000.  Every value comes from
the textbook formulas evaluated by mpmath: Butterworth poles on the circle of
radius eps^(-1/N), Chebyshev poles on the ellipse of sinh and cosh of
asinh(1/eps)/N, inverse-Chebyshev poles as the scaled reciprocals of the
Chebyshev poles of the stop-band ripple, elliptic attenuation zeros as
sn(u, k) and poles as j sn(u + j v0, k) with a complex argument (not the
addition theorem the designer uses), and the constants of the roots files
from those exact poles and zeros.

The inputs are what the designer computes with: 0.1 * Amax and 0.1 * Amin
rounded to extended reals as the designer rounds them, everything after that
exact.  Each case is computed at 40 and at 60 digits (both with 20 guard
digits) and the script stops unless the two agree to 2^-118: a row is only
written when mpmath is sure of it.  Values are written rounded to the nearest
extended real (64-bit significand).

Each constant and zero also carries its condition: the sum, over the
roundings that the designer's formulas make on the way to it (each
attenuation zero, pole part or angle rounded once), of the relative change of
the value per relative change of that input.  A product of N rounded factors
has condition about N; k0 and alfa take 1 - wza^2, which cancels next to the
band edge; a classical pole near the real axis moves with its rounded angle
by more than its small magnitude; K'(1/alfa^2) is K of sqrt(1 - 1/alfa^4),
a modulus so close to 1 that its last bit moves K by thousands of ulps.  The
test allows a few ulps per unit of condition.

The peer: scipy.signal.ellipap(N, 1, 40), whose double-precision poles and
zeros are recorded as data, beside the reference of the same problem (the
selectivity that gives exactly order N for Amax 1 and Amin 40, found from the
nome) and the reference of the designer's version of it (that selectivity
rounded to an extended real and typed as ws).

Run: /usr/bin/python3 generate_design_reference.py  (deterministic output)
"""

import os
import sys

import mpmath as mp

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "specfun", "reference"))
from generate_ell_reference import ext, hex_literal  # noqa: E402

REFERENCE_DIGITS = 40
CHECK_DIGITS = 60
GUARD_DIGITS = 20
AGREEMENT = mp.mpf(2) ** -118

AMAX, AMIN, WP, WS = 1, 40, 1, 2
ORDERS = list(range(1, 42))
ELLIPTIC_ORDERS = ORDERS + [100, 1000]
PEER_ORDERS = [4, 10, 20, 30, 40]


def requirement(amax, amin):
    """epsilon, alfa^2 and alfa from Amax and Amin."""
    tenth = ext(mp.mpf(1) / 10)
    eps = mp.sqrt(mp.power(10, ext(tenth * amax)) - 1)
    alfa2 = mp.sqrt(mp.power(10, ext(tenth * amin)) - 1) / eps
    return eps, alfa2, mp.sqrt(alfa2)


def log_slope(function, x):
    """|d ln|function(x)| / d ln x| at x > 0."""
    return abs(mp.diff(lambda t: mp.log(abs(function(mp.exp(t)))), mp.log(x)))


def product_condition(pairs, odd, zero_pairs=0, epsilon_share=0):
    """Condition of c = prod |p|^2 (-re of the real pole) / prod wz^2: each
    squared magnitude and each squared zero moves by twice its parts'
    relative change, the real pole by once."""
    return 2 * pairs + (1 if odd else 0) + 2 * zero_pairs + epsilon_share


def magnitude_product(n, poles):
    """The product of the magnitudes of all n poles from the upper half."""
    return mp.fprod(abs(p) ** 2 for p, _ in poles[: n // 2]) * (abs(poles[-1][0]) if n % 2 else 1)


def theta(i, n):
    return (2 * i - 1) * mp.pi / (2 * n)


def upper_half(n):
    """The pole numbers kept: 1 .. ceil(N/2); the others are their conjugates."""
    return range(1, (n + 1) // 2 + 1)


def angle_poles(n, pole):
    """pole(angle) for the upper half, each with the condition of its rounded
    angle: |d pole / d angle| angle / |pole|; the middle pole of an odd order
    real."""
    poles = []
    for i in upper_half(n):
        t = theta(i, n)
        p = pole(t)
        if n % 2 and i == n // 2 + 1:
            p = mp.mpc(p.real, 0)
        poles.append((p, max(1, abs(mp.diff(pole, t)) * t / abs(p))))
    return poles


def butterworth(n):
    eps, _, alfa = requirement(AMAX, AMIN)
    radius = WP * eps ** (mp.mpf(-1) / n)
    poles = angle_poles(n, lambda t: radius * mp.mpc(-mp.sin(t), mp.cos(t)))
    return {"poles": poles, "c": (radius**n, product_condition(n // 2, n % 2)),
            "n": 2 * mp.log(alfa) / mp.log(mp.mpf(WS) / WP)}


def chebyshev(n):
    eps, alfa2, _ = requirement(AMAX, AMIN)
    a = mp.asinh(1 / eps) / n
    poles = angle_poles(n, lambda t: WP * mp.mpc(-mp.sin(t) * mp.sinh(a), mp.cos(t) * mp.cosh(a)))
    c = magnitude_product(n, poles)
    share = 0
    if n % 2 == 0:
        c /= mp.sqrt(1 + eps**2)
        share = eps**2 / (1 + eps**2)
    return {"poles": poles, "c": (c, product_condition(n // 2, n % 2, 0, share)),
            "n": mp.acosh(alfa2) / mp.acosh(mp.mpf(WS) / WP)}


def inverse_chebyshev(n):
    eps, alfa2, _ = requirement(AMAX, AMIN)
    wpn = 1 / mp.cosh(mp.acosh(alfa2) / n)
    b = mp.asinh(eps * alfa2) / n
    scale = WP / wpn
    poles = angle_poles(n, lambda t: scale / mp.mpc(-mp.sin(t) * mp.sinh(b), mp.cos(t) * mp.cosh(b)))
    angles = [(2 * k + 1) * mp.pi / (2 * n) for k in range(n // 2)]
    # the angle is rounded once: cos moves by its tangent times it
    zeros = [(scale / mp.cos(a), 1 + a * abs(mp.tan(a))) for a in angles]
    c = magnitude_product(n, poles) / mp.fprod(z**2 for z, _ in zeros)
    return {"poles": poles, "zeros": zeros, "c": (c, product_condition(n // 2, n % 2, n // 2)), "wpn": (wpn, 1)}


def elliptic(n, ws=WS):
    eps, alfa2, _ = requirement(AMAX, AMIN)
    xi = mp.mpf(ws) / WP
    m = 1 / xi**2
    k1 = 1 / alfa2
    big_k = mp.ellipk(m)
    big_k1 = mp.ellipk(k1**2)
    odd = n % 2
    pairs = n // 2
    wza = [mp.ellipfun("sn", (2 * i if odd else 2 * i - 1) * big_k / n, m=m) for i in range(1, pairs + 1)]
    k0 = eps * mp.fprod(abs((1 - (xi / w) ** 2) / (1 - w**2)) for w in wza)
    v0 = big_k * mp.ellipf(mp.atan(1 / eps), 1 - k1**2) / (n * big_k1)
    def pole(u):
        """j sn(u + j v0), with the condition of the rounded u and v0."""
        z = mp.mpc(u, v0)
        sn = mp.ellipfun("sn", z, m=m)
        slope = abs(mp.ellipfun("cn", z, m=m) * mp.ellipfun("dn", z, m=m))
        return WP * 1j * sn, max(1, slope * (u + v0) / abs(sn))

    poles = [pole(big_k * (2 * j + 2 if odd else 2 * j + 1) / n) for j in range(pairs)]
    if odd:
        p, cond = pole(0)
        poles.append((mp.mpc(p.real, 0), cond))
    zeros = [WP * xi / w for w in wza]
    alfa = (k0 / eps) * mp.fprod(abs((xi - w**2) / (xi - (xi / w) ** 2)) for w in wza)
    if odd:
        alfa *= mp.sqrt(xi)
    c = mp.fprod(abs(p) ** 2 for p, _ in poles[:pairs])
    c = c * -poles[-1][0].real if odd else c / mp.sqrt(1 + eps**2)
    c /= mp.fprod(z**2 for z in zeros)

    # conditions with respect to each rounded attenuation zero (and epsilon)
    def k0_factor(w):
        return (1 - (xi / w) ** 2) / (1 - w**2)

    def alfa_factor(w):
        return k0_factor(w) * (xi - w**2) / (xi - (xi / w) ** 2)

    k0_cond = 1 + mp.fsum(log_slope(k0_factor, w) for w in wza)
    alfa_cond = mp.fsum(log_slope(alfa_factor, w) for w in wza)
    t = (eps * alfa**2) ** 2
    amin_cond = t / ((1 + t) * mp.log(1 + t)) * (4 * alfa_cond + 2)
    c_cond = product_condition(pairs, odd, pairs, 0 if odd else eps**2 / (1 + eps**2))
    return {
        "wza": wza, "zeros": zeros, "poles": poles, "k0": (k0, k0_cond), "v0": (v0, 1), "alfa": (alfa, alfa_cond),
        "amin": (10 * mp.log10(1 + t), amin_cond), "c": (c, c_cond),
        "n": ((big_k * mp.ellipk(1 - k1**2)) / (mp.ellipk(1 - m) * big_k1),
              max(1, log_slope(lambda kp: mp.ellipk(kp**2), mp.sqrt(1 - k1**2)))),
    }


def peer_selectivity(n):
    """The ws (wp = 1) for which Amax 1 and Amin 40 need exactly order n."""
    eps, alfa2, _ = requirement(AMAX, AMIN)
    k1 = 1 / alfa2
    ratio = n * mp.ellipk(k1**2) / mp.ellipk(1 - k1**2)  # K(k)/K'(k) of the design
    q = mp.exp(-mp.pi / ratio)
    k = (mp.jtheta(2, 0, q) / mp.jtheta(3, 0, q)) ** 2
    return 1 / k


def peer_case(n):
    xi = peer_selectivity(n)
    exact = elliptic(n, xi)
    typed = ext(xi)
    designer = elliptic(n, typed)
    return {"ws": typed, "exact_poles": exact["poles"], "exact_zeros": exact["zeros"],
            "poles": designer["poles"], "zeros": designer["zeros"]}


def flatten(value):
    if isinstance(value, dict):
        return [x for key in sorted(value) for x in flatten(value[key])]
    if isinstance(value, (list, tuple)):
        return [x for item in value for x in flatten(item)]
    if isinstance(value, mp.mpc):
        return [value.real, value.imag]
    return [value]


def evaluate(function, *args):
    """function(*args) at the reference precision, checked at a higher one."""
    with mp.workdps(REFERENCE_DIGITS + GUARD_DIGITS):
        value = function(*args)
    with mp.workdps(CHECK_DIGITS + GUARD_DIGITS):
        check = function(*args)
    for a, b in zip(flatten(value), flatten(check)):
        if abs(a - b) > AGREEMENT * max(abs(b), mp.mpf(2) ** -16000):
            raise SystemExit("mpmath unsure of %s%s: %s vs %s" % (function.__name__, args, a, b))
    return value


def literal(x):
    return hex_literal(ext(x))


def value_literal(value):
    """{value, condition}; a plain value has condition 1."""
    x, cond = value if isinstance(value, tuple) else (value, 1)
    return "{%s, %.4eL}" % (literal(x), cond)


def complex_literal(z):
    """{re, im, condition}."""
    z, cond = z if isinstance(z, tuple) else (z, 1)
    return "{%s, %s, %.4eL}" % (literal(z.real), literal(z.imag), cond)


class Table:
    """A flat array of values, and the offsets of each case in it."""

    def __init__(self, name, kind, render):
        self.name, self.kind, self.render, self.rows = name, kind, render, []

    def add(self, values):
        first = len(self.rows)
        self.rows.extend(self.render(v) for v in values)
        return first

    def text(self):
        body = "".join("    %s,\n" % row for row in self.rows) or "    {},\n"
        return "constexpr %s %s[] = {\n%s};\n" % (self.kind, self.name, body)


def double_literal(x):
    return float(x).hex()


def main():
    # abs() and the splitting of the literals round to the working precision
    mp.mp.dps = CHECK_DIGITS + GUARD_DIGITS
    out = [
        "// Reference values of the four designs, generated by generate_design_reference.py",
        "// (mpmath, 40 digits, rounded to extended reals); regenerate, do not edit.",
        "// A RefValue is {value, condition}: the relative change of the value per",
        "// relative change of each rounding the designer's formulas make on the way.",
        "// Needs RefValue, RefComplex {re, im, condition}, PeerComplex, EllipticCase, ClassicalCase",
        "// and PeerCase from the including file.",
        "",
    ]
    eps, alfa2, alfa = evaluate(requirement, AMAX, AMIN)
    out.append("// epsilon, alfa^2 and alfa of Amax 1 dB and Amin 40 dB")
    out.append("constexpr long double kEpsilon = %s;" % literal(eps))
    out.append("constexpr long double kAlfa2 = %s;" % literal(alfa2))
    out.append("constexpr long double kAlfa = %s;" % literal(alfa))
    out.append("// the computed orders n of ws/wp = 2")
    for name, design in (("kEllipticN", elliptic), ("kButterworthN", butterworth), ("kChebyshevN", chebyshev)):
        out.append("constexpr RefValue %s = %s;" % (name, value_literal(evaluate(design, 4)["n"])))
    out.append("")

    tables = []
    # elliptic: attenuation zeros, transmission zeros and upper poles (the
    # real pole of an odd order last) of each order
    wza = Table("kEllipticWza", "long double", literal)
    wz = Table("kEllipticWz", "long double", literal)
    poles = Table("kEllipticPoles", "RefComplex", complex_literal)
    cases = []
    for n in ELLIPTIC_ORDERS:
        d = evaluate(elliptic, n)
        cases.append("    {%d, %d, %d, %d, %s, %s, %s, %s, %s}," % (
            n, wza.add(d["wza"]), wz.add(d["zeros"]), poles.add(d["poles"]),
            value_literal(d["k0"]), value_literal(d["v0"]), value_literal(d["alfa"]), value_literal(d["amin"]),
            value_literal(d["c"])))
    tables += [wza, wz, poles]
    case_tables = [("EllipticCase", "kEllipticCases", cases)]

    for prefix, design in (("Butterworth", butterworth), ("Chebyshev", chebyshev),
                           ("InverseChebyshev", inverse_chebyshev)):
        poles = Table("k%sPoles" % prefix, "RefComplex", complex_literal)
        zeros = Table("k%sZeros" % prefix, "RefValue", value_literal)
        cases = []
        for n in ORDERS:
            d = evaluate(design, n)
            cases.append("    {%d, %d, %d, %s, %s}," % (
                n, poles.add(d["poles"]), zeros.add(d.get("zeros", [])), value_literal(d.get("wpn", (0, 0))),
                value_literal(d["c"])))
        tables += [poles, zeros]
        case_tables.append(("ClassicalCase", "k%sCases" % prefix, cases))

    # the peer: its poles with im >= 0 and its zeros with im > 0, by rising
    # imaginary part, beside the references in the same order
    from scipy.signal import ellipap

    peer_poles = Table("kPeerPoles", "PeerComplex", lambda z: "{%s, %s}" % (double_literal(z.real), double_literal(z.imag)))
    peer_zeros = Table("kPeerZeros", "double", double_literal)
    exact_poles = Table("kPeerExactPoles", "RefComplex", complex_literal)
    exact_zeros = Table("kPeerExactZeros", "long double", literal)
    typed_poles = Table("kPeerDesignerPoles", "RefComplex", complex_literal)
    typed_zeros = Table("kPeerDesignerZeros", "long double", literal)
    cases = []
    by_im = lambda z: z.imag  # noqa: E731
    for n in PEER_ORDERS:
        z, p, _ = ellipap(n, AMAX, AMIN)
        d = evaluate(peer_case, n)
        first = (peer_poles.add(sorted((x for x in p if x.imag >= 0), key=by_im)),
                 peer_zeros.add(sorted(x.imag for x in z if x.imag > 0)),
                 exact_poles.add(sorted((p for p, _ in d["exact_poles"]), key=by_im)),
                 exact_zeros.add(sorted(d["exact_zeros"])),
                 typed_poles.add(sorted((p for p, _ in d["poles"]), key=by_im)),
                 typed_zeros.add(sorted(d["zeros"])))
        cases.append("    {%d, %s, %d, %d, %d, %d, %d, %d}," % ((n, literal(d["ws"])) + first))
    tables += [peer_poles, peer_zeros, exact_poles, exact_zeros, typed_poles, typed_zeros]
    case_tables.append(("PeerCase", "kPeerCases", cases))

    for table in tables:
        out.append(table.text())
    for kind, name, rows in case_tables:
        out.append("constexpr %s %s[] = {\n%s\n};\n" % (kind, name, "\n".join(rows)))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "design_reference.inc")
    with open(path, "w") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main()
