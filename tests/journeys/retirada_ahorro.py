"""Living off a capital, as a person asks it: on the savings page the list
of calculations offers "Calcular la retirada mensual", chosen with the
keyboard; 100.000 at 3 % for 240 months, withdrawn at the start of each
month, sustains 553,21 a month. The results name their panels for the
withdrawal; Ctrl+T shows the withdrawals, the last one leaving the capital
at 0,00; Ctrl+A, Ctrl+C copies it; Ctrl+P prints them to a PDF file that carries the table's title."""
import subprocess

import pyatspi

import recorrido as r
from informe_impreso import imprimir_tabla


def celdas(ventana):
    return r.celdas(next(n for n in r.descendientes(ventana) if n.getRole() == pyatspi.ROLE_TABLE))


def elegir_retirada(principal):
    lista = r.control(principal, "Cálculo a realizar", r.LISTA)
    r.clic(lista)
    r.teclas("End")
    r.teclas("Return")
    r.esperar_texto(lista, "Calcular la retirada mensual")


def portapapeles():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True).stdout


def imprimir(ventana):
    texto = imprimir_tabla(ventana, "retiradas.pdf")
    r.comprobar("Retiradas, tabla de desarrollo" in texto, f"el informe no lleva su título: {texto!r}")
    r.comprobar("Total retirado:" in texto and "132.771,88" in texto.split(),
                f"el informe no tiene el total: {texto!r}")


def recorrer():
    principal = r.ventana_principal()
    r.clic(r.control(principal, "Inversiones", r.PESTANA))
    r.control(principal, " Inversiones", r.RESULTADO)
    elegir_retirada(principal)
    interes = r.control(principal, "Interés", r.CAJA)
    r.clic(interes)
    r.escribir("3\t240")
    r.escribir_en(r.control(principal, "Capital Inicial", r.CAJA), "100000")
    r.escribir_fecha(r.control(principal, "Primera cuota", r.CAJA), "01/01/2025")
    r.clic(interes)
    r.teclas("Return")
    r.esperar_textos(principal, {"Retirada": "553,21", "Total retirado": "132.771,88", "Intereses": "32.771,88",
                                 "Última retirada": "554,69", "Capital Final": "0,00"})
    r.esperar_texto(r.control(principal, "Cuota", r.CAJA), "553,21")
    # Bad input gets the calculation's own message and keeps the page usable.
    r.escribir_en(r.control(principal, "Nº Cuotas", r.CAJA), "0")
    r.clic(interes)
    r.teclas("Return")
    dicho = r.aviso("Cálculo de la retirada de una inversión", "cuotas")
    r.comprobar("mayor que cero" in dicho, f"el aviso dice {dicho!r}")
    r.teclas("Return")
    r.escribir_en(r.control(principal, "Nº Cuotas", r.CAJA), "240")
    r.teclas("ctrl+t")
    ventana = r.tabla_activa()
    filas = r.esperar(lambda: celdas(ventana), "las filas de la tabla")
    r.comprobar(filas[0] == ["Nº", "Fecha", "Retirada", "Interés", "Capital"], f"los títulos dicen {filas[0]}")
    r.comprobar(len(filas) == 241, f"la tabla tiene {len(filas) - 1} filas")
    r.comprobar(filas[240] == ["240", "01/12/2044", "554,69", "0,00", "0,00"], f"la última fila dice {filas[240]}")
    # Ctrl+A, Ctrl+C copies the whole table, titles first, a tab between cells.
    esperado = "".join("\t".join(f) + "\n" for f in filas)
    r.teclas("ctrl+a", "ctrl+c")
    r.esperar(lambda: portapapeles() == esperado, "las 241 filas de la tabla en el portapapeles")
    imprimir(ventana)
    r.teclas("Escape")
    r.esperar_cierre(ventana)
    r.ventana_principal()


r.ejecutar(recorrer)
