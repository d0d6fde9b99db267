"""The three calculation pages, as a person fills them: click the first box,
type the figures moving on with Tab, press Enter, and read every result
panel."""
import pyatspi

import recorrido as r


def rellenar(principal, primera, cifras):
    """Types the figures into consecutive boxes, starting at `primera`."""
    caja = r.control(principal, primera, r.CAJA)
    r.clic(caja)
    r.esperar(lambda: r.enfocado(caja), f"el foco en «{primera}»")
    for i, cifra in enumerate(cifras):
        if i:
            r.teclas("Tab")
        r.escribir(cifra)
    r.teclas("Return")


def prestamos(principal):
    rellenar(principal, "Interés", ["5", "360", "100000"])
    r.esperar_textos(principal, {
        "Cuota": "536,82", "Interés": "5,00", "Nº Cuotas": "360", "Capital": "100.000,00",
        "Total pagado": "193.256,52", "Total intereses": "93.256,52", "% Intereses": "48,26",
    })
    r.esperar_texto(r.control(principal, "Cuota", r.CAJA), "536,82")


def inversiones(principal):
    r.clic(r.control(principal, "Inversiones", r.PESTANA))
    r.control(principal, " Inversiones", r.RESULTADO)  # the title strip follows the page
    rellenar(principal, "Interés", ["6", "12", "10000"])
    # Twelve contributions of 806,63 put in 9.679,56 and reach 9.999,99: the
    # results are what the rounded contribution reaches, as the table's last
    # row shows, not the 10.000 typed.
    r.esperar_textos(principal, {
        "Cuota": "806,63", "Interés": "6,00", "Nº Cuotas": "12", "Cap. Inicial": "0,00",
        "Capital Invertido": "9.679,56", "Capital Final": "9.999,99", "Beneficio": "320,43",
        "% Beneficio": "3,20",
    })
    r.teclas("ctrl+t")
    tabla = r.tabla_activa()
    rejilla = next(n for n in r.descendientes(tabla) if n.getRole() == pyatspi.ROLE_TABLE)
    ultima = r.esperar(lambda: r.celdas(rejilla)[-1], "la última fila de la tabla")
    r.comprobar(ultima[2:] == ["806,63", "9.679,56", "9.999,99", "320,43"],
                f"la última fila de la tabla dice {ultima}")
    r.teclas("Escape")
    r.esperar_cierre(tabla)


def depreciaciones(principal):
    r.teclas("alt+d")
    rellenar(principal, "Valor inicial", ["10000", "1000", "5", "3"])
    r.esperar_textos(principal, {
        "Depreciación total durante los años de vida útil": "9.000,00",
        "Valor al final de los años de vida útil": "1.000,00",
        "Depreciación total durante los años calculados": "5.400,00",
        "Valor al final de los años calculados": "4.600,00",
    })


def recorrer():
    principal = r.ventana_principal()
    prestamos(principal)
    inversiones(principal)
    depreciaciones(principal)


r.ejecutar(recorrer)
