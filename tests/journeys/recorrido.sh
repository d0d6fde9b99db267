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

# Running unless it is gone or a zombie waiting to be reaped.
vivo() { [ -r "/proc/$1/stat" ] && [ "$(cut -d' ' -f3 "/proc/$1/stat")" != Z ]; }

# Asks a process to end, and makes it end if it has not within 5 s, so that
# the cleanup can never hang the run.
terminar() {
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do
        vivo "$1" || break
        sleep 0.1
    done
    kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Everything this run starts, ended in reverse order on the way out, and a
# fresh temporary home and runtime folder, removed.
temporal="$(mktemp -d)"
pids=()
programa_pid=""
limpiar() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        terminar "${pids[i]}"
    done
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

# The X server picks a free display and tells us, so parallel runs never
# race for a display number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$temporal/pantalla" 2>"$temporal/xvfb.log" &
pids+=($!)
esperar test -s "$temporal/pantalla" || { echo "FALLO: Xvfb no arranca" >&2; cat "$temporal/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$temporal/pantalla")"

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
# Spanish settings for the program alone; Qt reads them from LANG even where
# the C library lacks that locale.
env -u LC_ALL -u LC_NUMERIC -u LC_TIME -u LC_MONETARY -u LC_MESSAGES LANG=es_ES.UTF-8 LANGUAGE=es "$programa" &
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
