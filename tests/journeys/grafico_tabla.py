"""A loan's chart in the table window, as a person opens it: Ctrl+G shows
the chart in place of the grid, and a screen reader reads what it shows;
a click on the chart's tool button brings the table back, and another click
shows the chart again. The printed table ends with the same charts on a
page of their own."""
import os

import pyatspi

import recorrido as r
from informe_impreso import imprimir_a_pdf, paginas_pdf, texto_de_pagina, vista_previa


def vista_grafico(ventana):
    """The chart view on screen, found by its accessible name."""
    return r.esperar(lambda: next((n for n in r.descendientes(ventana)
                                   if n.name == "Gráfico" and r.visible(n)
                                   and n.getRole() in (pyatspi.ROLE_PANEL, pyatspi.ROLE_FILLER)), None),
                     "la vista «Gráfico» a la vista")


def tabla_a_la_vista(ventana):
    return r.esperar(lambda: next((n for n in r.descendientes(ventana)
                                   if n.getRole() == pyatspi.ROLE_TABLE and n.name == "Tabla de desarrollo"
                                   and r.visible(n)), None),
                     "la tabla de desarrollo a la vista")


def leer_descripcion(vista):
    descripcion = vista.description
    for esperado in ("Gráfico «Capital pendiente»", "Serie «Capital pendiente»: 12 puntos",
                     "a 0,00.", "Serie «Capital amortizado»", "Serie «Intereses»"):
        r.comprobar(esperado in descripcion, f"la descripción del gráfico no dice «{esperado}»: {descripcion}")


def imprimir_graficos():
    """Prints the table to a PDF: its twelve rows fill the first page, the
    charts the second and last."""
    r.teclas("ctrl+p")
    vista = vista_previa()
    pdf = os.path.join(os.environ["HOME"], "grafico.pdf")
    imprimir_a_pdf(vista, pdf)
    paginas = paginas_pdf(pdf)
    r.comprobar(paginas == 2, f"el PDF tiene {paginas} páginas")
    ultima = texto_de_pagina(pdf, 2)
    for esperado in ("Capital pendiente", "Capital e intereses pagados por año", "Capital amortizado",
                     "Intereses", "Importe (€)", "1.000", "Página: 2"):
        r.comprobar(esperado in ultima, f"la página del gráfico no dice «{esperado}»: {ultima[:400]!r}")
    r.comprobar("Pendiente" not in ultima.split(), "la página del gráfico lleva los títulos de columna")
    r.teclas("Escape")
    r.esperar_cierre(vista)


def recorrer():
    principal = r.ventana_principal()
    r.calcular_prestamo(principal, "12", "88,85", primer_pago="31/01/2024")
    r.teclas("ctrl+t")
    ventana = r.tabla_activa()
    r.teclas("ctrl+g")
    leer_descripcion(vista_grafico(ventana))
    # A toggle button: the accessibility bus gives it the role of a check box.
    boton = r.control(ventana, "Gráfico", r.BOTON | {pyatspi.ROLE_CHECK_BOX})
    r.clic(boton)
    tabla_a_la_vista(ventana)
    r.clic(boton)
    leer_descripcion(vista_grafico(ventana))
    imprimir_graficos()
    r.esperar(lambda: r.activa(ventana), "la tabla activa tras cerrar la vista previa")
    r.teclas("Escape")
    r.esperar_cierre(ventana)
    r.ventana_principal()


r.ejecutar(recorrer)
