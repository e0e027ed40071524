# The designer's roots files read at mpmath's working precision, and the
# polynomial of their roots, for the road's limit scripts beside this file.
import mpmath as mp


def roots_file(path):
    t = open(path).read().split()
    n = int(t[0])
    roots = [mp.mpc(mp.mpf(t[1 + 2 * k]), mp.mpf(t[2 + 2 * k])) for k in range(n)]
    constant = mp.mpf(t[1 + 2 * n]) if len(t) > 1 + 2 * n else mp.mpf(1)
    return roots, constant


def from_roots(roots, constant=1):  # ascending real coefficients, times the constant
    a = [mp.mpc(1)]
    for r in roots:
        b = [mp.mpc(0)] * (len(a) + 1)
        for i, x in enumerate(a):
            b[i + 1] += x
            b[i] -= r * x
        a = b
    return [x.real * constant for x in a]
