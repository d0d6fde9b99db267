"""Figures out of range on the loans and savings pages, typed as a person
types them: the warning names the limit that was passed, the focus goes back
to the box that holds the figure, and the page still calculates after."""
import recorrido as r


def calcular(principal, cifras):
    """Types each figure over what its box holds, then presses Enter."""
    for nombre, cifra in cifras.items():
        caja = r.control(principal, nombre, r.CAJA)
        r.clic(caja)
        r.esperar(lambda: r.enfocado(caja), f"el foco en «{nombre}»")
        r.teclas("ctrl+a")
        r.escribir(cifra)
    r.teclas("Return")


def aviso(principal, titulo, texto, caja):
    """The warning shows `texto`; once it is closed the focus is on `caja`."""
    ventana = r.ventana_activa(titulo)
    r.control(ventana, texto, r.RESULTADO)
    r.teclas("Return")
    r.esperar_cierre(ventana)
    r.esperar_titulo(principal.name)
    destino = r.control(principal, caja, r.CAJA)
    r.esperar(lambda: r.enfocado(destino), f"el foco en «{caja}» tras el aviso")


def prestamos(principal):
    titulo = "Cálculo de la cuota de un préstamo"
    calcular(principal, {"Interés": "5000", "Nº Cuotas": "12", "Capital": "1000"})
    aviso(principal, titulo, "El interés debe estar entre 0 y 1000.", "Interés")
    calcular(principal, {"Interés": "3,5", "Nº Cuotas": "1000000000", "Capital": "150000"})
    aviso(principal, titulo, "Con un interés del 3,50 % el número de cuotas no puede pasar de 3.896.993.",
          "Nº Cuotas")
    calcular(principal, {"Interés": "5", "Nº Cuotas": "360", "Capital": "100000"})
    r.esperar_textos(principal, {"Cuota": "536,82", "Capital": "100.000,00"})


def inversiones(principal):
    r.clic(r.control(principal, "Inversiones", r.PESTANA))
    r.control(principal, " Inversiones", r.RESULTADO)  # the title strip follows the page
    calcular(principal, {"Interés": "2000", "Nº Cuotas": "12", "Capital": "10000"})
    aviso(principal, "Cálculo de la cuota de una inversión", "El interés debe estar entre 0 y 1000.", "Interés")


def recorrer():
    principal = r.ventana_principal()
    prestamos(principal)
    inversiones(principal)


r.ejecutar(recorrer)
