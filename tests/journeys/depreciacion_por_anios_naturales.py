"""A depreciation put to use in July by double declining changing to
straight line, as a person does it: the method from the page's list, the
date typed, the figures typed, the results read; its table (Ctrl+T), whose
first calendar year holds half a year of life and whose extra last year
ends at the final value; and its printed report. Saved with Ctrl+S and
opened again after Nuevo, the typed date still makes the first year a part
year. Then a kind of asset from the tax table fills the life, and a life
below the table's minimum is worked out with a warning; saved and opened
again, the kind and the life typed over it come back."""
import os

import pyatspi

import recorrido as r
from informe_impreso import imprimir_tabla


def rejilla(ventana):
    return next((n for n in r.descendientes(ventana) if n.getRole() == pyatspi.ROLE_TABLE), None)


def tabla():
    return r.esperar(lambda: next((v for v in r.ventanas() if rejilla(v) and r.activa(v)), None),
                     "la tabla de desarrollo, activa")


def elegir_ultimo(lista, esperado):
    """Opens a list with a click and takes its last item with the keys."""
    r.clic(lista)
    r.teclas("End", "Return")
    r.esperar_texto(lista, esperado)


def calcular(principal):
    r.teclas("alt+d")
    elegir_ultimo(r.control(principal, "Cálculo a realizar", r.LISTA),
                  "Calcular la depreciación doble-lineal")
    r.escribir_fecha(r.control(principal, "Fecha", r.CAJA), "15/07/2024")
    caja = r.control(principal, "Valor inicial", r.CAJA)
    r.clic(caja)
    r.esperar(lambda: r.enfocado(caja), "el foco en «Valor inicial»")
    r.escribir("10000\t0\t5\t2")
    r.teclas("Return")
    # Half of the first two years of life (4.000 and 2.400) fall in 2024 and
    # 2025 with the other half of the first: 2.000 + 3.200.
    r.esperar_textos(principal, {
        "Depreciación total durante los años de vida útil": "10.000,00",
        "Valor al final de los años de vida útil": "0,00",
        "Depreciación total durante los años calculados": "5.200,00",
        "Valor al final de los años calculados": "4.800,00",
    })


def leer_tabla():
    r.teclas("ctrl+t")
    ventana = tabla()
    filas = r.esperar(lambda: r.celdas(rejilla(ventana)), "las filas de la tabla")[1:]  # titles first
    r.comprobar(filas[0] == ["1", "15/07/2024", "10.000,00", "2.000,00", "8.000,00", "2.000,00"],
                f"la primera fila dice {filas[0]}")
    # The straight line takes over in the fourth year of life (1.080 a year),
    # and half of the fifth falls in a sixth calendar year.
    r.comprobar(filas[-1] == ["6", "01/01/2029", "540,00", "540,00", "0,00", "10.000,00"],
                f"la última fila dice {filas[-1]}")
    return ventana


def imprimir(ventana):
    texto = imprimir_tabla(ventana, "depreciacion.pdf")
    for esperado in ("Depreciación doble con paso a lineal", "15/07/2024", "01/01/2029", "540,00", "10.000,00"):
        r.comprobar(esperado in texto, f"el informe impreso no dice «{esperado}»:\n{texto}")
    r.teclas("Escape")
    r.esperar_cierre(ventana)


def tabla_fiscal(principal):
    util = r.control(principal, "Años de vida útil", r.CAJA)
    elegir_ultimo(r.control(principal, "Tipo de bien", r.LISTA), "Autocamiones (20 %, 10 años)")
    r.esperar_texto(util, "5")  # 100 / 20
    r.escribir_en(util, "4")
    r.teclas("Return")
    dicho = r.aviso("Tabla fiscal", "menor que la mínima")
    r.comprobar(dicho == "La vida útil de 4 años es menor que la mínima de la tabla fiscal para «Autocamiones»: "
                         "5 años (coeficiente máximo del 20 %).", f"el aviso dice {dicho!r}")
    r.teclas("Return")
    r.esperar_textos(principal, {"Depreciación total durante los años de vida útil": "10.000,00"})


FICHERO = os.path.join(os.environ["HOME"], "depreciacion.zzc")


def abrir_otra_vez(principal, primera_vez):
    """Saves the work (naming the file the first time), starts anew and opens it."""
    r.teclas("ctrl+s")
    if primera_vez:
        r.esperar_titulo("Guardar el cálculo")
        r.escribir(FICHERO)
        r.teclas("Return")
    r.esperar(lambda: r.titulo_activa().endswith(" - depreciacion.zzc"), "el fichero en el título")
    r.teclas("ctrl+shift+n")
    r.esperar(lambda: not r.titulo_activa().endswith(".zzc"), "el título sin fichero tras Nuevo")
    r.teclas("ctrl+o")
    r.esperar_titulo("Abrir un cálculo")
    r.escribir(FICHERO)
    r.teclas("Return")
    r.esperar(lambda: r.titulo_activa().endswith(" - depreciacion.zzc"), "el fichero abierto en el título")


def recalcular(principal):
    caja = r.control(principal, "Valor inicial", r.CAJA)
    r.clic(caja)
    r.esperar(lambda: r.enfocado(caja), "el foco en «Valor inicial»")
    r.teclas("Return")


def fecha_escrita_guardada(principal):
    abrir_otra_vez(principal, True)
    r.esperar_texto(r.control(principal, "Fecha", r.CAJA), "15/07/2024")
    recalcular(principal)
    # Still a part first year: a date the person typed stays typed.
    r.esperar_textos(principal, {"Depreciación total durante los años calculados": "5.200,00"})


def tabla_fiscal_guardada(principal):
    abrir_otra_vez(principal, False)
    r.esperar_texto(r.control(principal, "Tipo de bien", r.LISTA), "Autocamiones (20 %, 10 años)")
    r.esperar_texto(r.control(principal, "Años de vida útil", r.CAJA), "4")


def recorrer():
    principal = r.ventana_principal()
    calcular(principal)
    imprimir(leer_tabla())
    fecha_escrita_guardada(principal)
    tabla_fiscal(principal)
    tabla_fiscal_guardada(principal)


r.ejecutar(recorrer)
