#!/usr/bin/env python3
"""Figures of the offer comparison worked out independently, with 40-digit
decimals: a bank's French loan in whole cents (the level instalment rounded
to the cent, each period's interest rounded half up, the last instalment pays
what is left), its TAE as the annual equivalent of the internal rate of the
contract's flows, and a variable loan revised every 12 months on the pending
capital over the remaining term. Prints the expected figures the comparison
test holds; run it again to check them."""
from decimal import Decimal as D, getcontext, ROUND_HALF_UP

getcontext().prec = 40
CENT = D("0.01")


def cents(x):
    return x.quantize(CENT, rounding=ROUND_HALF_UP)


def level(pending, rate, n):
    if rate == 0:
        return cents(pending / n)
    return cents(pending * rate / (1 - (1 + rate) ** -n))


def schedule(capital, annual, n, revision_rates=None, recompute_every=None):
    """Rows (instalment, pending after) of a monthly loan paid at the end of
    each period. revision_rates(i) gives the annual rate from instalment i;
    at each revision (every `recompute_every` instalments) the instalment is
    recomputed on the pending capital over the instalments left."""
    pending = D(capital)
    rate_of = revision_rates or (lambda i: D(annual))
    rate = rate_of(1) / 1200
    payment = level(pending, rate, n)
    rows = []
    for i in range(1, n + 1):
        if recompute_every and i > 1 and (i - 1) % recompute_every == 0:
            rate = rate_of(i) / 1200
            payment = level(pending, rate, n - i + 1)
        interest = cents(pending * rate)
        principal = payment - interest
        if i == n or principal >= pending:
            principal = pending
        pending -= principal
        rows.append((principal + interest, interest, pending))
        if pending == 0:
            break
    return rows


def irr_tae(received, payment, n):
    def balance(r):
        return received - payment * (1 - (1 + r) ** -n) / r
    lo, hi = D("1e-12"), D(1)
    for _ in range(200):
        mid = (lo + hi) / 2
        if balance(mid) > 0:
            hi = mid
        else:
            lo = mid
    r = (lo + hi) / 2
    return ((1 + r) ** 12 - 1) * 100


def figures(name, rows, capital, fee_pct=D(0), costs=D(0), tae=None):
    paid = sum(r[0] for r in rows)
    interest = sum(r[1] for r in rows)
    cost = interest + D(capital) * fee_pct / 100 + costs
    print(f"{name}: primera {rows[0][0]} maxima {max(r[0] for r in rows)} pagado {paid} intereses {interest} "
          f"coste {cost} pendiente5 {rows[59][2]} pendiente10 {rows[119][2]}"
          + (f" tae {tae:.6f}" if tae is not None else ""))


# Fixed: 150.000 at 3 % over 300 months, 1 % opening fee and 500 of costs.
fija = schedule(150000, 3, 300)
r = D(3) / 1200
exact = D(150000) * r / (1 - (1 + r) ** -300)
figures("fija", fija, 150000, D(1), D(500), irr_tae(D(150000) - 1500 - 500, exact, 300))

# Fixed, cheaper rate, no fees: 150.000 at 2,8 % over 300 months.
r = D("2.8") / 1200
exact = D(150000) * r / (1 - (1 + r) ** -300)
figures("fija2", schedule(150000, D("2.8"), 300), 150000, tae=irr_tae(D(150000), exact, 300))

# Fixed, shorter: 150.000 at 3 % over 240 months.
r = D(3) / 1200
exact = D(150000) * r / (1 - (1 + r) ** -240)
figures("corta", schedule(150000, 3, 240), 150000, tae=irr_tae(D(150000), exact, 240))


# Variable: 2,5 % the first year, then index 3,2 + spread 0,9, revised yearly.
def variable(index):
    return schedule(150000, D("2.5"), 300,
                    lambda i: D("2.5") if i <= 12 else max(D(0), D(index) + D("0.9")), 12)


v = variable("3.2")
figures("variable", v, 150000)
sube = variable("5.2")
print(f"variable +2: cuota tras la primera revision {sube[12][0]}")
