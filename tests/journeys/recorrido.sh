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

if [ -z "${ZZ_RECORRIDO_DENTRO:-}" ]; then
    # Outside: a fresh temporary home and runtime folder, and an X server on
    # a free display (Xvfb picks it and tells us, so parallel runs never
    # race for a display number).
    temporal="$(mktemp -d)"
    xvfb_pid=""
    limpiar() {
        if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
        rm -rf "$temporal"
    }
    trap limpiar EXIT
    mkdir -m 700 "$temporal/home" "$temporal/runtime"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$temporal/pantalla" 2>"$temporal/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$temporal/pantalla" ] && break
        sleep 0.05
    done
    [ -s "$temporal/pantalla" ] || { echo "FALLO: Xvfb no arranca" >&2; cat "$temporal/xvfb.log" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$temporal/pantalla")"
    export HOME="$temporal/home" XDG_RUNTIME_DIR="$temporal/runtime"
    unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME SESSION_MANAGER
    estado=0
    ZZ_RECORRIDO_DENTRO=1 dbus-run-session -- "$0" "$programa" "$recorrido" || estado=$?
    exit "$estado"
fi

# Inside the D-Bus session: the window manager, then the program.
capturas="$(dirname "$programa")/recorridos"
nombre="$(basename "$recorrido" .py)"
openbox_pid=""
programa_pid=""
terminar() {
    local pid
    for pid in $programa_pid $openbox_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
trap terminar EXIT

openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    { echo "FALLO: openbox no arranca" >&2; exit 1; }

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
# Spanish settings for the program alone; Qt reads them from LANG even where
# the C library lacks that locale.
env -u LC_ALL -u LC_NUMERIC -u LC_TIME LANG=es_ES.UTF-8 LANGUAGE=es "$programa" &
programa_pid=$!

estado=0
ZZ_PROGRAMA_PID="$programa_pid" PYTHONPATH="$aqui${PYTHONPATH:+:$PYTHONPATH}" \
    /usr/bin/python3 "$recorrido" || estado=$?

# Running unless it is gone or a zombie waiting to be reaped.
vivo() { [ -r "/proc/$1/stat" ] && [ "$(cut -d' ' -f3 "/proc/$1/stat")" != Z ]; }
if [ "$estado" -eq 0 ] && ! vivo "$programa_pid"; then
    # The journey saw the program end; it must have ended by itself, cleanly.
    salida=0
    wait "$programa_pid" || salida=$?
    programa_pid=""
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
