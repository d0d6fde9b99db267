"""Opens a loan's development table through the accessibility bus and reads
it as a screen reader does: the window's title strip, the information panel
and the grid as a table of cells with its column titles."""
import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from comprobar_ventana import (NOMBRE_PROGRAMA, buscar, descendientes, entrada, fallo, fallos,  # noqa: E402
                               pagina, ventana_principal)


def pulsar_control_t():
    ventanas = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + NOMBRE_PROGRAMA + " [0-9]"],
                              capture_output=True, text=True).stdout.split()
    if not ventanas:
        return False
    subprocess.run(["xdotool", "windowfocus", "--sync", ventanas[0]], check=False)
    return subprocess.run(["xdotool", "key", "--clearmodifiers", "ctrl+t"]).returncode == 0


def ventana_desarrollo(limite=15.0):
    """The program window that holds a table."""
    fin = time.time() + limite
    while time.time() < fin:
        try:
            for aplicacion in pyatspi.Registry.getDesktop(0):
                if aplicacion is None or aplicacion.name not in (NOMBRE_PROGRAMA, "zuzidaduve"):
                    continue
                for ventana in aplicacion:
                    if ventana is None:
                        continue
                    for nodo in descendientes(ventana):
                        if nodo.getRole() == pyatspi.ROLE_TABLE:
                            return ventana, nodo
        except Exception:  # a window went away while it was read: look again
            pass
        time.sleep(0.3)
    return None, None


def main():
    principal = ventana_principal()
    if principal is None:
        print("FALLO: la ventana principal no aparece en el bus de accesibilidad")
        return 1
    prestamos = pagina(principal, "Préstamos")
    for etiqueta, valor in {"Capital": "1000", "Interés": "12", "Nº Cuotas": "12",
                            "Primer pago": "31/01/2024"}.items():
        campo = entrada(prestamos, etiqueta)
        if campo is None:
            fallo(f"no se puede escribir en «{etiqueta}»")
            return 1
        campo.queryEditableText().setTextContents(valor)
    # Ctrl+T from the keyboard: an action called through the bus would not
    # get its reply until the modal table closes.
    if not pulsar_control_t():
        fallo("no se puede pulsar Ctrl+T en la ventana principal")
        return 1

    ventana, tabla = ventana_desarrollo()
    if tabla is None:
        print("FALLO: la tabla de desarrollo no aparece en el bus de accesibilidad")
        return 1
    if buscar(ventana, " Préstamos, tabla de desarrollo", {pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC}) is None:
        fallo("no se encuentra el título de la tabla")
    cuota = buscar(ventana, "Cuota", {pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC})
    paneles = [n for n in descendientes(ventana) if n.name == "Cuota" and
               n.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC) and "Text" in n.get_interfaces()]
    if cuota is None or not any(p.queryText().getText(0, -1) == "88,85" for p in paneles):
        fallo("el panel «Cuota» no muestra 88,85")

    t = tabla.queryTable()
    if (t.nRows, t.nColumns) != (13, 9):
        fallo(f"la tabla tiene {t.nRows} × {t.nColumns} celdas en lugar de 13 × 9")
    if t.getColumnDescription(4) != "Interés":
        fallo(f"la columna 4 se llama {t.getColumnDescription(4)!r}")
    esperadas = {(1, 1): "31/01/2024", (1, 3): "78,85", (2, 1): "29/02/2024", (12, 5): "1.000,00",
                 (12, 8): "66,19"}
    for (fila, columna), texto in esperadas.items():
        celda = t.getAccessibleAt(fila, columna)
        if celda is None or celda.name != texto:
            fallo(f"la celda ({fila}, {columna}) dice {celda.name if celda else None!r} en lugar de {texto!r}")
    if fallos:
        print(f"{len(fallos)} fallos")
        return 1
    print("Accesibilidad de la tabla de desarrollo: correcta")
    return 0


if __name__ == "__main__":
    sys.exit(main())
