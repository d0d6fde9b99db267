"""Report files crafted to be costly, loaded in a loan table's preview as a
person would load one sent by someone else. A file whose pages are 16.384
half-transparent rectangles ten metres wide loads; the window keeps
answering while such a page is drawn: the page keys move through the pages
and Escape closes it within a few seconds. A file with a pen ten metres
wide is refused with a message that says why, and the preview stays."""
import hashlib
import os
import struct

import pyatspi

import recorrido as r
from informe_impreso import dialogo, vista_previa

HOME = os.environ["HOME"]
PAGINAS = 20
ELEMENTOS = 16384  # the most a page may hold
DIEZ_METROS = 10000.0


def texto(t):
    datos = t.encode("utf-8")
    return struct.pack(">I", len(datos)) + datos


def forma(tipo, x, ancho, alto, grosor, color):
    return struct.pack(">BBHffffI", tipo, 0, 0, x, ancho, alto, grosor, color)


def fichero(titulo, formas, paginas):
    """A report file: the title, no text styles, the shapes, and the pages
    as records (each already encoded)."""
    contenido = texto(titulo) + struct.pack(">I", 0) + struct.pack(">I", len(formas)) + b"".join(formas)
    contenido += struct.pack(">I", len(paginas))
    for registros in paginas:
        contenido += struct.pack(">ffI", 210.0, 297.0, len(registros)) + registros
    cabecera = struct.pack(">IHHI", 0x5A525046, 2, 0, len(contenido)) + hashlib.sha256(contenido).digest()
    return cabecera + contenido


def pagina_de_la_forma_0(cuantas):
    """`cuantas` primitives of shape 0, the first one setting the top to
    five metres above the sheet."""
    return b"\x01" + struct.pack(">f", -DIEZ_METROS / 2) + b"\x00" * (cuantas - 1)


def escribir_ficheros():
    rectangulo = forma(0, -DIEZ_METROS / 2, DIEZ_METROS, DIEZ_METROS, 0.0, 0x3C2040C8)
    with open(os.path.join(HOME, "rectangulos.zrp"), "wb") as f:
        f.write(fichero("Rectángulos", [rectangulo], [pagina_de_la_forma_0(ELEMENTOS)] * PAGINAS))
    pluma = forma(1, -DIEZ_METROS / 2, DIEZ_METROS, DIEZ_METROS, DIEZ_METROS, 0x5A000000)
    with open(os.path.join(HOME, "pluma.zrp"), "wb") as f:
        f.write(fichero("Pluma", [pluma], [pagina_de_la_forma_0(10)]))


def cargar(vista, nombre):
    r.clic(r.control(vista, "Cargar un informe desde un fichero", r.BOTON))
    dialogo("Cargar un informe")
    r.escribir(nombre)
    r.teclas("Return")


def pluma_rechazada(vista):
    titulo = vista.name
    cargar(vista, "pluma.zrp")
    aviso = r.ventana_activa("Error al cargar fichero de informe")
    textos = [n.name for n in r.descendientes(aviso) if n.getRole() in r.RESULTADO]
    r.comprobar(any("una línea tiene más de 5 mm de grosor" in t for t in textos), f"el aviso dice {textos}")
    r.teclas("Return")
    r.esperar_titulo(titulo)


def rectangulos_sin_bloquear(vista):
    cargar(vista, "rectangulos.zrp")
    r.esperar_titulo(f"Rectángulos - {PAGINAS} páginas")
    caja = r.control(vista, "Página", r.CAJA)
    # Each page change starts drawing a page that takes seconds, and the next
    # key is answered at once all the same.
    for pagina in range(2, 5):
        r.teclas("Next")
        r.esperar_texto(caja, str(pagina), limite=3)
    r.teclas("Escape")
    r.esperar_cierre(vista, limite=5)


def recorrer():
    escribir_ficheros()
    principal = r.ventana_principal()
    r.calcular_prestamo(principal, "120", "14,35")
    r.teclas("ctrl+t")
    ventana = r.tabla_activa()
    r.teclas("ctrl+p")
    vista = vista_previa()
    r.esperar(lambda: r.control(vista, "Cerrar", r.BOTON).getState().contains(pyatspi.STATE_ENABLED),
              "Cerrar habilitado")
    pluma_rechazada(vista)
    rectangulos_sin_bloquear(vista)
    r.esperar(lambda: r.activa(ventana), "la tabla activa tras cerrar la vista previa")
    r.teclas("Escape")
    r.esperar_cierre(ventana)
    r.ventana_principal()


r.ejecutar(recorrer)
