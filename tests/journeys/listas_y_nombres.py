"""Drop-down lists and names on the bus: a list is found by its label's
name; Enter or Escape in an open list only closes it (no calculation, no
question about leaving); every tool button of the main and the table window
has a name."""
import pyatspi

import recorrido as r


def abierta(lista):
    return r.visible(lista.getChildAtIndex(0))


def abrir(lista):
    r.clic(lista)
    r.esperar(lambda: abierta(lista), f"la lista «{lista.name}» abierta")


def cerrar_con(lista, tecla):
    r.teclas(tecla)
    r.esperar(lambda: not abierta(lista), f"la lista «{lista.name}» cerrada con {tecla}")


def botones_con_nombre(ventana):
    """Every button of the window's tool bar, shown or not, has a name."""
    barra = r.control(ventana, "Barra de herramientas", {pyatspi.ROLE_TOOL_BAR})
    botones = [barra.getChildAtIndex(i) for i in range(barra.childCount)]
    botones = [b for b in botones if b.getRole() in r.BOTON]
    r.comprobar(botones, "la barra no tiene botones")
    sin_nombre = [i for i, b in enumerate(botones) if not b.name]
    r.comprobar(not sin_nombre, f"botones sin nombre en la barra de «{ventana.name}», posiciones {sin_nombre}")
    return [b.name for b in botones]


def listas(principal):
    r.control(principal, "Cálculo a realizar", r.LISTA)
    lista = r.control(principal, "Aportaciones", r.LISTA)
    r.clic(r.control(principal, "Interés", r.CAJA))
    r.escribir("5\t360\t100000")
    cuota = r.resultado(principal, "Cuota")

    abrir(lista)
    r.teclas("Down")
    cerrar_con(lista, "Return")
    r.esperar_texto(lista, " Inicio período")
    r.comprobar(r.texto(cuota) == "", f"Enter en la lista abierta ha calculado: Cuota {r.texto(cuota)!r}")

    abrir(lista)
    r.teclas("Up")
    cerrar_con(lista, "Escape")
    # With the list closed Enter calculates; had Escape asked about leaving,
    # this Enter would answer that question instead.
    r.teclas("Return")
    r.esperar_texto(cuota, "534,59")
    r.esperar_texto(lista, " Inicio período")
    r.comprobar(len(r.ventanas()) == 1, "Escape en la lista abierta ha abierto otra ventana")


def tabla(principal):
    r.teclas("ctrl+t")
    ventana = r.esperar(lambda: next((v for v in r.ventanas() if r.activa(v) and not r.es_principal(v)), None),
                        "la ventana de la tabla activa")
    r.control(ventana, "Tabla de desarrollo", {pyatspi.ROLE_TABLE})
    nombres = botones_con_nombre(ventana)
    r.comprobar("Imprimir" in " ".join(nombres), f"la barra de la tabla no tiene «Imprimir»: {nombres}")
    r.teclas("Escape")
    r.esperar_cierre(ventana)
    r.esperar_titulo(principal.name)


def recorrer():
    principal = r.ventana_principal()
    nombres = botones_con_nombre(principal)
    r.comprobar("Acerca de" in nombres, f"la barra no tiene «Acerca de»: {nombres}")
    listas(principal)
    tabla(principal)


r.ejecutar(recorrer)
