#!/usr/bin/python3
"""Reference values of the four designs, and of the elliptic prototype of a
double-precision peer.

Writes design_reference.inc next to this script.  The requirements (REQUIREMENTS)
run from the designer's default (Amax 1 dB, Amin 40 dB, wp 1, ws 2) to narrow
transition bands (ws 1.02 and 1.01 with Amin 100 and 120 dB and a small
Amax), a wide one (ws 10), a pass-band edge that is not a power of two, and
stop-band attenuations of 150 and 200 dB; each at forced orders (1 to 41 for
the default, a spread of them up to 41 for the others, 100 and 1000 for the
elliptic design of two of them) or at the order it computes.  Every value
comes from the textbook formulas evaluated by mpmath: Butterworth poles on
the circle of radius eps^(-1/N), Chebyshev poles on the ellipse of sinh and
cosh of asinh(1/eps)/N, inverse-Chebyshev poles as the scaled reciprocals of
the Chebyshev poles of the stop-band ripple, elliptic attenuation zeros as
sn(u, k) and poles as j sn(u + j v0, k) with a complex argument (not the
addition theorem the designer uses), v0 for the discrimination k1 of the
order used (from the nome, q1 = q^N), and the constants of the roots files
from those exact poles and zeros: |T(0)| = 1 for an odd order and
1/sqrt(1 + eps^2) for an even one with E(s) monic, and F's constant
sqrt(1 - c^2) of an even order.

The inputs are what the designs are given: epsilon, alfa^2 and alfa of each
requirement rounded to extended reals (written to the tables, and handed to
the designs by the test), wp and ws the extended reals nearest to their
decimals, and the selectivity ws/wp rounded as the designer rounds it;
everything after that exact.  Each case is computed at 40 and at 60 digits
(both with 20 guard digits) and the script stops unless the two agree to
2^-118: a row is only written when mpmath is sure of it.  Values are written
rounded to the nearest extended real (64-bit significand).

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
SPREAD = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 20, 25, 30, 35, 40, 41]
# (name, Amax, Amin, wp, ws, orders of all four designs, further elliptic orders);
# an order of None is the one the elliptic design computes
REQUIREMENTS = [
    ("default", "1", "40", "1", "2", list(range(1, 42)), [100, 1000]),
    ("narrow", "0.01", "100", "1", "1.02", SPREAD, [100, 1000]),
    ("narrowest", "0.001", "120", "1", "1.01", SPREAD, []),
    ("wide", "3", "20", "1", "10", SPREAD, []),
    ("scaled", "0.5", "60", "3", "4.5", SPREAD, []),
    ("amin150", "1", "150", "1", "2", [], [None]),
    ("amin200", "1", "200", "1", "2", [], [None]),
]
PEER_ORDERS = [4, 10, 20, 30, 40]


def exact_requirement(amax, amin):
    """epsilon, alfa^2 and alfa from Amax and Amin, 0.1 Amax and 0.1 Amin
    rounded as the designer rounds them."""
    tenth = ext(mp.mpf(1) / 10)
    eps = mp.sqrt(mp.power(10, ext(tenth * amax)) - 1)
    alfa2 = mp.sqrt(mp.power(10, ext(tenth * amin)) - 1) / eps
    return eps, alfa2, mp.sqrt(alfa2)


class Requirement:
    """A requirement as the designs are given it."""

    def __init__(self, name, amax, amin, wp, ws):
        self.name = name
        with mp.workdps(CHECK_DIGITS + GUARD_DIGITS):
            eps, alfa2, _ = exact_requirement(mp.mpf(amax), mp.mpf(amin))
            self.eps, self.alfa2 = ext(eps), ext(alfa2)
            self.alfa = ext(mp.sqrt(self.alfa2))
            self.wp, self.ws = ext(mp.mpf(wp)), ext(mp.mpf(ws))
            self.xi = ext(self.ws / self.wp)


def theta_of_order(xi, n):
    """The discrimination k1 with K'(k1)/K(k1) = n K'(k)/K(k), k = 1/xi."""
    m = 1 / xi**2
    q = mp.exp(-mp.pi * mp.ellipk(1 - m) / mp.ellipk(m))
    q1 = q**n
    return (mp.jtheta(2, 0, q1) / mp.jtheta(3, 0, q1)) ** 2


def integrals(req):
    """K(1/xi), K'(1/alfa^2), K'(1/xi), K(1/alfa^2) and the three computed
    orders n."""
    m = 1 / req.xi**2
    k1 = 1 / req.alfa2
    big_k, big_kp = mp.ellipk(m), mp.ellipk(1 - m)
    big_k1, big_k1p = mp.ellipk(k1**2), mp.ellipk(1 - k1**2)
    return [big_k, big_k1p, big_kp, big_k1, (big_k * big_k1p) / (big_kp * big_k1),
            2 * mp.log(req.alfa) / mp.log(req.xi), mp.acosh(req.alfa2) / mp.acosh(req.xi)]


def theta(i, n):
    return (2 * i - 1) * mp.pi / (2 * n)


def upper_half(n):
    """The pole numbers kept: 1 .. ceil(N/2); the others are their conjugates."""
    return range(1, (n + 1) // 2 + 1)


def angle_poles(n, pole):
    """pole(angle) for the upper half, the middle pole of an odd order real."""
    poles = []
    for i in upper_half(n):
        p = pole(theta(i, n))
        if n % 2 and i == n // 2 + 1:
            p = mp.mpc(p.real, 0)
        poles.append(p)
    return poles


def magnitude_product(n, poles):
    """The product of the magnitudes of all n poles from the upper half."""
    return mp.fprod(abs(p) ** 2 for p in poles[: n // 2]) * (abs(poles[-1]) if n % 2 else 1)


def butterworth(req, n):
    radius = req.wp * req.eps ** (mp.mpf(-1) / n)
    poles = angle_poles(n, lambda t: radius * mp.mpc(-mp.sin(t), mp.cos(t)))
    return {"poles": poles, "zeros": [], "c": radius**n, "wpn": 0}


def chebyshev(req, n):
    a = mp.asinh(1 / req.eps) / n
    poles = angle_poles(n, lambda t: req.wp * mp.mpc(-mp.sin(t) * mp.sinh(a), mp.cos(t) * mp.cosh(a)))
    c = magnitude_product(n, poles)
    if n % 2 == 0:
        c /= mp.sqrt(1 + req.eps**2)
    return {"poles": poles, "zeros": [], "c": c, "wpn": 0}


def inverse_chebyshev(req, n):
    wpn = 1 / mp.cosh(mp.acosh(req.alfa2) / n)
    b = mp.asinh(req.eps * req.alfa2) / n
    scale = req.wp / wpn
    poles = angle_poles(n, lambda t: scale / mp.mpc(-mp.sin(t) * mp.sinh(b), mp.cos(t) * mp.cosh(b)))
    zeros = [scale / mp.cos((2 * k + 1) * mp.pi / (2 * n)) for k in range(n // 2)]
    c = magnitude_product(n, poles) / mp.fprod(z**2 for z in zeros)
    return {"poles": poles, "zeros": zeros, "c": c, "wpn": wpn}


def elliptic(req, n):
    eps, xi, wp = req.eps, req.xi, req.wp
    m = 1 / xi**2
    big_k = mp.ellipk(m)
    odd, pairs = n % 2, n // 2
    wza = [mp.ellipfun("sn", (2 * i if odd else 2 * i - 1) * big_k / n, m=m) for i in range(1, pairs + 1)]
    k0 = eps * mp.fprod(abs((1 - (xi / w) ** 2) / (1 - w**2)) for w in wza)
    k1 = theta_of_order(xi, n)
    v0 = big_k * mp.ellipf(mp.atan(1 / eps), 1 - k1**2) / (n * mp.ellipk(k1**2))

    def pole(u):
        return wp * 1j * mp.ellipfun("sn", mp.mpc(u, v0), m=m)

    poles = [pole(big_k * (2 * j + 2 if odd else 2 * j + 1) / n) for j in range(pairs)]
    if odd:
        poles.append(mp.mpc(pole(0).real, 0))
    zeros = [wp * xi / w for w in wza]
    alfa = (k0 / eps) * mp.fprod(abs((xi - w**2) / (xi - (xi / w) ** 2)) for w in wza)
    if odd:
        alfa *= mp.sqrt(xi)
    c = mp.fprod(abs(p) ** 2 for p in poles[:pairs])
    c = c * -poles[-1].real if odd else c / mp.sqrt(1 + eps**2)
    c /= mp.fprod(z**2 for z in zeros)
    return {"wza": wza, "zeros": zeros, "poles": poles, "k0": k0, "v0": v0, "alfa": alfa,
            "amin": 10 * mp.log10(1 + (eps * alfa**2) ** 2), "c": c, "f": 1 if odd else mp.sqrt(1 - c**2)}


def peer_selectivity(n):
    """The ws (wp = 1) for which Amax 1 and Amin 40 need exactly order n."""
    _, alfa2, _ = exact_requirement(AMAX, AMIN)
    k1 = 1 / alfa2
    ratio = n * mp.ellipk(k1**2) / mp.ellipk(1 - k1**2)  # K(k)/K'(k) of the design
    q = mp.exp(-mp.pi / ratio)
    k = (mp.jtheta(2, 0, q) / mp.jtheta(3, 0, q)) ** 2
    return 1 / k


class PeerRequirement:
    """The peer's problem with the exact epsilon and alfa^2 of Amax 1 and Amin 40."""

    def __init__(self, ws):
        self.eps, self.alfa2, self.alfa = exact_requirement(AMAX, AMIN)
        self.wp, self.ws, self.xi = mp.mpf(WP), ws, ws / WP


def peer_case(n):
    xi = peer_selectivity(n)
    exact = elliptic(PeerRequirement(xi), n)
    typed = ext(xi)
    designer = elliptic(PeerRequirement(typed), n)
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


def complex_literal(z):
    """{re, im}."""
    return "{%s, %s}" % (literal(z.real), literal(z.imag))


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


def elliptic_order(req):
    """The order the elliptic design computes: n rounded up."""
    with mp.workdps(CHECK_DIGITS + GUARD_DIGITS):
        return int(mp.ceil(integrals(req)[4]))


def main():
    # abs() and the splitting of the literals round to the working precision
    mp.mp.dps = CHECK_DIGITS + GUARD_DIGITS
    out = [
        "// Reference values of the four designs, generated by generate_design_reference.py",
        "// (mpmath, 40 digits, rounded to extended reals); regenerate, do not edit.",
        "// Needs RefRequirement, RefComplex {re, im}, PeerComplex, EllipticCase, ClassicalCase",
        "// and PeerCase from the including file.",
        "",
    ]
    requirements = [Requirement(*s[:5]) for s in REQUIREMENTS]
    rows = []
    for req in requirements:
        values = evaluate(integrals, req)
        rows.append("    {\"%s\", %s, %s, %s, %s, %s, %s, {%s}}," % (
            req.name, literal(req.wp), literal(req.ws), literal(req.eps), literal(req.alfa2), literal(req.alfa),
            literal(req.xi), ", ".join(literal(v) for v in values)))
    out.append("// the requirements: wp, ws, epsilon, alfa^2, alfa and xi as the designs take them, then")
    out.append("// K(1/xi), K'(1/alfa^2), K'(1/xi), K(1/alfa^2) and the elliptic, Butterworth and")
    out.append("// Chebyshev orders n")
    out.append("constexpr RefRequirement kRequirements[] = {\n%s\n};\n" % "\n".join(rows))

    tables = []
    # elliptic: attenuation zeros, transmission zeros and upper poles (the
    # real pole of an odd order last) of each order
    wza = Table("kEllipticWza", "long double", literal)
    wz = Table("kEllipticWz", "long double", literal)
    poles = Table("kEllipticPoles", "RefComplex", complex_literal)
    cases = []
    for index, (req, entry) in enumerate(zip(requirements, REQUIREMENTS)):
        for n in entry[5] + entry[6]:
            n = elliptic_order(req) if n is None else n
            d = evaluate(elliptic, req, n)
            cases.append("    {%d, %d, %d, %d, %d, %s}," % (
                index, n, wza.add(d["wza"]), wz.add(d["zeros"]), poles.add(d["poles"]),
                ", ".join(literal(d[key]) for key in ("k0", "v0", "alfa", "amin", "c", "f"))))
    tables += [wza, wz, poles]
    case_tables = [("EllipticCase", "kEllipticCases", cases)]

    for prefix, design in (("Butterworth", butterworth), ("Chebyshev", chebyshev),
                           ("InverseChebyshev", inverse_chebyshev)):
        poles = Table("k%sPoles" % prefix, "RefComplex", complex_literal)
        zeros = Table("k%sZeros" % prefix, "long double", literal)
        cases = []
        for index, (req, entry) in enumerate(zip(requirements, REQUIREMENTS)):
            for n in entry[5]:
                d = evaluate(design, req, n)
                cases.append("    {%d, %d, %d, %d, %s, %s}," % (
                    index, n, poles.add(d["poles"]), zeros.add(d["zeros"]), literal(d["wpn"]), literal(d["c"])))
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
                 exact_poles.add(sorted(d["exact_poles"], key=by_im)),
                 exact_zeros.add(sorted(d["exact_zeros"])),
                 typed_poles.add(sorted(d["poles"], key=by_im)),
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
