#!/usr/bin/env bash
# One instance per user, checked on the real program under a virtual X
# server: a second start hands over to the first and ends without a window
# of its own, and after the first is killed with SIGKILL a new start opens
# normally (the kernel released the lock).
#   tests/arranque/comprobar_instancia.sh build/zuzidaduve
set -euo pipefail
programa="$(realpath "${1:?falta la ruta del programa}")"

if [ -z "${ZZ_INSTANCIA_DENTRO:-}" ]; then
    export ZZ_INSTANCIA_DENTRO=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$programa"
fi

export QT_QPA_PLATFORM=xcb
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
pids=()
trap 'for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done; rm -rf "$XDG_RUNTIME_DIR"' EXIT

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

"$programa" & primero=$!
disown "$primero"   # its SIGKILL below is expected: no job report
pids+=("$primero")
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

kill -9 "$primero"
esperar_ventanas 0

"$programa" & nuevo=$!
pids+=("$nuevo")
sleep 2.5
esperar_ventanas 1
kill -0 "$nuevo" || { echo "FALLO: tras kill -9 el programa no arranca" >&2; exit 1; }
echo "Una sola instancia por usuario: correcto"
