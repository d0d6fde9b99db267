"""A loan with conditions, as a person sets them: Alt+O opens "Condiciones…",
the keys choose a quarterly frequency and add an early repayment with its
fee, Aceptar, Intro recalculates (TAE and heading note), Ctrl+T shows a
table with the repayment's column, and Ctrl+P prints it, to a PDF file here,
with that column and the others under titles that fit the narrower page, and
the loan's total cost after the rows."""
import os
import subprocess

import pyatspi

import recorrido as r
from informe_impreso import imprimir_tabla

DIALOGO = "Condiciones del préstamo"
CABECERA = " Resultados del último cálculo realizado, con las condiciones del préstamo"


def celdas(ventana):
    """Every row of the table, titles first."""
    return r.celdas(next(n for n in r.descendientes(ventana) if n.getRole() == pyatspi.ROLE_TABLE))


def poner_condiciones():
    r.teclas("alt+o")
    dialogo = r.ventana_activa(DIALOGO)
    periodicidad = r.control(dialogo, "Periodicidad", r.LISTA)
    r.teclas("alt+p")
    r.esperar(lambda: r.enfocado(dialogo) == periodicidad, "el foco en «Periodicidad»")
    r.teclas("Down", "Down")
    r.esperar_texto(periodicidad, "Trimestral")
    r.teclas("alt+n")
    r.escribir("2")
    r.teclas("alt+i")
    r.escribir("200")
    reduce = r.control(dialogo, "Se reduce", r.LISTA)
    r.teclas("alt+s")
    r.esperar(lambda: r.enfocado(dialogo) == reduce, "el foco en «Se reduce»")
    r.teclas("Down")
    r.esperar_texto(reduce, "Cuota")
    r.clic(r.control(dialogo, "Comisión %", r.CAJA))
    r.escribir("1")
    r.clic(r.control(dialogo, "Añadir amortización", r.BOTON))
    lista = r.control(dialogo, "Amortizaciones anticipadas", {pyatspi.ROLE_LIST})
    r.esperar(lambda: lista.childCount == 1, "una amortización en la lista")
    r.clic(r.control(dialogo, "Aceptar", r.BOTON))
    r.esperar_cierre(dialogo)


def cabecera(principal):
    return next((n for n in r.descendientes(principal)
                 if n.getRole() in r.RESULTADO and n.name.startswith(" Resultados")), None)


def recalcular(principal, caja):
    r.esperar(lambda: cabecera(principal) and "datos anteriores" in cabecera(principal).name,
              "la cabecera de los resultados anteriores")
    r.clic(caja)
    r.esperar(lambda: r.enfocado(caja), "el foco en «Interés»")
    r.teclas("Return")
    # 12 % a year is 3 % a quarter: TAE 1,03⁴ − 1; eight quarterly
    # instalments of 1.000.
    r.esperar_textos(principal, {"Cuota": "142,46", "TAE": "12,55"})
    r.esperar(lambda: cabecera(principal) and cabecera(principal).name == CABECERA,
              f"la cabecera «{CABECERA}»")


def leer_tabla():
    r.teclas("ctrl+t")
    ventana = r.tabla_activa()
    filas = r.esperar(lambda: celdas(ventana), "las filas de la tabla")
    titulos = filas[0]
    r.comprobar(titulos[5:7] == ["Amort. anticipada", "Comisión"], f"los títulos dicen {titulos}")
    anticipada = [f[5] for f in filas[1:]]
    r.comprobar(anticipada == ["0,00", "200,00"] + ["0,00"] * 6, f"la columna «Amort. anticipada» dice {anticipada}")
    r.comprobar([f[1] for f in filas[1:4]] == ["31/01/2024", "30/04/2024", "31/07/2024"],
                f"las fechas dicen {[f[1] for f in filas[1:4]]}")
    # The instalment after the repayment is the level one of 571,71 over
    # the six quarters left.
    r.comprobar(filas[3][2] == "105,54" and filas[2][6] == "2,00", f"las filas dicen {filas[2]} y {filas[3]}")
    # A picture of the table for the documentation, when asked for.
    if os.environ.get("ZZ_CAPTURA_TABLA"):
        activa = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()
        subprocess.run(["import", "-window", activa or "root", os.environ["ZZ_CAPTURA_TABLA"]], check=False)
    imprimir(ventana)
    r.teclas("Escape")
    r.esperar_cierre(ventana)


def imprimir(ventana):
    texto = imprimir_tabla(ventana, "condiciones.pdf")
    lineas = texto.split()
    for titulo in ("Anticipada", "Comisión", "Amortiz.", "Pendiente"):
        r.comprobar(titulo in lineas, f"el informe no tiene la columna «{titulo}»: {texto!r}")
    r.comprobar("200,00" in lineas and "2,00" in lineas, f"el informe no tiene la amortización: {texto!r}")
    # After the rows, what the loan costs: its interest and the 2,00 fee.
    r.comprobar("Coste del préstamo" in texto and "118,14" in lineas and "120,14" in lineas,
                f"el informe no tiene el coste del préstamo: {texto!r}")


def recorrer():
    principal = r.ventana_principal()
    caja = r.calcular_prestamo(principal, "8", "130,69", primer_pago="31/01/2024")
    poner_condiciones()
    recalcular(principal, caja)
    leer_tabla()
    r.ventana_principal()


if __name__ == "__main__":
    r.ejecutar(recorrer)
