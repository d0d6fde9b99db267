#!/usr/bin/env python3
"""Checks that the folders of src/ include one another only downwards.

The program is built in layers, from the bottom:
  1 util            Qt Core only
  2 finance         calculations and schedule rows, pure
  3 reports/engine  the report engine      } side by side: neither
  3 widgets/grid    the grid family        } includes the other
  4 ui              the shared window kit
  5 widgets         calculator, calendar, field buttons   } side by side
  5 widgets/graficos  charts on screen (Qt Charts)       }
  6 reports         report layouts and the preview window
  7 schedules       the table window and its print action
  8 app, cli        the program's windows; the command line
  9 src/main.cpp    the entry point: the command line or the windows

A file may include files of its own folder and of lower layers only. An
include that goes up, or across to another folder of the same layer, and a
folder of src/ that is not in the table are reported; the exit status is then
1. Usage: comprobar_capas.py [src folder]   (default: the repository's src/)
"""
import pathlib
import re
import sys

CAPAS = {
    "util": 1,
    "finance": 2,
    "reports/engine": 3,
    "widgets/grid": 3,
    "ui": 4,
    "widgets": 5,
    "widgets/graficos": 5,
    "reports": 6,
    "schedules": 7,
    "app": 8,
    "cli": 8,
    "": 9,
}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def carpeta_de(ruta_relativa):
    """The layer folder a path lies in: the longest folder of the table that
    starts it, or None."""
    partes = pathlib.PurePosixPath(ruta_relativa).parts
    if len(partes) == 1:
        return ""  # the entry point, at the top of src/
    for largo in range(len(partes) - 1, 0, -1):
        carpeta = "/".join(partes[:largo])
        if carpeta in CAPAS:
            return carpeta
    return None


def faltas(raiz):
    raiz = pathlib.Path(raiz)
    encontradas = []
    for fichero in sorted(raiz.rglob("*")):
        if fichero.suffix not in (".h", ".cpp") or not fichero.is_file():
            continue
        relativa = fichero.relative_to(raiz).as_posix()
        origen = carpeta_de(relativa)
        if origen is None:
            encontradas.append(f"{relativa}: su carpeta no está en la tabla de capas")
            continue
        texto = fichero.read_text(encoding="utf-8", errors="replace")
        for incluido in INCLUDE.findall(texto):
            if "/" not in incluido:
                continue  # a file of the same folder
            destino = carpeta_de(incluido)
            if destino is None or destino == origen:
                continue  # outside src/ (generated headers) or the same folder
            if CAPAS[destino] > CAPAS[origen]:
                encontradas.append(f"{relativa} -> {incluido}: {origen} incluye hacia arriba ({destino})")
            elif CAPAS[destino] == CAPAS[origen]:
                encontradas.append(f"{relativa} -> {incluido}: {origen} incluye de lado ({destino})")
    return encontradas


def main():
    raiz = sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent / "src"
    encontradas = faltas(raiz)
    for falta in encontradas:
        print(falta, file=sys.stderr)
    if encontradas:
        print(f"{len(encontradas)} inclusiones rompen las capas", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
