#!/usr/bin/python3
# Where the precision of a high elliptic order goes when E(s) comes from the
# designer's elipe.r: the ladder's element values are ill-conditioned in the
# coefficients of the immittance they are expanded from.  Run in a folder
# holding the designer's elipe.r, elipf.r and elipp.r and the workbench's
# doubly terminated z11 = (Ee - Fe)/(Eo + Fo) as doubly.n and doubly.d
# (written with enough decimals to be exact, e.g. width 0 and 60 decimals),
# and, if there is one, the ladder program's value list doubly.val of the
# same immittance, its zeros realised in the order of elipp.r:
#
#   /usr/bin/python3 synthesis_limit.py
#
# It expands the immittance exactly, each finite zero by a partial removal
# of the shunt capacitor and the series tank it leaves, three times: from
# the design itself, from the design's immittance with its coefficients
# rounded once to the 64-bit significand of the extended reals, and from the
# files.  The largest relative difference of the element values from those
# of the design is what any synthesis in extended reals can reach (second),
# what the workbench's files allow (third) and what the ladder program
# reached (the value list).
import os

import mpmath as mp

from road_files import from_roots, roots_file

mp.mp.dps = 60
EXTENDED_BITS = 64


def numbers(path):
    return open(path).read().split()


def polynomial_file(path):  # ascending coefficients with the constant folded in
    t = numbers(path)
    n = int(t[0])
    constant = mp.mpf(t[n + 2]) if len(t) > n + 2 else mp.mpf(1)
    return [mp.mpf(x) * constant for x in t[1:n + 2]]


def value(a, s):
    v = 0
    for x in reversed(a):
        v = v * s + x
    return v


def trimmed(a):
    while len(a) > 1 and a[-1] == 0:
        a = a[:-1]
    return a


def minus(a, b):
    n = max(len(a), len(b))
    return [(a[i] if i < len(a) else 0) - (b[i] if i < len(b) else 0) for i in range(n)]


def times_s(a, k):
    return [0] + [k * x for x in a]


def over_quadratic(a, w2):  # a / (s² + w2), the remainder dropped
    a = list(a)
    q = [0] * (len(a) - 2)
    for i in range(len(a) - 1, 1, -1):
        q[i - 2] = a[i]
        a[i - 2] -= w2 * a[i]
    return q


def ladder(num, den, zeros):
    """The element values of the ladder of the impedance num/den."""
    values = []
    zeros = list(zeros)
    while True:
        num, den = trimmed(num), trimmed(den)
        if zeros and len(num) == len(den) + 1:
            w = zeros.pop(0)
            s = mp.mpc(0, w)
            c = (value(num, s) / (s * value(den, s))).real
            rest = over_quadratic(minus(num, times_s(den, c)), w * w)
            k = (value(den, s) / (s * value(rest, s))).real
            values += [c, k / w ** 2, 1 / k]
            num, den = rest, over_quadratic(minus(den, times_s(rest, k)), w * w)
        elif len(num) < len(den):
            num, den = den, num
        elif len(num) == len(den) + 1:
            c = num[-1] / den[-1]
            values.append(c)
            num = minus(num, times_s(den, c))[:-1]
        else:
            values.append(num[-1] / den[-1])
            return values


def rounded(a):
    with mp.workprec(EXTENDED_BITS):
        return [+x for x in a]


def worst(values, reference):
    return max(abs(v / r - 1) for v, r in zip(values, reference) if r != 0)


if __name__ == "__main__":
    zeros = [z.imag for z in roots_file("elipp.r")[0] if z.imag > 0]
    e = from_roots(*roots_file("elipe.r"))
    f = from_roots(*roots_file("elipf.r"))
    f += [0] * (len(e) - len(f))
    # P even: z11 = (Ee - Fe)/(Eo + Fo)
    num = trimmed([e[i] - f[i] if i % 2 == 0 else 0 for i in range(len(e))])
    den = [e[i] + f[i] if i % 2 == 1 else 0 for i in range(len(e))]
    design = ladder(num, den, zeros)
    print("element values, largest relative difference from the design's:")
    print("  design, coefficients rounded to 64 bits:", mp.nstr(worst(ladder(rounded(num), rounded(den), zeros), design), 3))
    print("  the workbench's files:                  ",
          mp.nstr(worst(ladder(polynomial_file("doubly.n"), polynomial_file("doubly.d"), zeros), design), 3))
    if os.path.exists("doubly.val"):
        listed = [mp.mpf(line.split()[1]) for line in open("doubly.val") if line.strip()]
        print("  the ladder program's value list:        ", mp.nstr(worst(listed, design), 3))
