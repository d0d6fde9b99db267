"""A savings plan with conditions, as a person sets them: on the savings page
the first contribution that reaches 3.000 in 24 months at 5 %, then Alt+O
opens "Condiciones…", where the contribution grows 10 % a year, inflation is
3 % and the gain pays the savings brackets; Aceptar, Intro recalculates and
the results show the real and net figures; Ctrl+T shows the table with its
"Valor real" column, the last row's value the same as the result's, and
Ctrl+P prints it, to a PDF file here, with that column and the real and net
figures after the rows."""
import os
import subprocess

import pyatspi

import recorrido as r
from informe_impreso import imprimir_tabla

DIALOGO = "Condiciones de la inversión"


def celdas(ventana):
    """Every row of the table, titles first."""
    return r.celdas(next(n for n in r.descendientes(ventana) if n.getRole() == pyatspi.ROLE_TABLE))


def captura(variable):
    """A picture of the active window for the documentation, when asked for."""
    if os.environ.get(variable):
        activa = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()
        subprocess.run(["import", "-window", activa or "root", os.environ[variable]], check=False)


def poner_condiciones():
    r.teclas("alt+o")
    dialogo = r.ventana_activa(DIALOGO)
    r.teclas("alt+r")
    r.esperar(lambda: r.enfocado(dialogo) == r.control(dialogo, "Crecimiento anual de la cuota %", r.CAJA),
              "el foco en «Crecimiento anual de la cuota %»")
    r.escribir("10")
    r.teclas("alt+i")
    r.escribir("3")
    impuesto = r.control(dialogo, "Impuesto sobre la ganancia", r.LISTA)
    r.teclas("alt+g")
    r.esperar(lambda: r.enfocado(dialogo) == impuesto, "el foco en «Impuesto sobre la ganancia»")
    r.teclas("Down")
    r.esperar_texto(impuesto, "Tramos del ahorro (2025)")
    captura("ZZ_CAPTURA_DIALOGO")
    r.clic(r.control(dialogo, "Aceptar", r.BOTON))
    r.esperar_cierre(dialogo)


def imprimir(ventana):
    texto = imprimir_tabla(ventana, "ahorro.pdf")
    lineas = texto.split()
    r.comprobar("Valor real" in texto and "2.827,88" in lineas, f"el informe no tiene el valor real: {texto!r}")
    r.comprobar("Resultados de la inversión" in texto and "Capital final neto" in texto and "2.971,65" in lineas,
                f"el informe no tiene los resultados de la inversión: {texto!r}")


def recorrer():
    principal = r.ventana_principal()
    r.clic(r.control(principal, "Inversiones", r.PESTANA))
    r.control(principal, " Inversiones", r.RESULTADO)
    interes = r.control(principal, "Interés", r.CAJA)
    r.clic(interes)
    r.escribir("5\t24\t3000")
    r.escribir_fecha(r.control(principal, "Primera cuota", r.CAJA), "01/01/2025")
    r.clic(interes)
    r.teclas("Return")
    # A level contribution: no real or net figures on show.
    r.esperar_textos(principal, {"Cuota": "118,62", "Capital Final": "3.000,00"})
    poner_condiciones()
    r.clic(interes)
    r.esperar(lambda: r.enfocado(interes), "el foco en «Interés»")
    r.teclas("Return")
    r.esperar_textos(principal, {"Cuota": "113,11", "Capital Final": "3.000,10", "Capital Invertido": "2.850,36",
                                 "Cap. final real": "2.827,88", "Ganancia real": "-22,48", "Impuesto": "28,45",
                                 "Cap. final neto": "2.971,65"})
    captura("ZZ_CAPTURA_PAGINA")
    r.teclas("ctrl+t")
    ventana = r.tabla_activa()
    filas = r.esperar(lambda: celdas(ventana), "las filas de la tabla")
    r.comprobar(filas[0][6:] == ["Valor real"], f"los títulos dicen {filas[0]}")
    r.comprobar(filas[13][2] == "124,42", f"la cuota 13 dice {filas[13]}")
    r.comprobar(filas[24][4] == "3.000,10" and filas[24][6] == "2.827,88", f"la última fila dice {filas[24]}")
    captura("ZZ_CAPTURA_TABLA")
    imprimir(ventana)
    r.teclas("Escape")
    r.esperar_cierre(ventana)
    r.ventana_principal()


r.ejecutar(recorrer)
