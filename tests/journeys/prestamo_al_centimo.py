"""A loan payable to the cent, as a person checks it: the guide's example
(150.000 at 3,25 % in 6 instalments) on the loans page, then its table with
Ctrl+T. The results' Total pagado and Total intereses are the table's last
Pagado and Intereses cells, every row's instalment is its capital plus its
interest, and the last row leaves 0,00 pending."""
import pyatspi

import recorrido as r


def centimos(texto):
    return int(texto.replace(".", "").replace(",", ""))


def recorrer():
    principal = r.ventana_principal()
    r.teclear_prestamo(principal, "3,25", "6", "150000")
    r.esperar_textos(principal, {"Cuota": "25.237,51", "Total pagado": "151.425,09",
                                 "Total intereses": "1.425,09"})

    r.teclas("ctrl+t")
    ventana = r.tabla_activa()
    filas = r.esperar(lambda: next((r.celdas(n) for n in r.descendientes(ventana)
                                    if n.getRole() == pyatspi.ROLE_TABLE), None), "la tabla de desarrollo")
    titulos, filas = filas[0], filas[1:]
    r.comprobar(len(filas) == 6, f"la tabla tiene {len(filas)} filas")
    col = {t: i for i, t in enumerate(titulos)}
    for f in filas:
        r.comprobar(centimos(f[col["Cuota"]]) == centimos(f[col["Capital"]]) + centimos(f[col["Interés"]]),
                    f"la fila {f[0]} no cuadra: {f}")
    ultima = filas[-1]
    r.comprobar(ultima[col["Pagado"]] == "151.425,09", f"la última fila dice Pagado {ultima[col['Pagado']]}")
    r.comprobar(ultima[col["Intereses"]] == "1.425,09", f"la última fila dice Intereses {ultima[col['Intereses']]}")
    r.comprobar(ultima[col["Pendiente"]] == "0,00", f"la última fila deja pendiente {ultima[col['Pendiente']]}")
    r.teclas("Escape")
    r.esperar_cierre(ventana)


r.ejecutar(recorrer)
