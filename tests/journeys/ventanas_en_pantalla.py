"""Every window lies wholly on the screen, its title bar and borders
included: the main window, help opened from it and from the report preview,
the table (titled after its table) and the preview, which takes the whole
screen. CTest walks it at 1280×1024 and again at 1024×768."""
import subprocess

import recorrido as r
from informe_impreso import vista_previa


def bajar_activa():
    """Puts the active window against the bottom edge of the screen, where a
    taller window centred over it would not fit."""
    x, _, _, alto = r.marco_activa()
    _, pantalla_alto = r.tamano_pantalla()
    ventana = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()
    subprocess.run(["xdotool", "windowmove", ventana, str(x), str(pantalla_alto - alto)], check=True)
    r.esperar(lambda: sum(r.marco_activa()[1::2]) >= pantalla_alto - 30, "la ventana junto al borde de abajo")


def ayuda(vuelta):
    r.teclas("F1")
    r.esperar(lambda: r.titulo_activa().startswith("Ayuda de Zelvar Zuzidaduve"), "la ayuda activa")
    r.esperar_en_pantalla("la ayuda")
    r.teclas("Escape")
    r.esperar_titulo(vuelta)


def recorrer():
    principal = r.ventana_principal()
    r.esperar_en_pantalla("la ventana principal")
    ayuda(principal.name)
    bajar_activa()
    ayuda(principal.name)

    r.calcular_prestamo(principal, "120", "14,35")
    r.teclas("ctrl+t")
    tabla = r.tabla_activa()
    r.esperar_titulo("Préstamos, tabla de desarrollo")
    r.esperar_en_pantalla("la tabla")

    r.teclas("ctrl+p")
    vista = vista_previa()
    r.esperar_en_pantalla("la vista previa", entera=True)
    ayuda(vista.name)

    r.teclas("Escape")
    r.esperar_cierre(vista)
    r.teclas("Escape")
    r.esperar_cierre(tabla)
    r.ventana_principal()


r.ejecutar(recorrer)
