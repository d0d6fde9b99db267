"""Help and leaving: F1 opens help on the page's topic, the about window
opens from its tool button, and Escape asks before the program ends (Enter
answers no, a click on "Sí" ends the program)."""
import pyatspi

import recorrido as r


def ayuda(principal):
    r.teclas("F1")
    r.esperar_titulo("Ayuda de Zelvar Zuzidaduve - Préstamos")
    r.teclas("Escape")
    r.esperar_titulo(principal.name)


def acerca_de(principal):
    r.clic(r.control(principal, "Acerca de", r.BOTON))
    # Its title is the main window's; it is the other window on the screen.
    acerca = r.esperar(lambda: next((v for v in r.ventanas() if v.getRole() == pyatspi.ROLE_DIALOG
                                     and r.activa(v)), None), "la ventana «Acerca de» activa")
    r.esperar_titulo(principal.name)
    r.control(acerca, "Versión " + principal.name.rsplit(" ", 1)[1], r.RESULTADO)
    r.teclas("Escape")
    r.esperar_cierre(acerca)
    r.esperar_titulo(principal.name)


def salir(principal):
    r.teclas("Escape")
    pregunta = r.ventana_activa("Salir del programa")
    r.control(pregunta, "¿Terminamos la ejecución del programa?", r.RESULTADO)
    r.teclas("Return")  # "No" is the default answer
    r.esperar_cierre(pregunta)
    r.esperar_titulo(principal.name)

    r.teclas("Escape")
    pregunta = r.ventana("Salir del programa")
    r.clic(r.control(pregunta, "Sí", r.BOTON))
    r.programa_terminado()


def recorrer():
    principal = r.ventana_principal()
    r.esperar_titulo(principal.name)
    ayuda(principal)
    acerca_de(principal)
    salir(principal)


r.ejecutar(recorrer)
