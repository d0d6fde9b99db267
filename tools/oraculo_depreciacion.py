#!/usr/bin/env python3
"""Independent depreciation tables in 40-digit decimals, to check the program.

Prints each case as the rows of its development table, in the grid's texts
(year|date|value at the start|charge|value at the end|accumulated), and the
depreciation over the first N calendar years, so the test tables can be
compared with figures worked out apart from the program's own code.

Rules: straight line; sum of the years' digits; double declining balance
(twice the linear rate on the book value, never below the final value);
double declining changing to straight line (each year the larger of the two,
the straight line spreading what is left over the years left). A start after
January counts its month whole: the first calendar year holds the months from
it to December, each year of life is split across the two calendar years it
spans, and the rest of the last one falls in one extra year.

    python3 tools/oraculo_depreciacion.py
"""
from decimal import Decimal as D, getcontext, ROUND_HALF_UP
import datetime

getcontext().prec = 40


def cargos_de_vida(metodo, coste, residual, vida):
    total = coste - residual
    if metodo == "lineal":
        return [total / vida] * vida
    if metodo == "digitos":
        suma = D(vida * (vida + 1)) / 2
        return [total * (vida - k + 1) / suma for k in range(1, vida + 1)]
    libro, cargos = coste, []
    for k in range(1, vida + 1):
        doble = libro * 2 / vida
        if metodo == "doble-lineal":
            doble = max(doble, (libro - residual) / (vida - k + 1))
        cargo = max(D(0), min(doble, libro - residual))
        cargos.append(cargo)
        libro -= cargo
    return cargos


def filas(metodo, coste, residual, vida, inicio):
    coste, residual = D(coste), D(residual)
    cargos = cargos_de_vida(metodo, coste, residual, vida)
    f = D(13 - inicio.month) / 12
    if inicio.month == 1:
        anuales = cargos
    else:
        anuales = [f * cargos[0]]
        anuales += [(1 - f) * cargos[j - 1] + f * cargos[j] for j in range(1, vida)]
        anuales.append((1 - f) * cargos[-1])
    acumulada, salida = D(0), []
    for j, cargo in enumerate(anuales, start=1):
        fecha = inicio if j == 1 else datetime.date(inicio.year + j - 1, 1, 1)
        antes = coste - acumulada
        acumulada += cargo
        salida.append((j, fecha, antes, cargo, coste - acumulada, acumulada))
    return salida


def importe(x):
    x = x.quantize(D("0.01"), rounding=ROUND_HALF_UP)
    entero, decimales = f"{abs(x):.2f}".split(".")
    grupos = []
    while entero:
        grupos.insert(0, entero[-3:])
        entero = entero[:-3]
    return ("-" if x < 0 else "") + ".".join(grupos) + "," + decimales


CASOS = [
    ("lineal", "12000", "2000", 4, datetime.date(2024, 7, 15)),
    ("lineal", "1000", "0", 3, datetime.date(2024, 12, 31)),
    ("digitos", "10000", "1000", 5, datetime.date(2024, 7, 1)),
    ("digitos", "7777,77", "123,45", 7, datetime.date(2023, 3, 10)),
    ("doble", "10000", "0", 4, datetime.date(2024, 4, 1)),
    ("doble-lineal", "10000", "0", 5, datetime.date(2024, 1, 1)),
    ("doble-lineal", "10000", "1000", 5, datetime.date(2024, 1, 1)),
    ("doble-lineal", "23456,78", "456,78", 8, datetime.date(2024, 10, 5)),
    ("doble-lineal", "3000", "0", 2, datetime.date(2024, 5, 1)),
]

if __name__ == "__main__":
    for metodo, coste, residual, vida, inicio in CASOS:
        tabla = filas(metodo, coste.replace(",", "."), residual.replace(",", "."), vida, inicio)
        print(f"{metodo} {coste} {residual} {vida} {inicio:%d/%m/%Y}")
        for j, fecha, antes, cargo, despues, acumulada in tabla:
            print(f'  "{j}|{fecha:%d/%m/%Y}|{importe(antes)}|{importe(cargo)}|{importe(despues)}|{importe(acumulada)}"')
        print("  acumulada tras 2 años:", importe(tabla[1][5]))
