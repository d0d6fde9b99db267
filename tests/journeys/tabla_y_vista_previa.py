"""A loan's table and its printed report, as a person uses them: Ctrl+T, the
record buttons, Ctrl+P, paging by click, by key and by the page box, zoom,
the pop-up menu, printing on a machine without printers to a PDF file,
saving a report file and loading it back, and Escape twice back to the main
window."""
import os
import time

import pyatspi
from gi.repository import GLib

import recorrido as r
from informe_impreso import TITULO_INFORME, dialogo, imprimir_a_pdf, vista_previa, vistas
# The zoom-mode buttons stay down: the toolkit shows them as check boxes.
MODO = r.BOTON | {pyatspi.ROLE_CHECK_BOX}
MENU = {pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM}
HOME = os.environ["HOME"]
# The loan's 120 rows and its yearly summary fill three pages; the charts
# take the last one.
PAGINAS = 4


class CualquierRol:
    def __contains__(self, rol):
        return True


def hoja(vista):
    """The sheet of the preview, whatever role the toolkit gives it."""
    return r.control(vista, "Vista preliminar", CualquierRol())


def rejilla(ventana):
    return next((n for n in r.descendientes(ventana) if n.getRole() == pyatspi.ROLE_TABLE), None)


def tabla():
    """The table window: the one window of the program holding a grid."""
    return r.esperar(lambda: next((v for v in r.ventanas() if rejilla(v) and r.activa(v)), None),
                     "la tabla de desarrollo, activa")


def fila_actual(ventana):
    return list(rejilla(ventana).queryTable().getSelectedRows())


def esperar_fila(ventana, fila):
    r.esperar(lambda: fila_actual(ventana) == [fila], f"la fila {fila} de la tabla seleccionada")


def esperar_pagina(vista, pagina):
    r.control(vista, f"Página {pagina} de {PAGINAS}", r.RESULTADO)


def pulsado(vista, nombre):
    return r.control(vista, nombre, MODO).getState().contains(pyatspi.STATE_CHECKED)


def esperar_zoom(vista, nombre):
    """Waits until `nombre` is the only zoom-mode button down (None: none)."""
    modos = ["Ver hoja entera en pantalla", "Ver a tamaño completo", "Ajustar ancho de la página"]
    r.esperar(lambda: [m for m in modos if pulsado(vista, m)] == ([nombre] if nombre else []),
              f"el zoom «{nombre}» como único modo pulsado")


def oir_menu(*pulsaciones):
    """Presses keys in an open pop-up menu and returns the items it marks
    in turn, as a screen reader hears them (a pop-up menu is not among the
    program's windows on the accessibility bus, only in its events)."""
    oidas = []

    def oir(evento):
        try:
            if evento.detail1 and evento.source.getRole() in MENU:
                oidas.append(r.sin_acelerador(evento.source.name))
        except Exception:
            pass
    contexto = GLib.MainContext.default()

    def atender(segundos):
        fin = time.monotonic() + segundos
        while time.monotonic() < fin:
            while contexto.iteration(False):
                pass
            time.sleep(0.01)
    pyatspi.Registry.registerEventListener(oir, "object:state-changed:focused")
    try:
        for tecla in pulsaciones:
            r.teclas(tecla)
            atender(0.3)
    finally:
        pyatspi.Registry.deregisterEventListener(oir, "object:state-changed:focused")
    return oidas


def recorrer_registros(ventana):
    esperar_fila(ventana, 1)
    r.clic(r.control(ventana, "Último registro", r.BOTON))
    esperar_fila(ventana, 120)
    r.clic(r.control(ventana, "Registro anterior", r.BOTON))
    esperar_fila(ventana, 119)
    r.clic(r.control(ventana, "Primer registro", r.BOTON))
    esperar_fila(ventana, 1)
    r.clic(r.control(ventana, "Registro siguiente", r.BOTON))
    esperar_fila(ventana, 2)


def paginar(vista):
    esperar_pagina(vista, 1)
    r.clic(r.control(vista, "Página siguiente", r.BOTON))
    esperar_pagina(vista, 2)
    r.teclas("Next")
    esperar_pagina(vista, 3)
    r.teclas("Home")
    esperar_pagina(vista, 1)
    caja = r.control(vista, "Página", r.CAJA)
    r.clic(caja)
    r.esperar(lambda: r.enfocado(caja), "el foco en la caja de página")
    r.escribir("3")
    esperar_pagina(vista, 3)
    # A click on the sheet gives the keys back to the window.
    r.clic(hoja(vista))
    r.teclas("Prior")
    esperar_pagina(vista, 2)


def ampliar_y_menu(vista):
    esperar_zoom(vista, "Ajustar ancho de la página")
    r.teclas("KP_Add")
    esperar_zoom(vista, None)
    r.clic(r.control(vista, "Ver hoja entera en pantalla", MODO))
    esperar_zoom(vista, "Ver hoja entera en pantalla")
    r.clic(hoja(vista), boton=3)
    oidas = oir_menu("Down", "Down", "Down", "Down", "Down", "Up", "Up")
    esperadas = ["Ver hoja entera en pantalla", "Ver a tamaño completo", "Ajustar ancho de la página",
                 "Imprimir", "Cerrar la ventana", "Imprimir", "Ajustar ancho de la página"]
    r.comprobar(oidas == esperadas, f"el menú emergente marca {oidas}")
    r.teclas("Return")
    esperar_zoom(vista, "Ajustar ancho de la página")


def guardar_y_cargar(vista):
    r.clic(r.control(vista, "Guardar el informe en un fichero", r.BOTON))
    dialogo("Guardar el informe")
    # The name is typed without its extension, and the temporary home has
    # a dot in its path: the file still gets ".zrp".
    r.escribir("prestamo")
    r.teclas("Return")
    # A bare name lands in the folder the dialog started in: the home here.
    guardado = os.path.join(HOME, "prestamo.zrp")
    try:
        r.esperar(lambda: os.path.exists(guardado), f"el fichero {guardado}")
    except r.Fallo:
        raise r.Fallo(f"no se guarda {guardado}; en la carpeta: {sorted(os.listdir(HOME))}") from None
    r.esperar_titulo(vista.name)
    r.clic(r.control(vista, "Cargar un informe desde un fichero", r.BOTON))
    dialogo("Cargar un informe")
    r.escribir("prestamo.zrp")
    r.teclas("Return")
    r.esperar_titulo(f"{TITULO_INFORME} - {PAGINAS} páginas")
    esperar_pagina(vista, 1)


def recorrer():
    principal = r.ventana_principal()
    r.calcular_prestamo(principal, "120", "14,35")
    r.teclas("ctrl+t")
    ventana = tabla()
    recorrer_registros(ventana)

    r.teclas("ctrl+p")
    vista = vista_previa()
    paginar(vista)
    # The table waits: a second Ctrl+P opens no second preview.
    r.teclas("ctrl+p")
    r.esperar_titulo(vista.name)
    r.comprobar(len(vistas()) == 1, f"hay {len(vistas())} vistas previas abiertas")
    esperar_pagina(vista, 2)
    ampliar_y_menu(vista)
    texto = imprimir_a_pdf(vista, os.path.join(HOME, "tabla.pdf"))
    r.comprobar("Página: 1" in texto and f"Página: {PAGINAS}" in texto, "el PDF no tiene los pies de página")
    r.comprobar("Capital pendiente" in texto.split("\f")[PAGINAS - 1], "el PDF no acaba con la página del gráfico")
    guardar_y_cargar(vista)

    r.teclas("Escape")
    r.esperar_cierre(vista)
    r.esperar(lambda: r.activa(ventana), "la tabla activa tras cerrar la vista previa")
    r.comprobar(r.visible(ventana), "Escape cerró también la tabla")
    r.teclas("Escape")
    r.esperar_cierre(ventana)
    r.ventana_principal()


r.ejecutar(recorrer)
