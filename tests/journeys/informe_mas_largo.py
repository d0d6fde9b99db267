"""The largest table the program builds, printed. Its dates may not pass
31/12/9999 and a date field takes no year before 1900, so the longest
monthly table starts in January 1900: 97.200 instalments. Its table (Ctrl+T), the preview (Ctrl+P), which pages
while its 2.027 pages are still being prepared, paged to the last page with
the End key once they are all ready, and closed with Escape. (The engine's
million-row report is measured by the report benchmarks.)"""
import pyatspi

import recorrido as r

CUOTAS = 97200
PAGINAS = 2027  # 48 rows a page, the loan's cost after them, and the charts
TITULO_INFORME = "Zelvar Zuzidaduve 1.0"


def calcular(principal):
    r.escribir_fecha(r.control(principal, "Primer pago", r.CAJA), "31/01/1900")
    r.clic(r.control(principal, "Interés", r.CAJA))
    r.escribir(f"6\t{CUOTAS}\t150000")
    r.teclas("Return")
    cuotas = r.resultado(principal, "Nº Cuotas")
    r.esperar(lambda: r.texto(cuotas).replace(".", "") == str(CUOTAS), "el préstamo calculado")


def tabla():
    """The table window: the one window of the program holding a grid."""
    def con_rejilla(v):
        return any(n.getRole() == pyatspi.ROLE_TABLE for n in r.descendientes(v))
    return r.esperar(lambda: next((v for v in r.ventanas() if r.activa(v) and con_rejilla(v)), None),
                     "la tabla de desarrollo, activa", limite=120)


def vista_previa():
    """The preview: its title is the report's (which is also the main
    window's) and, while it prepares pages, the page it is at."""
    return r.esperar(lambda: next((v for v in r.ventanas() if v.name.startswith(TITULO_INFORME)
                                   and r.activa(v) and not r.es_principal(v)), None),
                     "la vista previa, activa", limite=60)


def recorrer():
    principal = r.ventana_principal()
    calcular(principal)
    r.teclas("ctrl+t")
    ventana = tabla()
    r.teclas("ctrl+p")
    vista = vista_previa()
    # Paging works while the rest is prepared.
    r.control(vista, "Cerrar", r.BOTON)
    r.esperar(lambda: r.control(vista, "Cerrar", r.BOTON).getState().contains(pyatspi.STATE_ENABLED),
              "Cerrar habilitado con la primera página")
    r.teclas("Next")
    r.esperar_texto(r.control(vista, "Página", r.CAJA), "2")
    # The page status shows once every page is ready.
    r.control(vista, f"Página 2 de {PAGINAS}", r.RESULTADO, limite=150)
    r.teclas("End")
    r.control(vista, f"Página {PAGINAS} de {PAGINAS}", r.RESULTADO)
    r.teclas("Escape")
    r.esperar_cierre(vista)
    r.esperar(lambda: r.activa(ventana), "la tabla activa tras cerrar la vista previa")
    r.teclas("Escape")
    r.esperar_cierre(ventana)
    r.ventana_principal()


r.ejecutar(recorrer)
