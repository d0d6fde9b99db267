#!/usr/bin/env bash
# Reads a loan's development table through the accessibility bus: a virtual
# X server, a D-Bus session of its own, the program with its AT-SPI bridge on,
# and comprobar_desarrollo.py, which opens the table and reads its cells.
#   tests/atspi/comprobar_desarrollo.sh build/zuzidaduve
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
export LANG=es_ES.UTF-8 LANGUAGE=es
unset LC_ALL LC_NUMERIC 2>/dev/null || true
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR

"$programa" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT

/usr/bin/python3 "$aqui/comprobar_desarrollo.py"
