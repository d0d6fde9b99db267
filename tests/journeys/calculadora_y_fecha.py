"""The two input aids opened from their buttons by a click: the calculator
works from the keyboard and sends its result into the box (Escape leaves the
box alone); the date picker opens on the box's date, moves with the arrow
keys and writes the chosen day back."""
import recorrido as r


def pantalla(calculadora):
    return r.control(calculadora, "Pantalla", r.RESULTADO)


def calculadora(principal):
    capital = r.control(principal, "Capital", r.CAJA)
    boton = r.junto_a(capital, "Abrir la calculadora")

    r.clic(boton)
    ventana = r.ventana_activa("Calculadora")
    r.escribir("1250*4")
    r.teclas("Return")  # equals, not send
    r.esperar_texto(pantalla(ventana), "5000")
    r.clic(r.control(ventana, "Enviar", r.BOTON))
    r.esperar_cierre(ventana)
    r.esperar_texto(capital, "5000")

    # Opened again it starts from the box's number; Escape sends nothing.
    r.clic(boton)
    ventana = r.ventana_activa("Calculadora")
    r.esperar_texto(pantalla(ventana), "5000")
    r.escribir("/8")
    r.teclas("Return")
    r.esperar_texto(pantalla(ventana), "625")
    r.teclas("Escape")
    r.esperar_cierre(ventana)
    r.esperar_texto(capital, "5000")


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
    r.esperar_texto(elegida, "15 de Marzo de 2024")
    r.teclas("Right", "Down")  # a day on, then a week on
    r.esperar_texto(elegida, "23 de Marzo de 2024")
    r.teclas("Return")
    r.esperar_cierre(ventana)
    r.esperar_texto(fecha, "23/03/2024")


def recorrer():
    principal = r.ventana_principal()
    calculadora(principal)
    selector_de_fecha(principal)


r.ejecutar(recorrer)
