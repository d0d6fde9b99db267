"""A loan near the largest amounts the program takes, 999999999999,99 at
15 % over 1200 instalments, typed as a person does; its table (Ctrl+T)
printed from the preview (Ctrl+P) to a PDF file. Every word of the PDF is
read back with its box: each amount prints whole and at a readable size (a
6-point line or more, against the 8 points of the page footer), and a short
figure (the capital of the first instalments) at the footer's full size,
however long the figures further down its column. Those pages fit portrait
A4. An early repayment then adds a column to the table: its figures no
longer fit portrait at 6 points, and the report prints on landscape A4,
every amount still whole and readable."""
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


def tamano_hojas(pdf):
    """The "Page size" line of every page of the PDF, the same for all."""
    salida = subprocess.run(["pdfinfo", "-f", "1", "-l", "999", pdf], capture_output=True, text=True).stdout
    return set(re.findall(r"Page +\d+ size: +(.*)", salida))


def imprimir_tabla(nombre, columnas, paginas, hojas, pagado):
    """Prints the loan's table from the preview to the PDF `nombre` and
    checks it: `paginas` pages on `hojas` sheets, `columnas` amounts a row,
    each at 6 points or more, the short ones at full size, and the amount
    paid by the last row whole (it starts with `pagado`)."""
    r.teclas("ctrl+t")
    tabla = r.tabla_activa()
    r.teclas("ctrl+p")
    vista = vista_previa()
    pdf = os.path.join(os.environ["HOME"], nombre)
    texto = imprimir_a_pdf(vista, pdf)
    r.comprobar(f"Página: {paginas}\n" in texto, f"el PDF no tiene las {paginas} páginas")
    r.comprobar(tamano_hojas(pdf) == {hojas}, f"las hojas del PDF miden {tamano_hojas(pdf)}")

    leidas = palabras(pdf)
    pie = [alto for palabra, alto in leidas if palabra == "Página:"]
    importes = [(palabra, alto) for palabra, alto in leidas if IMPORTE.match(palabra)]
    r.comprobar(pie and len(importes) > 1200 * columnas, f"{len(importes)} importes leídos del PDF")
    completo = max(pie)
    pequenos = [(p, round(alto / completo * 8, 1)) for p, alto in importes if alto < 0.74 * completo]
    r.comprobar(not pequenos, f"importes a menos de 6 puntos: {pequenos[:5]}")
    cortos = [(p, alto) for p, alto in importes if len(p) <= 12]
    r.comprobar(len(cortos) > 10, f"{len(cortos)} importes cortos en el PDF")
    reducidos = [(p, round(alto / completo * 8, 1)) for p, alto in cortos if alto < 0.98 * completo]
    r.comprobar(not reducidos, f"importes cortos reducidos: {reducidos[:5]}")
    r.comprobar(pagado in texto, "el total pagado de la última fila no se lee entero")

    r.teclas("Escape")
    r.esperar_cierre(vista)
    r.esperar(lambda: r.activa(tabla), "la tabla activa tras cerrar la vista previa")
    r.teclas("Escape")
    r.esperar_cierre(tabla)


def amortizar_anticipadamente(principal):
    """Adds an early repayment in "Condiciones…" and recalculates."""
    r.teclas("alt+o")
    dialogo = r.ventana_activa("Condiciones del préstamo")
    r.teclas("alt+n")
    r.escribir("12")
    r.teclas("Tab")
    r.escribir("10000")
    r.teclas("Return")
    r.teclas("Return")
    r.esperar_cierre(dialogo)
    caja = r.control(principal, "Interés", r.CAJA)
    r.clic(caja)
    r.esperar(lambda: r.enfocado(principal) == caja, "el foco en «Interés»")
    r.teclas("Return")


def recorrer():
    principal = r.ventana_principal()
    r.teclear_prestamo(principal, "15", "1200", "999999999999,99")
    cuota = r.resultado(principal, "Cuota")
    r.esperar(lambda: r.texto(cuota).startswith("12.500.00"), "la cuota del préstamo grande")
    imprimir_tabla("grande.pdf", 7, 27, "595 x 842 pts (A4)", "15.000.")
    r.ventana_principal()

    amortizar_anticipadamente(principal)
    imprimir_tabla("grande_apaisado.pdf", 8, 42, "842 x 595 pts (A4)", "14.974.511.716.249,35")
    r.ventana_principal()


r.ejecutar(recorrer)
