#!/usr/bin/env python3
"""Reference figures for the savings plan options, worked out independently
with Python's decimal module at 40 digits: growing contributions, values in
today's money, the tax on the gain and the level withdrawal of a capital.
The tests of the savings calculations copy the figures this prints.

Usage: python3 tools/oraculo_ahorro.py
"""
from decimal import Decimal as D, getcontext, ROUND_HALF_UP

getcontext().prec = 40
CENT = D("0.01")


def cent(x):
    return x.quantize(CENT, rounding=ROUND_HALF_UP)


def contributions(first, growth, n):
    """Contribution of each month: the first grown once every 12 months, to the cent."""
    factor = 1 + D(growth) / 100
    return [cent(D(first) * factor ** (k // 12)) for k in range(n)]


def balances(rate, first, growth, initial, n, start):
    i = D(rate) / 1200
    s = D(initial)
    out = []
    for c in contributions(first, growth, n):
        s = (s + c) * (1 + i) if start else s * (1 + i) + c
        out.append(s)
    return out


def growing_factor(rate, growth, n, start):
    i = D(rate) / 1200
    factor = 1 + D(growth) / 100
    s, c = D(0), D(1)
    for k in range(n):
        if k and k % 12 == 0:
            c *= factor
        s = (s + c) * (1 + i) if start else s * (1 + i) + c
    return s


def final_capital(rate, first, growth, initial, n, start):
    return cent(balances(rate, first, growth, initial, n, start)[-1])


def solve_first(rate, growth, initial, n, capital, start):
    i = D(rate) / 1200
    grown_initial = D(initial) * (1 + i) ** n
    first = cent((D(capital) - grown_initial) / growing_factor(rate, growth, n, start))
    return first, final_capital(rate, first, growth, initial, n, start)


def solve_count(rate, first, growth, initial, capital, start):
    n = 0
    i = D(rate) / 1200
    s = D(initial)
    factor = 1 + D(growth) / 100
    while cent(s) < D(capital):
        c = cent(D(first) * factor ** (n // 12))
        s = (s + c) * (1 + i) if start else s * (1 + i) + c
        n += 1
    return n


def solve_rate(first, growth, initial, n, capital, start):
    lo, hi = D(0), D(100)
    for _ in range(200):
        mid = (lo + hi) / 2
        if balances(mid, first, growth, initial, n, start)[-1] >= D(capital):
            hi = mid
        else:
            lo = mid
    return (lo + hi) / 2


def real_value(nominal, inflation, months):
    return cent(D(nominal) / (1 + D(inflation) / 100) ** (D(months) / 12))


BRACKETS = [(D(6000), 19), (D(50000), 21), (D(200000), 23), (D(300000), 27), (None, 30)]


def bracket_tax(base):
    base = D(base)
    tax, low = D(0), D(0)
    for high, pct in BRACKETS:
        if base <= low:
            break
        top = base if high is None else min(base, high)
        tax += (top - low) * pct / 100
        if high is None:
            break
        low = high
    return cent(tax)


def withdrawal(capital, rate, n, start):
    i = D(rate) / 1200
    p = D(capital)
    w = p * i / (1 - (1 + i) ** -n) if i else p / n
    if start:
        w /= 1 + i
    w = cent(w)
    bal, rows = p, []
    for k in range(1, n + 1):
        interest = D(0)
        if not start:
            interest = cent(bal * D(rate) / 1200)  # multiplied first: a half cent stays exact
            bal += interest
        take = bal if k == n else w
        bal -= take
        if start and k != n:
            interest = cent(bal * D(rate) / 1200)
            bal += interest
        rows.append((take, interest, bal))
    return w, rows


def main():
    print("growing contributions: rate, first, growth, initial, n, start -> final capital, invested")
    for case in [(5, 100, 10, 0, 24, True), (3, 250, 2, 1000, 120, False), (0, 50, 5, 0, 36, True),
                 (4.5, 200, -3, 500, 60, True), (7, 100, 3, 0, 360, False)]:
        invested = sum(contributions(case[1], case[2], case[4])) + D(case[3])
        print(case, final_capital(*case), invested)
    print("first contribution solved: rate, growth, initial, n, capital, start -> first, capital reached")
    for case in [(5, 10, 0, 24, 3000, True), (3, 2, 1000, 120, 50000, False), (0, 5, 0, 36, 2000, True)]:
        first, reached = solve_first(*case)
        print(case, first, reached, "invested", sum(contributions(first, case[1], case[3])) + D(case[2]))
    print("count solved: rate, first, growth, initial, capital, start -> months")
    for case in [(5, 100, 10, 0, 3000, True), (3, 250, 2, 1000, 50000, False), (2, 100, -5, 0, 1500, True)]:
        n = solve_count(*case)
        print(case, n, "invested", sum(contributions(case[1], case[2], n)) + D(case[3]),
              "reached", final_capital(case[0], case[1], case[2], case[3], n, case[5]))
    print("rate solved: first, growth, initial, n, capital, start -> annual %")
    for case in [(100, 10, 0, 24, 2700, True), (250, 2, 1000, 120, 40000, False)]:
        print(case, round(solve_rate(*case), 12))
    print("real value: nominal, inflation, months")
    for case in [(2652.39, 3, 24), (10000, 2.5, 7), (100.42, 3, 1), (5000, -1, 12)]:
        print(case, real_value(*case))
    print("bracket tax: base -> tax")
    for edge in [6000, 50000, 200000, 300000]:
        for step in ["-1", "-0.01", "0", "0.01", "1"]:
            base = D(edge) + D(step)
            print(base, bracket_tax(base))
    for base in ["1000000", "0.01", "132.39", "0.03", "26.32"]:
        print(base, bracket_tax(base))
    print("withdrawal: capital, rate, n, start -> level, last, total")
    for case in [(100000, 3, 12, False), (100000, 3, 12, True), (250000, 4, 300, False), (12000, 0, 7, False),
                 (50000, 2.5, 240, True)]:
        w, rows = withdrawal(*case)
        print(case, w, rows[-1][0], sum(r[0] for r in rows), "row1", rows[0])


if __name__ == "__main__":
    main()
