#!/usr/bin/env bash
# One instance per user, checked on the real program under a virtual X
# server: a second start hands over to the first and ends without a window
# of its own, bringing to the front the window the person was using (an open
# question stays above the main window it blocks), first with no window
# manager and then under one; against a first instance that is stopped, a
# second start says that it does not answer and fails; after the first is
# killed with SIGKILL a new start opens normally (the kernel released the
# lock).
#   tests/arranque/comprobar_instancia.sh build/zuzidaduve
set -euo pipefail
programa="$(realpath "${1:?falta la ruta del programa}")"

if [ -z "${ZZ_INSTANCIA_DENTRO:-}" ]; then
    export ZZ_INSTANCIA_DENTRO=1
    exec "$(dirname "$0")/../support/en_pantalla_virtual.sh" "$0" "$programa"
fi

export QT_QPA_PLATFORM=xcb
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
pids=()
trap 'for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done; rm -rf "$XDG_RUNTIME_DIR"' EXIT

# Starts a program in the background whose SIGKILL at the end is expected.
lanzar() {
    "$@" & pids+=("$!")
    disown "$!"
}

iniciar_gestor_de_ventanas() {
    lanzar openbox 2>/dev/null
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
}

# The active window's title; with no window manager, that of the focus.
activa() {
    xdotool getactivewindow getwindowname 2>/dev/null || xdotool getwindowfocus getwindowname 2>/dev/null || true
}

# Waits until the active window's title begins with $1.
esperar_activa() {
    for _ in $(seq 50); do
        [[ "$(activa)" == "$1"* ]] && return 0
        sleep 0.1
    done
    echo "FALLO: la ventana activa es \"$(activa)\" y no \"$1\"" >&2
    return 1
}

# The visible window whose title matches the pattern $1, as 0x... .
ventana() { printf '0x%x' "$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)"; }

# Top-level windows from the top down: the window manager's list when one
# runs, otherwise the X server's own.
apilamiento() {
    if xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | grep -q 'window id'; then
        xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | tac
    else
        xwininfo -root -children | grep -o '^ *0x[0-9a-f]*' | tr -d ' '
    fi | sed 's/^0x0*/0x/'
}

# True when the window matching $1 is stacked above the one matching $2.
encima() {
    local orden
    orden=$(apilamiento)
    [ "$(grep -n -x "$(ventana "$1")" <<<"$orden" | cut -d: -f1)" -lt \
      "$(grep -n -x "$(ventana "$2")" <<<"$orden" | cut -d: -f1)" ]
}

ventanas() { xdotool search --onlyvisible --name '^Zelvar Zuzidaduve [0-9]' 2>/dev/null | wc -l; }

# Waits until exactly $1 windows of the program are visible (the splash has
# gone after two seconds).
esperar_ventanas() {
    for _ in $(seq 60); do
        [ "$(ventanas)" -eq "$1" ] && return 0
        sleep 0.1
    done
    echo "FALLO: se esperaban $1 ventanas y hay $(ventanas)" >&2
    return 1
}

# Escape on the main window asks whether to quit. On a loaded machine the
# key can reach the window before it has taken the focus and be lost, so it
# is pressed again (only) when no question has come up after a while.
abrir_pregunta_de_salida() {
    local principal
    principal=$(ventana '^Zelvar Zuzidaduve [0-9]')
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$principal" 2>/dev/null || xdotool windowfocus --sync "$principal"
        xdotool key Escape
        esperar_activa "Salir del programa" 2>/dev/null && return 0
    done
    esperar_activa "Salir del programa"
}

# With the quit question open (and, given $1, another program in front), a
# new start must bring the question to the front, above the main window it
# blocks. Then the question is answered no.
comprobar_pregunta_delante() {
    abrir_pregunta_de_salida
    if [ -n "${1:-}" ]; then
        lanzar xmessage -title "Otra" "otra ventana" 2>/dev/null
        esperar_activa "Otra"
    fi
    timeout 10 "$programa"
    esperar_activa "Salir del programa"
    sleep 0.5
    encima '^Salir del programa' '^Zelvar Zuzidaduve [0-9]' ||
        { echo "FALLO: la ventana principal tapa su pregunta ${1:-}" >&2; return 1; }
    xdotool key Escape   # no: the program stays
    esperar_ventanas 1
}

lanzar "$programa"
primero=${pids[-1]}
sleep 2.5
esperar_ventanas 1

# The second start must end by itself, successfully, leaving one window.
if ! timeout 10 "$programa"; then
    echo "FALLO: el segundo arranque no terminó bien" >&2
    exit 1
fi
sleep 0.5
esperar_ventanas 1
kill -0 "$primero" || { echo "FALLO: la primera instancia ha terminado" >&2; exit 1; }

comprobar_pregunta_delante
iniciar_gestor_de_ventanas
comprobar_pregunta_delante "con otra ventana delante"

# A first instance that is stopped takes the request but never answers: the
# later start says so, on its standard error and in a message on the screen,
# and ends with a status that is not 0.
kill -STOP "$primero"
errores="$(mktemp)"
"$programa" 2>"$errores" &
segundo=$!
aviso=""
for _ in $(seq 100); do
    aviso=$(xdotool search --onlyvisible --name '^Atención' 2>/dev/null | head -n1 || true)
    [ -n "$aviso" ] && break
    sleep 0.1
done
if [ -z "$aviso" ]; then
    kill -CONT "$primero"
    echo "FALLO: el segundo arranque ante una copia detenida no muestra ningún aviso" >&2
    exit 1
fi
xdotool windowactivate --sync "$aviso" 2>/dev/null || xdotool windowfocus --sync "$aviso"
xdotool key Return
estado=0
wait "$segundo" || estado=$?
kill -CONT "$primero"
grep -qx "Ya hay una copia abierta que no responde" "$errores" ||
    { echo "FALLO: el error estándar dice \"$(cat "$errores")\"" >&2; exit 1; }
[ "$estado" -ne 0 ] || { echo "FALLO: el segundo arranque terminó con 0 ante una copia detenida" >&2; exit 1; }
rm -f "$errores"
esperar_ventanas 1

kill -9 "$primero"
esperar_ventanas 0

lanzar "$programa"
nuevo=${pids[-1]}
sleep 2.5
esperar_ventanas 1
kill -0 "$nuevo" || { echo "FALLO: tras kill -9 el programa no arranca" >&2; exit 1; }
echo "Una sola instancia por usuario: correcto"
