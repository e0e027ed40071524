#!/usr/bin/python3
# Where the precision of a high elliptic order goes on the road: E(s) is found
# from the roots of F(s)F(-s) + P(s)P(-s) written in x = s², and for high
# orders those roots are ill-conditioned in the coefficients.  Run in a folder
# holding the designer's elipf.r, elipp.r and elipe.r:
#
#   scenario duzavuri SCRIPT   (type Form1.NEcm 26, tick Form1.CBforcar,
#                               type Form1.NEordem N, click Form1.Calcular)
#   /usr/bin/python3 factorisation_limit.py
#
# It forms the polynomial in x from the files' F and P twice: as the
# workbench does, every number read and every operation rounded to the 64-bit
# significand of the extended reals, and exactly with only the coefficients
# rounded to 64 bits; it solves each
# exactly and gives the largest relative error of |E(jw)| over the pass band
# against the designer's E.  The first figure is what the workbench reaches
# with an exact root finder, the second the best any evaluation of the
# coefficients in extended reals can reach.
import mpmath as mp

from road_files import from_roots, roots_file

EXTENDED_BITS = 64
EXACT_BITS = 400


def paraconjugate_square(a, c):  # A(s)A(-s) in x = s², constant folded in
    n = len(a) - 1
    out = []
    for m in range(n + 1):
        s = 0
        for f in range(2 * m + 1):
            if f <= n and 2 * m - f <= n:
                s += (-1) ** f * a[f] * a[2 * m - f]
        out.append(s * c * c)
    return out


def e_error(working_bits, round_coefficients):
    mp.mp.prec = EXACT_BITS
    e, ec = roots_file("elipe.r")
    # the workbench reads the decimal texts into extended reals
    mp.mp.prec = working_bits
    f, fc = roots_file("elipf.r")
    p, pc = roots_file("elipp.r")
    x = paraconjugate_square(from_roots(f), fc)
    y = paraconjugate_square(from_roots(p), pc)
    sum_ = [(x[i] if i < len(x) else 0) + (y[i] if i < len(y) else 0) for i in range(max(len(x), len(y)))]
    if round_coefficients:
        mp.mp.prec = EXTENDED_BITS
        sum_ = [+v for v in sum_]
    mp.mp.prec = EXACT_BITS
    xroots = mp.polyroots([mp.mpf(v) for v in reversed(sum_)], maxsteps=1000, extraprec=4000)
    sroots = [-mp.sqrt(r) if mp.sqrt(r).real > 0 else mp.sqrt(r) for r in xroots]
    worst = 0
    for k in range(1, 201):
        s = mp.mpc(0, mp.mpf(k) / 200)
        ours = mp.mpf(1)
        theirs = mp.mpf(1)
        for r in sroots:
            ours *= s - r
        for r in e:
            theirs *= s - r
        worst = max(worst, abs(abs(ours / theirs) - 1))
    return worst


if __name__ == "__main__":
    print("|E| relative, every operation in extended reals:", mp.nstr(e_error(EXTENDED_BITS, False), 3))
    print("|E| relative, coefficients rounded once:        ", mp.nstr(e_error(EXACT_BITS, True), 3))
