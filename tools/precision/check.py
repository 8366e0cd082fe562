#!/usr/bin/env python3
"""Recomputes a result of the calculator with exact rational arithmetic.

Every field text, density and pi is parsed to its nearest double; every
operation of the formula is carried out exactly with fractions.Fraction and
rounded to nearest, ties to even, at 64 significant bits (80-bit extended) or
53 (double) as the calculator stores it; the square root of 3 is rounded
correctly. The result is then rounded to tenths the calculator's way. Nothing
here runs or reads the program.

    check.py KIND MODE MATERIAL f1=TEXT f2=TEXT ...
    check.py 3 mass 1 f1=1.5 f2=2000

KIND is 1..10, MODE mass or length, MATERIAL 1..11. The line shows the tenth
of the calculator's arithmetic and of three other ways to evaluate it: plain
doubles throughout, w kept in extended precision, and the length as
mass / w.
"""
import math
import sys
from fractions import Fraction as F

DENSITY = {1: '7.9', 2: '7.95', 3: '2.6989', 4: '4.54', 5: '8.92', 6: '8.902', 7: '7.2', 8: '8.5', 9: '8.7',
           10: '8.0', 11: '11.3415'}
QUANTITY_ROW = {1: 3, 7: 3, 3: 2, 4: 2, 8: 2}


def rounded(x, bits):
    """x rounded to nearest, ties to even, at the given significand width."""
    x = F(x)
    if x == 0:
        return x
    sign = -1 if x < 0 else 1
    a = abs(x)
    e = a.numerator.bit_length() - a.denominator.bit_length()
    while F(2) ** e > a:
        e -= 1
    while F(2) ** (e + 1) <= a:
        e += 1
    scale = F(2) ** (bits - 1 - e)
    m = a * scale
    n = m.numerator // m.denominator
    rest = m - n
    if rest > F(1, 2) or (rest == F(1, 2) and n % 2 == 1):
        n += 1
    return sign * F(n) / scale


def X(x):
    return rounded(x, 64)


def D(x):
    return rounded(x, 53)


def sqrt3(bits):
    k = bits - 1
    m = math.isqrt(3 << (2 * k))
    if (2 * m + 1) ** 2 < 4 * (3 << (2 * k)):
        m += 1
    return F(m, 2 ** k)


PI = D(F('3.141592653589'))


def result(kind, f, rho, mass, R, keep_w=False, divide=False):
    """The value handed to the rounding; R rounds the intermediates."""
    if kind == 6:
        if mass:
            return D(R(f[4] * R(R(R(f[2] * R(f[1] * f[3])) * rho) / 1000000)))
        return D(R(R(f[4] * R(f[1] * f[2])) / 1000000))
    f0, f1, f2, f3 = (f.get(i, F(0)) for i in range(4))
    if kind == 1:
        a = R(R(R(f2 * R(f1 - f2)) * PI) * rho)
    elif kind == 2:
        a = R(R(f3 * R(R(R(f2 - R(f3 * 2)) * 2) + R(f1 * 2))) * rho)
    elif kind == 3:
        a = R(R(f1 * f1) * rho)
    elif kind == 4:
        a = R(R(R(R(f1 * f1) / 4) * PI) * rho)
    elif kind == 5:
        a = R(R(f3 * R(R(f1 + f2) - f3)) * rho)
    elif kind == 7:
        a = R(R(f1 * f2) * rho)
    elif kind == 8:
        k = R(sqrt3(64 if R is X else 53) * 2)
        a = R(R(R(f1 / 2) * R(R(f1 / 2) * k)) * rho)
    elif kind == 9:
        a = R(R(R(f3 * R(f2 - R(f3 * 2))) + R(f3 * R(f1 * 2))) * rho)
    elif kind == 10:
        a = R(R(R(f2 * R(f0 - R(f3 * 2))) + R(f1 * R(f3 * 2))) * rho)
    else:
        raise ValueError('kind 1..10')
    w = R(a / 1000) if keep_w else D(R(a / 1000))
    q = f[QUANTITY_ROW.get(kind, 4)]
    if mass:
        return D(R(q * w))
    if w == 0:
        raise ZeroDivisionError('w is zero')
    return D(R(q / w)) if divide else D(R(q * R(1 / w)))


def shown(value):
    """The text shown for a value: its tenth, or the error text."""
    if value < 0:
        return 'error'
    t = X(value * 10)
    n = math.floor(t)
    if t - n > F(1, 2) or (t - n == F(1, 2) and n % 2 == 1):
        n += 1
    if not X(D(X(n * X(F(1, 10))))) < X(F(99999999, 10)):
        return 'error'
    return f'{n // 10}.{n % 10}'


def main():
    kind, mode, material = int(sys.argv[1]), sys.argv[2], int(sys.argv[3])
    fields = {}
    for arg in sys.argv[4:]:
        row, text = arg.split('=')
        fields[int(row[1:])] = D(F(text if text != '.' else '0'))
    rho = D(F(DENSITY[material]))
    mass = mode == 'mass'
    print('shows', shown(result(kind, fields, rho, mass, X)),
          '| plain doubles', shown(result(kind, fields, rho, mass, D)),
          '| w kept extended', shown(result(kind, fields, rho, mass, X, keep_w=True)),
          '| mass / w', shown(result(kind, fields, rho, mass, X, divide=not mass)))


if __name__ == '__main__':
    main()
