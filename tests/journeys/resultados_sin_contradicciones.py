"""Results that never contradict what the person typed: an early repayment
typed in "Condiciones…" and confirmed with Intro is kept (reopening shows
it); the shortened loan's results give the instalments really paid next to
the contract's and its total cost; a refused calculation leaves the earlier
results whole under a heading that says so; and a tiny solved rate reads as
the small number it is, never 0,00."""
import pyatspi

import recorrido as r

DIALOGO = "Condiciones del préstamo"
AMORTIZACION = "Cuota 12: 10.000,00, reduce el plazo"


def lista_amortizaciones(dialogo):
    return r.control(dialogo, "Amortizaciones anticipadas", {pyatspi.ROLE_LIST})


def amortizacion_con_intro():
    r.teclas("alt+o")
    dialogo = r.ventana_activa(DIALOGO)
    lista = lista_amortizaciones(dialogo)
    r.teclas("alt+n")
    r.escribir("12")
    r.teclas("Tab")
    r.escribir("10000")
    r.teclas("Return")
    r.esperar(lambda: lista.childCount == 1, "la amortización añadida con Intro")
    r.comprobar(r.visible(dialogo), "Intro cerró la ventana en lugar de añadir la amortización")
    r.teclas("Return")  # the row's boxes are empty again: Intro now accepts
    r.esperar_cierre(dialogo)

    r.teclas("alt+o")
    dialogo = r.ventana_activa(DIALOGO)
    lista = lista_amortizaciones(dialogo)
    r.esperar(lambda: lista.childCount == 1 and lista.getChildAtIndex(0).name == AMORTIZACION,
              f"la amortización «{AMORTIZACION}» al volver a abrir")
    r.teclas("Escape")
    r.esperar_cierre(dialogo)


def cabecera(principal):
    return next((n for n in r.descendientes(principal)
                 if n.getRole() in r.RESULTADO and n.name.startswith(" Resultados")), None)


def rellenar(principal, primera, cifras):
    """Types the figures over what the boxes hold, from the box `primera`
    on with Tab, and presses Intro."""
    caja = r.control(principal, primera, r.CAJA)
    r.clic(caja)
    r.esperar(lambda: r.enfocado(principal) == caja, f"el foco en «{primera}»")
    r.teclas("ctrl+a")
    r.escribir("\t".join(cifras))
    r.teclas("Return")


def plazo_acortado(principal):
    rellenar(principal, "Interés", ["3,5", "300", "150000"])
    # 10.000 paid early with the 12th instalment of 750,94 leaves 271.
    r.esperar_textos(principal, {"Cuota": "750,94", "Nº Cuotas": "271 de 300", "Total intereses": "63.093,78",
                                 "Coste total": "63.093,78"})


def calculo_rechazado(principal):
    antes = {nombre: r.texto(panel) for nombre, panel in
             r.resultados(principal, {"Cuota", "Capital", "Nº Cuotas", "Total pagado", "Coste total"}).items()}
    rellenar(principal, "Interés", ["15", "1200", "500000000000000"])
    aviso = r.ventana_activa("Cálculo de la cuota de un préstamo")
    r.teclas("Return")
    r.esperar_cierre(aviso)
    r.esperar_textos(principal, antes)
    r.esperar(lambda: cabecera(principal) and "no se ha podido calcular" in cabecera(principal).name,
              "la cabecera que dice que los resultados no son de los datos actuales")


def interes_diminuto(principal):
    r.teclas("ctrl+n")  # clears the page and its conditions
    r.teclas("alt+z")
    lista = r.esperar(lambda: r.enfocado(principal), "el foco en «Cálculo a realizar»")
    r.teclas("Down")
    r.esperar_texto(lista, "Calcular el interés")
    rellenar(principal, "Cuota", ["277,78", "360", "100000"])
    paneles = r.resultados(principal, {"Interés", "TAE"})
    for nombre, panel in paneles.items():
        r.esperar(lambda: r.texto(panel).startswith("0,0000") and r.texto(panel).strip("0,") != "",
                  f"«{nombre}» con un interés diminuto distinto de 0,00 (muestra {r.texto(panel)!r})")


def recorrer():
    principal = r.ventana_principal()
    amortizacion_con_intro()
    plazo_acortado(principal)
    calculo_rechazado(principal)
    interes_diminuto(principal)


r.ejecutar(recorrer)
