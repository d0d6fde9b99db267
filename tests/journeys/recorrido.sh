#!/usr/bin/env bash
# Walks one journey on the real program, as a person on a desktop would:
# a virtual X server, the openbox window manager (stacking, activation and
# modality behave as on a desktop), a D-Bus session with the accessibility
# bus, and the program with its accessibility bridge on and Spanish
# settings. The journey (a Python script that uses recorrido.py) drives the
# program with real mouse and keyboard events and reads it back through the
# accessibility bus.
#   tests/journeys/recorrido.sh build/zuzidaduve tests/journeys/paginas.py
# On failure a screenshot of the screen is saved beside the program, in
# recorridos/<journey>.png, and its path is printed.
set -euo pipefail
aqui="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
programa="$(realpath "${1:?falta la ruta del programa}")"
recorrido="$(realpath "${2:?falta el recorrido}")"
capturas="$(dirname "$programa")/recorridos"
nombre="$(basename "$recorrido" .py)"

source "$aqui/../support/pantalla_virtual.sh"

# Everything this run starts, ended in reverse order on the way out, and a
# fresh temporary home and runtime folder, removed.
temporal="$(mktemp -d)"
pids=()
programa_pid=""
limpiar() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        terminar_proceso "${pids[i]}"
    done
    parar_pantalla_virtual
    rm -rf "$temporal"
}
trap limpiar EXIT
trap 'exit 143' TERM INT  # a timeout cleans up too

# Waits up to 15 s for a command to succeed.
esperar() {
    local fin=$((SECONDS + 15))
    while [ "$SECONDS" -lt "$fin" ]; do
        timeout 3 "$@" 2>/dev/null && return 0
        sleep 0.05
    done
    return 1
}

mkdir -m 700 "$temporal/home" "$temporal/runtime"
export HOME="$temporal/home" XDG_RUNTIME_DIR="$temporal/runtime"
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME SESSION_MANAGER

# An X server of our own, on a free display; limpiar ends it last.
# ZZ_PANTALLA chooses another screen size, e.g. 1024x768x24.
arrancar_pantalla_virtual "$temporal" "${ZZ_PANTALLA:-1280x1024x24}" || exit 1

# A session bus of our own; the accessibility bus starts on it on demand.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$temporal/bus" 2>/dev/null &
pids+=($!)
esperar test -s "$temporal/bus" || { echo "FALLO: dbus-daemon no arranca" >&2; exit 1; }
DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$temporal/bus")"
export DBUS_SESSION_BUS_ADDRESS

openbox --sm-disable >"$temporal/openbox.log" 2>&1 &
pids+=($!)
esperar sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
    { echo "FALLO: openbox no arranca" >&2; cat "$temporal/openbox.log" >&2; exit 1; }

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
# Spanish settings for the program alone, or those of ZZ_LANG_PROGRAMA for a
# journey about another language; Qt reads them from LANG even where the C
# library lacks that locale.
env -u LC_ALL -u LC_NUMERIC -u LC_TIME -u LC_MONETARY -u LC_MESSAGES LANG="${ZZ_LANG_PROGRAMA:-es_ES.UTF-8}" \
    LANGUAGE=es "$programa" &
programa_pid=$!
pids+=("$programa_pid")

estado=0
ZZ_PROGRAMA_PID="$programa_pid" PYTHONDONTWRITEBYTECODE=1 PYTHONPATH="$aqui${PYTHONPATH:+:$PYTHONPATH}" \
    /usr/bin/python3 "$recorrido" || estado=$?

if ! vivo "$programa_pid"; then
    # The program ended during the journey: it must have ended cleanly.
    salida=0
    wait "$programa_pid" || salida=$?
    if [ "$salida" -ne 0 ]; then
        echo "FALLO: el programa terminó con el código $salida" >&2
        estado=1
    fi
fi
if [ "$estado" -ne 0 ]; then
    mkdir -p "$capturas"
    if import -window root "$capturas/$nombre.png" 2>/dev/null; then
        echo "Captura de la pantalla: $capturas/$nombre.png" >&2
    fi
fi
exit "$estado"
