"""The two input aids opened from their buttons by a click or from their
box with F4 or Alt+Down: the calculator works from the keyboard, copies its
display with Ctrl+C and sends its result into the box (Escape leaves the box
alone); the date picker opens on the box's date, moves with the arrow keys,
closes only its month list on Escape and writes the chosen day back. A date
typed as d/m/yyyy comes out whole."""
import subprocess

import pyatspi

import recorrido as r


def pantalla(calculadora):
    return r.control(calculadora, "Pantalla", r.RESULTADO)


def abrir_calculadora(abrir, esperado):
    """Opens the calculator by `abrir` and waits for it (showing `esperado`
    when given)."""
    abrir()
    ventana = r.ventana_activa("Calculadora")
    if esperado is not None:
        r.esperar_texto(pantalla(ventana), esperado)
    return ventana


def cerrar_sin_enviar(ventana, caja, texto):
    r.teclas("Escape")
    r.esperar_cierre(ventana)
    r.esperar_texto(caja, texto)


def calculadora(principal):
    capital = r.control(principal, "Capital", r.CAJA)
    boton = r.junto_a(capital, "Abrir la calculadora")

    ventana = abrir_calculadora(lambda: r.clic(boton), None)
    r.escribir("1250*4")
    r.teclas("Return")  # equals, not send
    r.esperar_texto(pantalla(ventana), "5000")
    r.clic(r.control(ventana, "Enviar", r.BOTON))
    r.esperar_cierre(ventana)
    r.esperar_texto(capital, "5000")

    # Opened again it starts from the box's number; Escape sends nothing.
    ventana = abrir_calculadora(lambda: r.clic(boton), "5000")
    r.escribir("/8")
    r.teclas("Return")
    r.esperar_texto(pantalla(ventana), "625")
    cerrar_sin_enviar(ventana, capital, "5000")

    # From the box itself, Alt+Down opens it; Ctrl+C copies its display.
    r.clic(capital)
    ventana = abrir_calculadora(lambda: r.teclas("alt+Down"), "5000")
    r.escribir("+1")
    r.teclas("Return", "ctrl+c")
    r.esperar(lambda: portapapeles() == "5001", "5001 en el portapapeles")
    cerrar_sin_enviar(ventana, capital, "5000")


def portapapeles():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True,
                          timeout=5).stdout


def fecha_elegida(selector):
    """The label that shows the chosen day in words."""
    return r.esperar(lambda: next((n for n in r.descendientes(selector)
                                   if n.description == "Fecha seleccionada"), None), "la fecha elegida")


def selector_de_fecha(principal):
    fecha = r.control(principal, "Primer pago", r.CAJA)
    r.escribir_fecha(fecha, "15/03/2024")

    r.clic(r.junto_a(fecha, "Seleccionar una fecha"))
    ventana = r.ventana_activa("Seleccionar una fecha")
    elegida = fecha_elegida(ventana)
    r.esperar_texto(elegida, "15 de marzo de 2024")
    r.teclas("Right", "Down")  # a day on, then a week on
    r.esperar_texto(elegida, "23 de marzo de 2024")
    r.teclas("Return")
    r.esperar_cierre(ventana)
    r.esperar_texto(fecha, "23/03/2024")

    # F4 in the box opens the picker; Escape in its open month list closes
    # the list alone, and a second Escape the picker, leaving the box alone.
    r.clic(fecha)
    r.teclas("F4")
    ventana = r.ventana_activa("Seleccionar una fecha")
    r.teclas("m")
    meses = r.control(ventana, "Seleccionar un mes", {pyatspi.ROLE_LIST})
    r.teclas("Down", "Escape")
    r.esperar(lambda: not r.visible(meses), "la lista de meses cerrada")
    r.comprobar(r.visible(ventana), "Escape en la lista de meses cerró el selector")
    r.esperar_titulo("Seleccionar una fecha")
    r.esperar_texto(fecha_elegida(ventana), "23 de marzo de 2024")
    cerrar_sin_enviar(ventana, fecha, "23/03/2024")

    # Typed with one-digit day and month, the date is completed as it goes.
    r.clic(fecha)
    r.teclas("Home")
    r.escribir("1/1/2030")
    r.esperar_texto(fecha, "01/01/2030")


def recorrer():
    principal = r.ventana_principal()
    calculadora(principal)
    selector_de_fecha(principal)


r.ejecutar(recorrer)
