"""A loan near the largest amounts the program takes, 999999999999,99 at
15 % over 1200 instalments, typed as a person does; its table (Ctrl+T)
printed from the preview (Ctrl+P) to a PDF file. Every word of the PDF is
read back with its box: each amount prints whole and at a readable size (a
6-point line or more, against the 8 points of the page footer), and a short
figure (the capital of the first instalments) at the footer's full size,
however long the figures further down its column."""
import os
import re
import subprocess

import recorrido as r
from informe_impreso import imprimir_a_pdf, vista_previa

PALABRA = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>')
IMPORTE = re.compile(r"^\d{1,3}(\.\d{3})*,\d\d$")


def palabras(pdf):
    """(text, height in points) of every word of the PDF, page after page."""
    salida = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True).stdout
    return [(m.group(5), float(m.group(4)) - float(m.group(2))) for m in PALABRA.finditer(salida)]


def recorrer():
    principal = r.ventana_principal()
    r.teclear_prestamo(principal, "15", "1200", "999999999999,99")
    cuota = r.resultado(principal, "Cuota")
    r.esperar(lambda: r.texto(cuota).startswith("12.500.00"), "la cuota del préstamo grande")
    r.teclas("ctrl+t")
    tabla = r.tabla_activa()
    r.teclas("ctrl+p")
    vista = vista_previa()
    pdf = os.path.join(os.environ["HOME"], "grande.pdf")
    texto = imprimir_a_pdf(vista, pdf)
    r.comprobar("Página: 25" in texto, "el PDF no tiene las 25 páginas")

    leidas = palabras(pdf)
    pie = [alto for palabra, alto in leidas if palabra == "Página:"]
    importes = [(palabra, alto) for palabra, alto in leidas if IMPORTE.match(palabra)]
    r.comprobar(pie and len(importes) > 1200 * 7, f"{len(importes)} importes leídos del PDF")
    completo = max(pie)
    pequenos = [(p, round(alto / completo * 8, 1)) for p, alto in importes if alto < 0.74 * completo]
    r.comprobar(not pequenos, f"importes a menos de 6 puntos: {pequenos[:5]}")
    cortos = [(p, alto) for p, alto in importes if len(p) <= 12]
    r.comprobar(len(cortos) > 10, f"{len(cortos)} importes cortos en el PDF")
    reducidos = [(p, round(alto / completo * 8, 1)) for p, alto in cortos if alto < 0.98 * completo]
    r.comprobar(not reducidos, f"importes cortos reducidos: {reducidos[:5]}")
    r.comprobar("15.000." in texto, "el total pagado de la última fila no se lee entero")

    r.teclas("Escape")
    r.esperar_cierre(vista)
    r.esperar(lambda: r.activa(tabla), "la tabla activa tras cerrar la vista previa")
    r.teclas("Escape")
    r.esperar_cierre(tabla)
    r.ventana_principal()


r.ejecutar(recorrer)
