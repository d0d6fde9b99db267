"""Amounts as a person types and pastes them into the loans page and the
conditions dialog: a typed point groups thousands (150.000 is a hundred and
fifty thousand, never 150,00), the keypad's decimal key types the decimal
comma, a pasted "-500" is refused with its reason under the box while
"3,5 %" goes in as 3,5, and a digit past what an amount can hold to the cent
is refused. Run with ZZ_LANG_PROGRAMA=en_US.UTF-8 (recorrido.sh starts the
program with it), the same typing under English settings: the point is the
decimal separator and a typed comma stays in the box as a thousands
separator, pointed out when it leaves the box unfinished, never dropped."""
import os
import subprocess

import pyatspi

import recorrido as r

INGLES = os.environ.get("ZZ_LANG_PROGRAMA", "es_ES").startswith(("en", "C"))
DIALOGO = "Condiciones del préstamo"


def aviso():
    """The text of the tip the program shows under a box, if one is up."""
    for ventana in r.aplicacion():
        if ventana is not None and ventana.getRole() == pyatspi.ROLE_TOOL_TIP and r.visible(ventana):
            return ventana.name
    return None


def esperar_aviso(contiene):
    return r.esperar(lambda: contiene in (aviso() or ""), f"un aviso bajo la caja que diga «{contiene}»")


def portapapeles(texto):
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=texto, text=True, check=True)


def teclear_sobre(caja, texto):
    """Selects what the box holds and types over it, key by key."""
    r.clic(caja)
    r.esperar(lambda: r.enfocado(caja.parent) == caja or r.tiene_estado(caja, pyatspi.STATE_FOCUSED),
              f"el foco en «{caja.name}»")
    r.teclas("ctrl+a")
    r.escribir(texto)


def pegar_sobre(caja, texto):
    portapapeles(texto)
    r.clic(caja)
    r.teclas("ctrl+a", "ctrl+v")


def cajas(principal):
    """The loans page's Interés, Nº Cuotas and Capital boxes."""
    return (r.control(principal, nombre, r.CAJA) for nombre in ("Interés", "Nº Cuotas", "Capital"))


def calcular(principal, textos, resultados):
    """Types the interest, the count and the capital, each box keeping what
    was typed, and reads the results after Intro."""
    for caja, texto in zip(cajas(principal), textos):
        teclear_sobre(caja, texto)
        r.esperar_texto(caja, texto)
    r.teclas("Return")
    r.esperar_textos(principal, resultados)


def espanol(principal):
    interes, cuotas, capital = cajas(principal)
    calcular(principal, ("5", "360", "150.000"), {"Capital": "150.000,00", "Cuota": "805,23"})

    teclear_sobre(capital, "1.000,50")
    r.esperar_texto(capital, "1.000,50")
    r.teclas("Return")
    r.esperar_textos(principal, {"Capital": "1.000,50"})

    # The keypad's decimal key types the comma, whatever its label.
    teclear_sobre(interes, "4")
    r.teclas("KP_Decimal")
    r.escribir("5")
    r.esperar_texto(interes, "4,5")

    pegar_sobre(capital, "-500")
    esperar_aviso("no admite números negativos")
    r.esperar_texto(capital, "1.000,50")
    pegar_sobre(interes, "3,5 %")
    r.esperar_texto(interes, "3,5")

    # One cent more than a double holds: the last digit is refused.
    teclear_sobre(capital, "99999999999999,99")
    esperar_aviso("1.000.000.000.000.000")
    r.esperar_texto(capital, "99999999999999,9")
    teclear_sobre(capital, "9999999999999,99")
    r.teclas("Return")
    r.esperar_textos(principal, {"Capital": "9.999.999.999.999,99"})
    r.esperar_texto(capital, "9999999999999,99")

    r.teclas("alt+o")
    dialogo = r.ventana_activa(DIALOGO)
    r.teclas("alt+n")
    r.escribir("12")
    r.teclas("alt+i")
    importe = r.control(dialogo, "Importe", r.CAJA)
    r.escribir("5.000")
    r.esperar_texto(importe, "5.000")
    r.clic(r.control(dialogo, "Añadir amortización", r.BOTON))
    lista = r.control(dialogo, "Amortizaciones anticipadas", {pyatspi.ROLE_LIST})
    r.esperar(lambda: lista.childCount == 1 and "5.000,00" in lista.getChildAtIndex(0).name,
              "la amortización de 5.000,00 en la lista")
    r.clic(r.control(dialogo, "Cancelar", r.BOTON))
    r.esperar_cierre(dialogo)


def ingles(principal):
    interes, cuotas, capital = cajas(principal)
    teclear_sobre(interes, "5,5")
    r.esperar_texto(interes, "5,5")
    r.clic(cuotas)
    esperar_aviso("grupos de tres")
    calcular(principal, ("5.5", "360", "150,000"), {"Capital": "150,000.00", "Interés": "5.50"})
    # A comma among the decimals is refused with its reason, not dropped.
    teclear_sobre(capital, "1.000,")
    esperar_aviso("separa los miles")
    r.esperar_texto(capital, "1.000")


def recorrer():
    principal = r.ventana_principal()
    if INGLES:
        ingles(principal)
    else:
        espanol(principal)


r.ejecutar(recorrer)
