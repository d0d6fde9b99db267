#!/usr/bin/env python3
"""Reference schedules for the loan tests, worked out with 40-digit decimals.

Written apart from the program, from the rules a bank follows: amounts in
whole cents, each instalment's interest the pending capital's at the period
rate rounded half up, the last instalment paying what is left.
  francés    level instalment over the instalments left
  alemán     capital part = capital / instalments, rounded to the cent
  americano  interest only, the capital with the last instalment
  creciente  the instalment grows by g % every 12 months; the first one is
             the capital over the sum of the growth factors discounted
Grace: the first N instalments pay the interest (parcial) or nothing, the
interest joining the capital (total); the system then runs over the rest.
Variable: the loan's rate for the first `revision` months, then index +
spread (never below 0) revised every `revision` months; mixed: the loan's
rate for the first `tramo` instalments, then the same. Every revision
works the instalment out again on the capital pending over the rest, even
when the rate stays as it was.
TAE: the IRR of the money received against instalments plus yearly costs
(a twelfth a month), annualised as (1 + i)^k - 1.

Run it to print the values pasted in tests/test_sistemas_prestamo.cpp.
"""
from decimal import Decimal as D, getcontext, ROUND_HALF_UP

getcontext().prec = 40


def cents(x):
    return int(D(x).quantize(D(1), rounding=ROUND_HALF_UP))


def schedule(capital, rate, n, sistema="frances", g=0, carencia=None, ncar=0, tipo="fijo", dif=0, indice=0,
             indices=(), revision=12, tramo=0, per=12):
    p = cents(D(str(capital)) * 100)
    r_anual = D(str(rate))
    ncar = ncar if carencia else 0
    step = max(1, revision // (12 // per))
    first = {"variable": 1 + step, "mixto": tramo + 1}.get(tipo, 0)

    def periodic(i):
        idx = D(str(indice))
        for c, v in sorted(indices):
            if c <= i:
                idx = D(str(v))
        return max(D(0), idx + D(str(dif)))

    def year(i):
        return (i - ncar - 1) // per

    state = {"figure": 0, "base_year": 0}

    def recompute(i):
        rest = n - i + 1
        rr = r_anual / 100 / per
        if sistema == "frances":
            state["figure"] = p if rr == 0 and False else cents(
                D(p) / rest if rr == 0 else D(p) * rr / (1 - (1 + rr) ** -rest))
        elif sistema == "aleman":
            state["figure"] = cents(D(p) / rest)
        elif sistema == "americano":
            state["figure"] = 0
        else:
            v = 1 / (1 + rr)
            s = sum((1 + D(str(g)) / 100) ** (year(i + k) - year(i)) * v ** (k + 1) for k in range(rest))
            state["figure"] = cents(D(p) / s)
            state["base_year"] = year(i)

    rows = []
    if ncar == 0:
        recompute(1)
    i = 0
    while True:
        i += 1
        new = r_anual
        revision_due = bool(first) and i >= first and (i - first) % step == 0
        if revision_due:
            new = periodic(i)
        if new != r_anual or revision_due:
            r_anual = new
            if not (ncar and i <= ncar + 1) and sistema in ("frances", "creciente"):
                recompute(i)
        if ncar and i == ncar + 1:
            recompute(i)
        interest = cents(D(p) * r_anual / 100 / per)
        before = p
        if i <= ncar:
            cap = -interest if carencia == "total" else 0
        else:
            if sistema == "frances":
                cap = state["figure"] - interest
            elif sistema == "creciente":
                inst = cents(D(state["figure"]) * (1 + D(str(g)) / 100) ** (year(i) - state["base_year"]))
                cap = inst - interest
            elif sistema == "aleman":
                cap = state["figure"]
            else:
                cap = 0
            if i >= n or (before > 0 and cap >= before):
                cap = before
        p -= cap
        rows.append((i, cap + interest, cap, interest, p, r_anual, i <= ncar))
        if i >= n or p == 0:
            return rows


def euros(c):
    s = f"{abs(c) // 100:,}".replace(",", ".") + "," + f"{abs(c) % 100:02d}"
    return ("-" if c < 0 else "") + s


def show(rows, which):
    for k in which:
        i, q, cap, it, pend, ra, gr = rows[k - 1]
        print(f'    "{i}:{euros(q)}|{euros(cap)}|{euros(it)}|{euros(pend)}|{ra}{"|carencia" if gr else ""}"')


def tae(capital, rows, costs_year=0, fees=0, per=12):
    received = D(str(capital)) - D(str(fees))
    cost = cents(D(str(costs_year)) * 100 / per)
    flows = [D(q + cost) / 100 for (_, q, *_rest) in rows]
    lo, hi = D(0), D(1)
    for _ in range(200):
        mid = (lo + hi) / 2
        pv = sum(f / (1 + mid) ** (k + 1) for k, f in enumerate(flows))
        if pv > received:
            lo = mid
        else:
            hi = mid
    return ((1 + lo) ** per - 1) * 100


CASES = {
    "alemán": (dict(capital=10000, rate=6, n=12, sistema="aleman"), [1, 2, 12]),
    "americano": (dict(capital=10000, rate=6, n=12, sistema="americano"), [1, 11, 12]),
    "creciente": (dict(capital=100000, rate=3, n=60, sistema="creciente", g=2), [1, 12, 13, 60]),
    "carencia parcial": (dict(capital=10000, rate=6, n=24, carencia="parcial", ncar=6), [6, 7, 24]),
    "carencia total": (dict(capital=10000, rate=6, n=24, carencia="total", ncar=6), [1, 6, 7, 24]),
    "alemán con carencia total": (dict(capital=12000, rate=5, n=24, sistema="aleman", carencia="total", ncar=4),
                                  [4, 5, 24]),
    "variable": (dict(capital=100000, rate=3, n=120, tipo="variable", dif=1, indice=3.5, revision=12),
                 [12, 13, 120]),
    "variable semestral con escenario": (dict(capital=100000, rate=3, n=120, tipo="variable", dif=1, indice=3.5,
                                              revision=6, indices=[(37, 2)]), [7, 36, 37, 120]),
    "variable sin interés negativo": (dict(capital=50000, rate=2, n=60, tipo="variable", dif=0.5, indice=-2),
                                      [12, 13, 60]),
    "variable trimestral, revisión semestral": (dict(capital=20000, rate=4, n=40, tipo="variable", dif=1, indice=2,
                                                     revision=6, per=4, carencia="parcial", ncar=2), [2, 3, 40]),
    "mixto con carencia total": (dict(capital=150000, rate=2.5, n=300, tipo="mixto", tramo=60, dif=0.8, indice=3,
                                      carencia="total", ncar=12), [12, 13, 60, 61, 300]),
}

if __name__ == "__main__":
    for name, (kw, which) in CASES.items():
        rows = schedule(**kw)
        print(f"{name}: {len(rows)} filas")
        show(rows, which)
    # TAE cases: the index assumed constant; a mixed loan's variable part
    # taken at no less than the fixed rate.
    v = schedule(100000, 3, 120, tipo="variable", dif=1, indice=3.5)
    print("TAE variable", tae(100000, v, costs_year=300, fees=1000))
    m = schedule(100000, 3, 120, tipo="mixto", tramo=36, dif=0.5, indice=2, per=12)
    # Index + spread (2 + 1 = 3) no higher than the fixed rate: the whole
    # term is taken at the fixed rate, as one fixed loan.
    m_floor = schedule(100000, 3, 120)
    print("TAE mixto (variable 2,5 < fijo 3: se toma 3)", tae(100000, m_floor, costs_year=0, fees=0))
    m2 = schedule(100000, 3, 120, tipo="mixto", tramo=36, dif=1.5, indice=2.5)
    print("TAE mixto (variable 4 > fijo 3)", tae(100000, m2, costs_year=240))
    a = schedule(10000, 6, 12, sistema="aleman")
    print("TAE alemán con seguro 120", tae(10000, a, costs_year=120))
    c = schedule(100000, 3, 60, sistema="creciente", g=2, carencia="parcial", ncar=6)
    print("TAE creciente con carencia parcial", tae(100000, c))
