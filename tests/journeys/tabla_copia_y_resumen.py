"""A loan's table taken out of the window, as a person does it: Ctrl+A and
Ctrl+C paste into a spreadsheet (read back from the clipboard), so do the
table's context menu opened with the right button and with the Menu key,
Ctrl+E saves a CSV file through the file dialog, and Ctrl+R shows the yearly
summary."""
import os
import subprocess
import time

import pyatspi

import recorrido as r

HOME = os.environ["HOME"]


def rejilla(ventana, nombre):
    return r.esperar(lambda: next((n for n in r.descendientes(ventana)
                                   if n.getRole() == pyatspi.ROLE_TABLE and n.name == nombre and r.visible(n)), None),
                     f"la tabla «{nombre}» a la vista")


def portapapeles():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True).stdout


def vaciar_portapapeles():
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input="", text=True, check=True)
    r.esperar(lambda: portapapeles() == "", "el portapapeles vacío")


def elegir_del_menu(abrir, entrada):
    """Opens the table's context menu and picks its entrada-th entry with the
    arrow keys and Return. Qt keeps pop-up menus off the accessibility tree
    (a screen reader follows their focus), so the entry is checked by what it
    does."""
    abrir()
    time.sleep(0.3)
    r.teclas(*["Down"] * entrada, "Return")


def copiar(ventana):
    tabla = rejilla(ventana, "Tabla de desarrollo")
    filas = r.celdas(tabla)
    r.comprobar(filas[1] == ["1", "31/01/2024", "88,85", "78,85", "10,00", "78,85", "921,15", "88,85", "10,00"],
                f"la primera fila dice {filas[1]}")
    esperado = "".join("\t".join(f) + "\n" for f in filas)
    r.teclas("ctrl+a", "ctrl+c")
    r.esperar(lambda: portapapeles() == esperado, "las 13 filas de la tabla en el portapapeles")

    # The same through the context menu: a click leaves one cell selected,
    # the menu opened with the right button selects all, the one opened with
    # the Menu key copies.
    vaciar_portapapeles()
    r.clic(tabla)
    elegir_del_menu(lambda: r.clic(tabla, boton=3), 1)   # Seleccionar todo
    elegir_del_menu(lambda: r.teclas("Menu"), 2)         # Copiar
    r.esperar(lambda: portapapeles() == esperado, "la tabla copiada desde su menú")


def exportar(ventana):
    r.teclas("ctrl+e")
    r.esperar_titulo("Exportar la tabla")
    r.escribir("prestamo")
    r.teclas("Return")
    fichero = os.path.join(HOME, "prestamo.csv")
    r.esperar(lambda: os.path.exists(fichero), f"el fichero {fichero}")
    r.esperar_titulo(ventana.name)
    with open(fichero, encoding="utf-8") as f:
        lineas = f.read().split("\n")
    r.comprobar(lineas[0] == "Nº;Fecha;Cuota;Capital;Interés;Amortizado;Pendiente;Pagado;Intereses",
                f"la primera línea del CSV dice {lineas[0]!r}")
    r.comprobar(lineas[12] == "12;31/12/2024;88,84;87,96;0,88;1.000,00;0,00;1.066,19;66,19",
                f"la última fila del CSV dice {lineas[12]!r}")
    r.comprobar(len(lineas) == 14 and lineas[13] == "", f"el CSV tiene {len(lineas)} líneas")


def resumen(ventana):
    r.teclas("ctrl+r")
    filas = r.celdas(rejilla(ventana, "Resumen anual"))
    # The sums of the table's columns: eleven instalments of 88,85 and a
    # last one of 88,84 that closes the loan, repaying exactly 1.000,00.
    esperadas = [["Año", "Cuotas", "Pagado", "Capital", "Interés", "Pendiente"],
                 ["2024", "12", "1.066,19", "1.000,00", "66,19", "0,00"],
                 ["Total", "12", "1.066,19", "1.000,00", "66,19", "0,00"]]
    r.comprobar(filas == esperadas, f"el resumen anual dice {filas}")
    # A picture of the summary for the documentation, when asked for.
    if os.environ.get("ZZ_CAPTURA_RESUMEN"):
        subprocess.run(["import", "-window", "root", os.environ["ZZ_CAPTURA_RESUMEN"]], check=False)
    r.teclas("ctrl+r")
    rejilla(ventana, "Tabla de desarrollo")


def recorrer():
    principal = r.ventana_principal()
    r.calcular_prestamo(principal, "12", "88,85", primer_pago="31/01/2024")
    r.teclas("ctrl+t")
    ventana = r.tabla_activa()
    copiar(ventana)
    exportar(ventana)
    resumen(ventana)
    r.teclas("Escape")
    r.esperar_cierre(ventana)
    r.ventana_principal()


r.ejecutar(recorrer)
