"""A loan with conditions kept as a file: Ctrl+S asks for a name and the
title shows it; the program is closed and started again, and the boxes and
conditions of the last session are back (Intro gives the same instalment);
Ctrl+O opens the file through the dialog over changed boxes; after Nuevo, a
second start of the program with the file's name hands it to the running
one, which opens it; every box comes back exactly."""
import os
import subprocess

import recorrido as r
from condiciones_y_tabla import poner_condiciones, recalcular

HOME = os.environ["HOME"]
FICHERO = os.path.join(HOME, "hipoteca.zzc")
CAJAS = ["Cuota", "Interés", "Nº Cuotas", "Capital", "Primer pago"]
PROGRAMA = os.readlink(f"/proc/{os.environ['ZZ_PROGRAMA_PID']}/exe")


def entorno():
    """The program's environment as recorrido.sh gives it."""
    e = {k: v for k, v in os.environ.items()
         if k not in ("LC_ALL", "LC_NUMERIC", "LC_TIME", "LC_MONETARY", "LC_MESSAGES")}
    e.update(LANG="es_ES.UTF-8", LANGUAGE="es")
    return e


def cajas(principal):
    return [r.texto(r.control(principal, nombre, r.CAJA)) for nombre in CAJAS]


def esperar_cajas(principal, esperadas, que):
    r.esperar_igual(lambda: cajas(principal), esperadas, que)


def titulo_con_fichero():
    r.esperar(lambda: r.titulo_activa().endswith(" - hipoteca.zzc"), "el nombre del fichero en el título")


def pedir_fichero(tecla, titulo):
    r.teclas(tecla)
    r.esperar_titulo(titulo)
    r.escribir(FICHERO)
    r.teclas("Return")


def salir(principal):
    r.teclas("Escape")
    pregunta = r.ventana("Salir del programa")
    r.clic(r.control(pregunta, "Sí", r.BOTON))


def recorrer():
    principal = r.ventana_principal()
    caja = r.teclear_prestamo(principal, "12", "8", "1000")
    r.esperar_textos(principal, {"Cuota": "130,69"})
    poner_condiciones()
    recalcular(principal, caja)
    guardadas = cajas(principal)

    pedir_fichero("ctrl+s", "Guardar el cálculo")
    titulo_con_fichero()
    r.comprobar(os.path.getsize(FICHERO) > 0, f"{FICHERO} está vacío")
    salir(principal)
    r.programa_terminado()

    # The next start, in the same session: the last work is back.
    segundo = subprocess.Popen([PROGRAMA], env=entorno())
    try:
        r._aplicacion = None
        principal = r.ventana_principal()
        esperar_cajas(principal, guardadas, "las cajas de la sesión anterior")
        caja = r.control(principal, "Interés", r.CAJA)
        r.clic(caja)
        r.esperar(lambda: r.enfocado(caja), "el foco en «Interés»")
        r.teclas("Return")
        r.esperar_textos(principal, {"Cuota": "142,46", "TAE": "12,55"})

        capital = r.control(principal, "Capital", r.CAJA)
        r.escribir_en(capital, "2000")
        pedir_fichero("ctrl+o", "Abrir un cálculo")
        titulo_con_fichero()
        esperar_cajas(principal, guardadas, "las cajas del fichero abierto con el diálogo")

        r.teclas("ctrl+shift+n")
        r.esperar_texto(capital, "")
        otro = subprocess.run([PROGRAMA, FICHERO], env=entorno(), timeout=20)
        r.comprobar(otro.returncode == 0, f"la segunda copia terminó con {otro.returncode}")
        titulo_con_fichero()
        esperar_cajas(principal, guardadas, "las cajas del fichero pasado a la copia abierta")
        salir(principal)
        r.esperar(lambda: segundo.poll() is not None, "el final del programa")
        r.comprobar(segundo.returncode == 0, f"el programa terminó con {segundo.returncode}")
    finally:
        if segundo.poll() is None:
            segundo.kill()


r.ejecutar(recorrer)
