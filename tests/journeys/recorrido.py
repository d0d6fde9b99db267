"""Helpers for journeys: the real program driven as a person drives it.

How to write a journey
----------------------
A journey is a Python script in tests/journeys/ that recorrido.sh runs once
the program is up under Xvfb and openbox. It drives the program with real
input only (mouse clicks and keys through xdotool) and reads it back through
the accessibility bus. Never call an accessibility action: Qt answers an
action on a button that opens a modal window only after that window closes.

    import recorrido as r

    def recorrer():
        principal = r.ventana_principal()           # waits for the splash to go
        r.clic(r.control(principal, "Interés", r.CAJA))
        r.escribir("5\t360\t100000")                # Tab moves to the next box
        r.teclas("Return")
        r.esperar_textos(principal, {"Cuota": "536,82"})
        r.teclas("ctrl+t")
        ...

    r.ejecutar(recorrer)

What the module offers:
- windows: `ventana_principal()`, `ventana(titulo)`, `ventana_activa(titulo)`
  (wait for it before pressing keys in a new window), `ventanas()`,
  `esperar_titulo(titulo)` (the active window's title as the window manager
  shows it), `esperar_en_pantalla(que)` (the active window, frame included,
  lies on the screen), `botones_titulo_activa()` (the title-bar functions it asks for), `esperar_cierre(ventana)`, `programa_terminado()`;
- controls: `control(raiz, nombre, roles)` by accessible name (without "&")
  and role (CAJA, BOTON, LISTA, RESULTADO, PESTANA or any pyatspi roles),
  `junto_a(caja, nombre)` for the calculator or date button beside a box,
  `resultado(raiz, nombre)` and `resultados(...)` for result panels,
  `enfocado(raiz)`;
- reading: `texto(nodo)`, `esperar_texto(nodo, esperado)`,
  `esperar_textos(raiz, {nombre: esperado})`; a table through
  `nodo.queryTable()` (its cells are not walked one by one);
- input: `teclear_prestamo(principal, interes, cuotas, capital)`,
  `clic(nodo, boton=1, veces=1)` on the control's centre,
  `teclas("Return", "ctrl+t", "alt+s", "F1")`, `escribir(texto)`,
  `escribir_en(caja, texto)`, `escribir_fecha(caja, "dd/mm/aaaa")`;
- messages: `aviso(titulo, contiene)` gives the text of the message shown;
- checks: `comprobar(condicion, mensaje)`, `esperar(condicion, que)`.

- Everything that finds or reads waits with a time limit (`esperar`); never
  sleep where something on the screen can be waited for.
- A failed step raises `Fallo` with a message that says what was expected
  and what was seen; `ejecutar` prints it and ends with status 1, and
  recorrido.sh saves a screenshot.
- Start the program once per journey: one script walks a whole path.
- Every tests/journeys/*.py but this module is a CTest entry named
  recorrido_<file> with the label "journey" (re-run cmake to pick up a new
  one). Keep each under about a minute.
- Run one by hand with
  tests/journeys/recorrido.sh build/zuzidaduve tests/journeys/<file>.py
"""
import os
import subprocess
import sys
import time
import traceback

import pyatspi

NOMBRE_PROGRAMA = "Zelvar Zuzidaduve"
LIMITE = 10.0  # seconds a step may take before it counts as failed

# Roles by what the journeys look for.
CAJA = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}
BOTON = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON}
LISTA = {pyatspi.ROLE_COMBO_BOX}
RESULTADO = {pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC}
PESTANA = {pyatspi.ROLE_PAGE_TAB}


class Fallo(Exception):
    """A step that did not do what the person expected."""


def comprobar(condicion, mensaje):
    if not condicion:
        raise Fallo(mensaje)


def esperar(condicion, que, limite=LIMITE):
    """Polls `condicion` until it returns something true and returns that;
    fails with `que` (what was awaited) when the time runs out."""
    fin = time.monotonic() + limite
    while True:
        try:
            resultado = condicion()
        except Exception:  # not there yet, or a node that vanished while read
            resultado = None
        if resultado:
            return resultado
        if time.monotonic() > fin:
            raise Fallo(f"no llega: {que}")
        time.sleep(0.05)


# --- The accessibility tree -------------------------------------------------

_aplicacion = None


def aplicacion():
    """The program on the accessibility bus."""
    global _aplicacion

    def buscar():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name in (NOMBRE_PROGRAMA, "zuzidaduve"):
                return app
        return None
    if _aplicacion is None:
        _aplicacion = esperar(buscar, "el programa en el bus de accesibilidad", limite=30)
    return _aplicacion


# Tables are read through their Table interface, not cell by cell.
SIN_RECORRER = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE}


def descendientes(nodo, profundidad=0):
    """The node and everything inside it that is on the screen (hidden pages
    and closed lists are skipped: every read is a round trip on the bus).
    The cells of a table are not visited."""
    if nodo is None or profundidad > 40:
        return
    yield nodo
    try:
        if profundidad and nodo.getRole() in SIN_RECORRER:
            return
        hijos = [nodo.getChildAtIndex(i) for i in range(nodo.childCount)]
    except Exception:
        return
    for hijo in hijos:
        if visible(hijo):
            yield from descendientes(hijo, profundidad + 1)


def tiene_estado(nodo, estado):
    try:
        return nodo.getState().contains(estado)
    except Exception:
        return False


def visible(nodo):
    return tiene_estado(nodo, pyatspi.STATE_SHOWING)


def activa(nodo):
    return tiene_estado(nodo, pyatspi.STATE_ACTIVE)


def sin_acelerador(texto):
    return texto.replace("&", "")


def ventanas():
    """The program's top-level windows that are on the screen."""
    return [v for v in aplicacion() if v is not None and visible(v)]


def ventana(titulo, limite=LIMITE):
    """Waits for a window of the program with exactly this title on the
    accessibility bus."""
    return esperar(lambda: next((v for v in ventanas() if v.name == titulo), None),
                   f"la ventana «{titulo}»", limite)


def ventana_activa(titulo, limite=LIMITE):
    """Waits for a window of the program with this title to be on the bus
    and to be the active one, so that keys go to it."""
    nodo = ventana(titulo, limite)
    esperar_titulo(titulo, limite)
    return nodo


def es_principal(nodo):
    """The main window is the one with page tabs, a few levels down."""
    nivel = [nodo]
    for _ in range(4):
        nivel = [hijo for padre in nivel if padre.getRole() not in SIN_RECORRER
                 for hijo in padre if hijo is not None and visible(hijo)]
        if any(n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST for n in nivel):
            return True
    return False


def ventana_principal(limite=30):
    """The main window, once the start-up splash has gone and the main
    window is the active one (so keys reach it). Call it at the start; later
    keep the node it returned."""
    def lista():
        abiertas = ventanas()
        principal = next((v for v in abiertas if es_principal(v)), None)
        if principal is None or len(abiertas) != 1 or not activa(principal):
            return None
        return principal
    return esperar(lista, "la ventana principal sola y activa (sin la presentación)", limite)


def control(raiz, nombre, roles, limite=LIMITE):
    """Waits for a control on the screen inside `raiz` by accessible name
    (without "&") and role."""
    def buscar():
        for nodo in descendientes(raiz):
            if sin_acelerador(nodo.name) == nombre and nodo.getRole() in roles:
                return nodo
        return None
    return esperar(buscar, f"el control «{nombre}» en «{raiz.name}»", limite)


def es_resultado(nodo):
    """A result panel offers its figure as text; the caption beside it has
    the same name but no text."""
    return nodo.getRole() in RESULTADO and "Text" in nodo.get_interfaces()


def resultados(raiz, nombres, limite=LIMITE):
    """The result panels with these names, found in one walk of the tree."""
    def buscar():
        hallados = {}
        for nodo in descendientes(raiz):
            if nodo.name in nombres and nodo.name not in hallados and es_resultado(nodo):
                hallados[nodo.name] = nodo
        return hallados if len(hallados) == len(nombres) else None
    return esperar(buscar, f"los resultados {sorted(nombres)} en «{raiz.name}»", limite)


def resultado(raiz, nombre, limite=LIMITE):
    return resultados(raiz, {nombre}, limite)[nombre]


def junto_a(caja, nombre, roles=BOTON):
    """The control named `nombre` at the right of a box, on its row (the
    calculator and date buttons share one name on every row)."""
    marco = caja.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    medio = marco.y + marco.height // 2

    def buscar():
        candidatos = []
        for nodo in descendientes(caja.parent):
            if sin_acelerador(nodo.name) != nombre or nodo.getRole() not in roles:
                continue
            otro = nodo.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            if otro.x >= marco.x + marco.width and otro.y <= medio <= otro.y + otro.height:
                candidatos.append((otro.x, nodo))
        return min(candidatos, key=lambda c: c[0])[1] if candidatos else None
    return esperar(buscar, f"«{nombre}» junto a «{caja.name}»")


def texto(nodo):
    """What a control shows: its text, else its value, else its name."""
    interfaces = nodo.get_interfaces()
    if "Text" in interfaces:
        return nodo.queryText().getText(0, -1)
    if "Value" in interfaces:
        return str(nodo.queryValue().currentValue)
    return nodo.name


def esperar_igual(leer, esperado, que, limite=LIMITE):
    """Waits until `leer()` gives `esperado`; the failure says what was seen
    last, after `que`."""
    visto = [None]

    def igual():
        visto[0] = leer()
        return visto[0] == esperado
    try:
        esperar(igual, "", limite)
    except Fallo:
        raise Fallo(f"{que} {visto[0]!r} en lugar de {esperado!r}") from None


def esperar_texto(nodo, esperado, limite=LIMITE):
    esperar_igual(lambda: texto(nodo), esperado, f"«{nodo.name}» muestra", limite)


def esperar_textos(raiz, esperados, limite=LIMITE):
    """Compares several result panels with their expected texts and reports
    every difference at once."""
    diferencias = []
    paneles = resultados(raiz, set(esperados), limite)
    for nombre, esperado in esperados.items():
        try:
            esperar_texto(paneles[nombre], esperado, limite)
        except Fallo as error:
            diferencias.append(str(error))
    comprobar(not diferencias, "; ".join(diferencias))


def aviso(titulo, contiene, limite=LIMITE):
    """Waits for the active message window titled `titulo` whose text holds
    `contiene`, and returns that text with its line breaks as blanks."""
    def buscar():
        for v in ventanas():
            if v.name != titulo or not activa(v):
                continue
            for nodo in descendientes(v):
                mensaje = " ".join((nodo.name or "").split())
                if nodo.getRole() in RESULTADO and contiene in mensaje:
                    return mensaje
        return None
    return esperar(buscar, f"el aviso «{titulo}» que dice «{contiene}»", limite)


def esperar_cierre(nodo, limite=LIMITE):
    """Waits until a window is no longer on the screen."""
    esperar(lambda: not visible(nodo), f"que se cierre «{nodo.name}»", limite)


def enfocado(raiz):
    """The control that holds the keyboard focus inside `raiz`, if any."""
    for nodo in descendientes(raiz):
        if tiene_estado(nodo, pyatspi.STATE_FOCUSED):
            return nodo
    return None


# --- Real input ---------------------------------------------------------------

def xdotool(*argumentos):
    subprocess.run(["xdotool", *argumentos], check=True)


def centro(nodo):
    caja = nodo.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    comprobar(caja.width > 0 and caja.height > 0, f"«{nodo.name}» no ocupa sitio en la pantalla")
    return caja.x + caja.width // 2, caja.y + caja.height // 2


def puntero():
    salida = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True, text=True).stdout
    valores = dict(linea.split("=", 1) for linea in salida.split())
    return int(valores["X"]), int(valores["Y"])


def clic(nodo, boton=1, veces=1):
    """A real click on the centre of a control."""
    x, y = centro(nodo)
    # --sync waits for the pointer to move, which it never does when it is
    # already there.
    if puntero() != (x, y):
        xdotool("mousemove", "--sync", str(x), str(y))
    xdotool("click", "--repeat", str(veces), str(boton))


def teclas(*nombres):
    """Presses keys as X names them, in turn: "Return", "Escape", "ctrl+t",
    "alt+s", "F1"."""
    xdotool("key", "--clearmodifiers", "--delay", "30", *nombres)


def escribir(texto_escrito):
    """Types text into the control that has the focus."""
    xdotool("type", "--clearmodifiers", "--delay", "15", texto_escrito)


def escribir_en(nodo, texto_escrito):
    """Clicks a box, selects what it holds and types over it."""
    clic(nodo)
    esperar(lambda: tiene_estado(nodo, pyatspi.STATE_FOCUSED), f"el foco en «{nodo.name}»")
    teclas("ctrl+a")
    escribir(texto_escrito)
    esperar_texto(nodo, texto_escrito)


def escribir_fecha(nodo, fecha):
    """Types a date "dd/mm/aaaa" into a masked date box: the caret goes to
    the start and the digits fill the mask."""
    clic(nodo)
    teclas("Home")
    escribir(fecha.replace("/", ""))
    esperar_texto(nodo, fecha)


def titulo_activa():
    """The title of the active window as the window manager shows it."""
    salida = subprocess.run(["xdotool", "getactivewindow", "getwindowname"], capture_output=True, text=True)
    return salida.stdout.rstrip("\n")


def botones_titulo_activa():
    """The title-bar functions the active window asks the window manager for
    (its Motif hints), as a set of "minimizar", "maximizar", "cerrar"…; an
    empty set when it asks for none in particular (the manager decides)."""
    ventana = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()
    salida = subprocess.run(["xprop", "-id", ventana, "_MOTIF_WM_HINTS"], capture_output=True, text=True).stdout
    if "=" not in salida:
        return set()
    flags, funciones = (int(v, 0) for v in salida.split("=", 1)[1].split(",")[:2])
    if not flags & 1 or funciones & 1:  # no functions given, or "all of them"
        return set()
    nombres = {2: "redimensionar", 4: "mover", 8: "minimizar", 16: "maximizar", 32: "cerrar"}
    return {nombre for bit, nombre in nombres.items() if funciones & bit}


def marco_activa():
    """The active window's outer rectangle on the screen, the window
    manager's title bar and borders included: (x, y, ancho, alto)."""
    ventana = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()
    info = subprocess.run(["xwininfo", "-id", ventana], capture_output=True, text=True).stdout
    valores = {}
    for linea in info.splitlines():
        clave, _, valor = linea.strip().partition(":")
        valores[clave] = valor.strip()
    x, y = int(valores["Absolute upper-left X"]), int(valores["Absolute upper-left Y"])
    ancho, alto = int(valores["Width"]), int(valores["Height"])
    salida = subprocess.run(["xprop", "-id", ventana, "_NET_FRAME_EXTENTS"], capture_output=True, text=True).stdout
    izquierda, derecha, arriba, abajo = (int(v) for v in salida.split("=", 1)[1].split(",")) if "=" in salida else (0,) * 4
    return (x - izquierda, y - arriba, ancho + izquierda + derecha, alto + arriba + abajo)


def tamano_pantalla():
    """The screen's (ancho, alto) in pixels."""
    salida = subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True, text=True).stdout
    ancho, alto = (int(v) for v in salida.split())
    return ancho, alto


def esperar_en_pantalla(que, entera=False, limite=LIMITE):
    """Waits until the active window lies wholly on the screen, frame
    included; with `entera`, until it takes the whole screen."""
    def mirar():
        x, y, ancho, alto = marco_activa()
        pantalla_ancho, pantalla_alto = tamano_pantalla()
        if entera:
            return (x, y, ancho, alto) == (0, 0, pantalla_ancho, pantalla_alto)
        return x >= 0 and y >= 0 and x + ancho <= pantalla_ancho and y + alto <= pantalla_alto
    try:
        esperar(mirar, f"{que} {'ocupando toda' if entera else 'entera en'} la pantalla", limite)
    except Fallo:
        raise Fallo(f"{que}: marco {marco_activa()} en una pantalla de {tamano_pantalla()}") from None


def esperar_titulo(esperado, limite=LIMITE):
    """Waits until the active window is the one titled exactly `esperado`,
    as the window manager shows it."""
    esperar_igual(titulo_activa, esperado, "la ventana activa se titula", limite)


# --- The program's process ------------------------------------------------------

def programa_terminado(limite=LIMITE):
    """Waits until the program's process has ended."""
    pid = int(os.environ["ZZ_PROGRAMA_PID"])

    def terminado():
        try:
            with open(f"/proc/{pid}/stat") as estado:
                return estado.read().rsplit(")", 1)[1].split()[0] == "Z"
        except FileNotFoundError:
            return True
    esperar(terminado, "el final del programa", limite)


def tabla_activa():
    """The table window: the one window of the program holding a grid."""
    return esperar(lambda: next((v for v in ventanas()
                                 if activa(v) and any(n.getRole() == pyatspi.ROLE_TABLE
                                                      for n in descendientes(v))), None),
                   "la tabla de desarrollo, activa")


def celdas(rejilla):
    """Every row of a grid as the screen reader reads it, titles first."""
    t = rejilla.queryTable()
    return [[t.getAccessibleAt(f, c).name for c in range(t.nColumns)] for f in range(t.nRows)]


def teclear_prestamo(principal, interes, cuotas, capital):
    """Types a loan on the loans page as a person does: a click in the
    interest box, the figures moving on with Tab, and Intro. Returns the
    interest box."""
    caja = control(principal, "Interés", CAJA)
    clic(caja)
    esperar(lambda: enfocado(caja), "el foco en «Interés»")
    escribir(f"{interes}\t{cuotas}\t{capital}")
    teclas("Return")
    return caja


def calcular_prestamo(principal, cuotas, cuota, primer_pago=None):
    """Types a loan of 1.000 at 12 % in `cuotas` instalments (and the first
    payment's date when given) and waits for the instalment `cuota`. Returns
    the interest box."""
    if primer_pago:
        escribir_fecha(control(principal, "Primer pago", CAJA), primer_pago)
    caja = teclear_prestamo(principal, "12", cuotas, "1000")
    esperar_textos(principal, {"Cuota": cuota})
    return caja


def _terminar(codigo):
    """Ends the script at once with its verdict. The accessibility library
    keeps threads and a bus connection that can hang the interpreter's own
    shutdown, so the usual exit is bypassed once the output is flushed."""
    sys.stdout.flush()
    sys.stderr.flush()
    os._exit(codigo)


def ejecutar(recorrer):
    """Runs a journey and ends the script with its verdict."""
    inicio = time.monotonic()
    nombre = os.path.basename(sys.argv[0])
    try:
        recorrer()
    except Fallo as error:
        print(f"FALLO en {nombre}: {error}", file=sys.stderr)
        traceback.print_tb(error.__traceback__, file=sys.stderr)
        _terminar(1)
    print(f"{nombre}: correcto en {time.monotonic() - inicio:.1f} s")
    _terminar(0)
