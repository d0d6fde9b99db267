"""Finds the main window on the accessibility bus and checks that every input
and result of the three pages can be found by its accessible name, that the
inputs carry a description, and that a loan calculated through the bus shows
its results as text."""
import sys
import time

import pyatspi

NOMBRE_PROGRAMA = "Zelvar Zuzidaduve"

ENTRADAS = {
    "Préstamos": ["Cálculo a realizar", "Cuota", "Interés", "Nº Cuotas", "Capital", "Primer pago", "Aportaciones"],
    "Inversiones": ["Cálculo a realizar", "Cuota", "Interés", "Nº Cuotas", "Capital", "Capital Inicial",
                    "Primera cuota", "Aportaciones"],
    "Depreciaciones": ["Cálculo a realizar", "Valor inicial", "Valor final", "Años de vida útil",
                       "Años a calcular", "Fecha"],
}
RESULTADOS = {
    "Préstamos": ["Cuota", "Interés", "Nº Cuotas", "Capital", "Total pagado", "Total intereses", "% Intereses",
                  "TAE"],
    "Inversiones": ["Cuota", "Interés", "Nº Cuotas", "Cap. Inicial", "Capital Invertido", "Capital Final",
                    "Beneficio", "% Beneficio"],
    "Depreciaciones": ["Depreciación total durante los años de vida útil", "Valor al final de los años de vida útil",
                       "Depreciación total durante los años calculados", "Valor al final de los años calculados"],
}
BOTONES = ["Calcular", "Inicializar", "Desarrollar", "Ayuda", "Acerca de", "Salir"]

fallos = []


def fallo(texto):
    fallos.append(texto)
    print("FALLO:", texto)


def descendientes(nodo, profundidad=0):
    if nodo is None or profundidad > 40:
        return
    yield nodo
    try:
        hijos = nodo.childCount
    except Exception:  # the node went away while it was read (a window closing)
        return
    for i in range(hijos):
        try:
            hijo = nodo.getChildAtIndex(i)
        except Exception:
            continue
        yield from descendientes(hijo, profundidad + 1)


def ventana_principal(limite=30.0):
    fin = time.time() + limite
    while time.time() < fin:
        try:
            for aplicacion in pyatspi.Registry.getDesktop(0):
                if aplicacion is None:
                    continue
                for ventana in aplicacion:
                    if ventana is not None and ventana.name.startswith(NOMBRE_PROGRAMA) and \
                            any(n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST for n in descendientes(ventana)):
                        return ventana
        except Exception:  # a window went away while it was read: look again
            pass
        time.sleep(0.3)
    return None


def buscar(raiz, nombre, roles):
    for nodo in descendientes(raiz):
        if nodo.name == nombre and nodo.getRole() in roles:
            return nodo
    return None


def pestana(ventana, nombre):
    for nodo in descendientes(ventana):
        if nodo.getRole() == pyatspi.ROLE_PAGE_TAB and nodo.name.replace("&", "") == nombre:
            return nodo
    return None


def pagina(ventana, nombre):
    """The page's content (the tab itself has no children)."""
    for nodo in descendientes(ventana):
        if nodo.name == nombre and nodo.getRole() in (pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL) and nodo.childCount:
            return nodo
    return None


def entrada(raiz, nombre):
    """An edit box by its name; a drop-down list, whose name on this bus is
    the item it shows, through the label that names it."""
    control = buscar(raiz, nombre, {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY})
    if control is not None:
        return control
    for nodo in descendientes(raiz):
        if nodo.name != nombre or nodo.getRole() != pyatspi.ROLE_LABEL:
            continue
        for relacion in nodo.getRelationSet():
            if relacion.getRelationType() != pyatspi.RELATION_LABEL_FOR:
                continue
            for i in range(relacion.getNTargets()):
                destino = relacion.getTarget(i)
                if destino.getRole() == pyatspi.ROLE_COMBO_BOX:
                    return destino
    return None


def activar(nodo):
    accion = nodo.queryAction()
    for i in range(accion.nActions):
        if accion.getName(i).lower() in ("press", "click", "switch", "activate"):
            accion.doAction(i)
            return True
    if accion.nActions:
        accion.doAction(0)
        return True
    return False


def esperar_texto(nodo, esperado, limite=5.0):
    fin = time.time() + limite
    texto = None
    while time.time() < fin:
        texto = nodo.queryText().getText(0, -1)
        if texto == esperado:
            return texto
        time.sleep(0.1)
    return texto


def comprobar_pagina(ventana, nombre):
    boton = pestana(ventana, nombre)
    if boton is None or not activar(boton):
        fallo(f"no se puede abrir la pestaña {nombre}")
        return None
    time.sleep(0.5)
    contenido = pagina(ventana, nombre)
    if contenido is None or not contenido.getState().contains(pyatspi.STATE_SHOWING):
        fallo(f"la página {nombre} no se muestra")
        return None
    for etiqueta in ENTRADAS[nombre]:
        control = entrada(contenido, etiqueta)
        if control is None:
            fallo(f"{nombre}: no se encuentra la entrada «{etiqueta}»")
        elif not control.description:
            fallo(f"{nombre}: la entrada «{etiqueta}» no tiene descripción")
    for etiqueta in RESULTADOS[nombre]:
        panel = resultado(contenido, etiqueta)
        if panel is None:
            fallo(f"{nombre}: no se encuentra el resultado «{etiqueta}»")
    return contenido


def resultado(raiz, nombre):
    """A result panel: named by its caption and offering its figure as text
    (the caption label beside it has the same name but no text interface)."""
    for nodo in descendientes(raiz):
        if nodo.name == nombre and nodo.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC):
            try:
                nodo.queryText()
            except NotImplementedError:
                continue
            if nodo.description:
                return nodo
    return None


def calcular_prestamo(ventana, prestamos):
    valores = {"Capital": "10000", "Interés": "6", "Nº Cuotas": "12"}
    for etiqueta, valor in valores.items():
        campo = entrada(prestamos, etiqueta)
        if campo is None:
            fallo(f"no se puede escribir en «{etiqueta}»")
            return
        campo.queryEditableText().setTextContents(valor)
    boton = buscar(ventana, "Calcular", {pyatspi.ROLE_PUSH_BUTTON})
    if boton is None or not activar(boton):
        fallo("no se puede pulsar «Calcular»")
        return
    esperados = {"Total pagado": "10.327,96", "Total intereses": "327,96", "% Intereses": "3,18"}
    for etiqueta, esperado in esperados.items():
        panel = resultado(prestamos, etiqueta)
        texto = esperar_texto(panel, esperado) if panel else None
        if texto != esperado:
            fallo(f"«{etiqueta}» muestra {texto!r} en lugar de {esperado!r}")
    cuota = buscar(prestamos, "Cuota", {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY})
    if cuota is None or cuota.queryText().getText(0, -1) != "860,66":
        fallo("la cuota calculada no llega a su caja")


def main():
    ventana = ventana_principal()
    if ventana is None:
        print("FALLO: la ventana principal no aparece en el bus de accesibilidad")
        return 1
    for nombre in BOTONES:
        boton = buscar(ventana, nombre, {pyatspi.ROLE_PUSH_BUTTON})
        if boton is None:
            fallo(f"no se encuentra el botón «{nombre}»")
        elif not boton.description:
            fallo(f"el botón «{nombre}» no tiene descripción")
    contenido = None
    for nombre in ("Inversiones", "Depreciaciones", "Préstamos"):
        contenido = comprobar_pagina(ventana, nombre)
    if contenido is not None:
        calcular_prestamo(ventana, contenido)  # the loans page, opened last
    if fallos:
        print(f"{len(fallos)} fallos")
        return 1
    print("Accesibilidad de la ventana principal: correcta")
    return 0


if __name__ == "__main__":
    sys.exit(main())
