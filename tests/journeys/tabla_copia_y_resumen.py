"""A loan's table taken out of the window, as a person does it: Ctrl+A and
Ctrl+C paste into a spreadsheet (read back from the clipboard), so do the
table's context menu opened with the right button and with the Menu key,
Ctrl+E saves a CSV file through the file dialog, asking before it replaces
one, and Ctrl+R shows the yearly summary. The Menu key opens the menu at the
current cell, wherever the pointer is."""
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


def menu_abierto():
    """The outer rectangle (x, y, ancho, alto) of the open pop-up menu: the
    program's top window on view that the window manager does not frame;
    None while there is none."""
    arbol = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True).stdout
    for linea in arbol.splitlines():
        ventana = linea.split()[0] if linea.strip().startswith("0x") else None
        if not ventana:
            continue
        info = subprocess.run(["xwininfo", "-id", ventana], capture_output=True, text=True).stdout
        valores = {clave.strip(): valor.strip() for clave, _, valor in
                   (linea.partition(":") for linea in info.splitlines())}
        if valores.get("Map State") == "IsViewable" and valores.get("Override Redirect State") == "yes" \
                and "zuzidaduve" in linea:
            return tuple(int(valores[clave]) for clave in ("Absolute upper-left X", "Absolute upper-left Y",
                                                          "Width", "Height"))
    return None


def menu_en_la_celda(tabla):
    """The Menu key opens the menu just under the current cell (the first
    one, after Ctrl+Home) even with the pointer far from it."""
    r.teclas("ctrl+Home")
    subprocess.run(["xdotool", "mousemove", "5", "5"], check=True)
    celda = tabla.queryTable().getAccessibleAt(1, 0).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    r.teclas("Menu")
    menu = r.esperar(menu_abierto, "el menú de la tabla abierto")
    r.comprobar(abs(menu[0] - celda.x) <= 2 and abs(menu[1] - (celda.y + celda.height)) <= 2,
                f"el menú se abre en {menu[:2]}, no bajo la celda actual en {(celda.x, celda.y + celda.height)}")
    r.teclas("Escape")
    r.esperar(lambda: menu_abierto() is None, "el menú cerrado")


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
    menu_en_la_celda(tabla)


def exportar(ventana):
    """The name is typed without its extension, over a file already there:
    the program asks before replacing it, and the CSV gets ".csv"."""
    fichero = os.path.join(HOME, "prestamo.csv")
    with open(fichero, "w", encoding="utf-8") as f:
        f.write("antiguo\n")
    r.teclas("ctrl+e")
    r.esperar_titulo("Exportar la tabla")
    r.escribir("prestamo")
    r.teclas("Return")
    pregunta = r.aviso("Exportar la tabla", "ya existe")
    r.comprobar(pregunta == f"El fichero «{fichero}» ya existe. ¿Desea reemplazarlo?", f"al exportar se lee {pregunta!r}")
    with open(fichero, encoding="utf-8") as f:
        r.comprobar(f.read() == "antiguo\n", "el fichero se reemplazó antes de responder")
    r.teclas("alt+s")
    r.esperar(lambda: open(fichero, encoding="utf-8").read().startswith("Nº;"), f"el CSV en {fichero}")
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
