#!/usr/bin/env bash
# Reads the running program through the accessibility bus: a virtual X
# server, a D-Bus session of its own, the program with its AT-SPI bridge on,
# and a Python check that finds every input and result by its accessible
# name and runs a calculation through the bus.
#   tests/atspi/comprobar_accesibilidad.sh build/zuzidaduve
set -euo pipefail
aqui="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
programa="$(realpath "${1:?falta la ruta del programa}")"

if [ -z "${ZZ_ATSPI_DENTRO:-}" ]; then
    export ZZ_ATSPI_DENTRO=1
    exec "$aqui/../support/en_pantalla_virtual.sh" dbus-run-session -- "$0" "$programa"
fi

export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
# A runtime folder of its own, so that an instance already running for this
# user does not take the start.
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR

# Spanish settings for the program alone (the shell may lack that locale).
env -u LC_ALL -u LC_NUMERIC LANG=es_ES.UTF-8 LANGUAGE=es "$programa" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT

/usr/bin/python3 "$aqui/comprobar_ventana.py"
