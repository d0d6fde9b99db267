"""Helpers of the journeys that reach a table's printed report: the preview
window, the dialogs in front of it, and printing it to a PDF file on a
machine without printers, read back as text."""
import os
import subprocess
import time

import recorrido as r

TITULO_INFORME = "Zelvar Zuzidaduve 1.0"


def vistas():
    """The preview windows: their title is the report's, which is also the
    main window's."""
    return [v for v in r.ventanas() if v.name == TITULO_INFORME and not r.es_principal(v)]


def vista_previa():
    return r.esperar(lambda: next((v for v in vistas() if r.activa(v)), None), "la vista previa, activa")


def caja_con_texto(ventana, final):
    def buscar():
        for nodo in r.descendientes(ventana):
            if nodo.getRole() in r.CAJA and r.texto(nodo).endswith(final):
                return nodo
        return None
    return r.esperar(buscar, f"una caja que acabe en «{final}» en «{ventana.name}»")


def arriba_del_todo():
    """The active window is the top of the window manager's stacking order."""
    activa = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()
    pila = subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], capture_output=True, text=True).stdout
    ventanas = [int(v, 16) for v in pila.split("#", 1)[-1].replace(",", " ").split()]
    return bool(activa) and bool(ventanas) and ventanas[-1] == int(activa)


def dialogo(titulo):
    """Waits for a dialog that is the active window, above the preview, and
    stays so (the preview must not raise itself over it)."""
    r.esperar_titulo(titulo)
    r.esperar(arriba_del_todo, f"«{titulo}» encima de la vista previa")
    time.sleep(0.5)
    r.comprobar(arriba_del_todo() and r.titulo_activa() == titulo, f"«{titulo}» quedó debajo de la vista previa")
    return r.ventana(titulo)


def imprimir_a_pdf(vista, pdf):
    """No printer here: printing offers the set-up with a PDF file, which is
    written to the path pdf. Returns the PDF's text."""
    casa = os.environ["HOME"]
    r.clic(r.control(vista, "Imprimir", r.BOTON))
    dialogo("Imprimir")
    r.teclas("alt+s")
    configurar = dialogo("Configurar impresora")
    # The file offered is in the person's folder, not the program's.
    fichero = caja_con_texto(configurar, "informe.pdf")
    r.comprobar(r.texto(fichero) == os.path.join(casa, "informe.pdf"),
                f"el PDF se ofrece en {r.texto(fichero)!r}")
    r.escribir_en(fichero, pdf)
    r.teclas("Return")
    r.esperar_cierre(configurar)
    # Once written, the program says where the file went.
    dicho = r.aviso("Imprimir", "se ha escrito")
    r.comprobar(dicho == f"El informe se ha escrito en el fichero PDF «{pdf}».", f"tras imprimir se lee {dicho!r}")
    r.teclas("Return")
    r.comprobar(os.path.getsize(pdf) > 0, f"el fichero {pdf} está vacío")
    texto = r.esperar(lambda: subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout,
                      "el texto del PDF")
    r.esperar_titulo(vista.name)
    return texto


def imprimir_tabla(ventana, nombre):
    """Ctrl+P from the table window `ventana`: prints the preview to the PDF
    file `nombre` in the person's folder, closes the preview with Escape and
    waits for the table to be active again. Returns the PDF's text."""
    r.teclas("ctrl+p")
    vista = vista_previa()
    texto = imprimir_a_pdf(vista, os.path.join(os.environ["HOME"], nombre))
    r.teclas("Escape")
    r.esperar_cierre(vista)
    r.esperar(lambda: r.activa(ventana), "la tabla activa tras cerrar la vista previa")
    return texto


def paginas_pdf(pdf):
    """The number of pages of the PDF file `pdf`."""
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    return next(int(l.split()[-1]) for l in info.splitlines() if l.startswith("Pages:"))


def texto_de_pagina(pdf, pagina):
    """The words of page `pagina` of the PDF file `pdf`, one space apart."""
    salida = subprocess.run(["pdftotext", "-f", str(pagina), "-l", str(pagina), pdf, "-"],
                            capture_output=True, text=True).stdout
    return " ".join(salida.split())
