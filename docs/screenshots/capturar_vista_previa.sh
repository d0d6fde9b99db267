#!/usr/bin/env bash
# Takes the pictures of the report preview shown in the README, on a desktop
# with a window manager (openbox), as a person gets there: a loan is
# calculated, Ctrl+T opens its table, Ctrl+P its preview; a right click on
# the page opens the pop-up menu, and "Imprimir" on a machine without
# printers offers the printer set-up with a PDF file.
#   docs/screenshots/capturar_vista_previa.sh [program]   (default: build/zuzidaduve)
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
programa="${1:-$raiz/build/zuzidaduve}"
destino="$raiz/docs/screenshots"

if [ -n "${ZZ_DENTRO_DE_XVFB:-}" ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    openbox_pid=$!
    sleep 1
fi
source "$raiz/docs/screenshots/arrancar_programa.sh"
trap 'kill "$pid" "$openbox_pid" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
principal="$ventana"

# Waits for a visible window whose title matches, and prints its id.
esperar_ventana() {
    local id=""
    for _ in $(seq 50); do
        id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "$principal" | head -n1 || true)"
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.2
    done
    echo "No aparece la ventana «$1»" >&2
    exit 1
}

xdotool windowactivate --sync "$principal" 2>/dev/null || xdotool windowfocus "$principal"
sleep 0.3

# Loan: 1000 at 12 % in 120 instalments, three pages of report.
tecla alt+e; teclear "12"
tecla alt+n; teclear "120"
tecla alt+c; teclear "1000"
tecla Return
tecla ctrl+t
esperar_ventana ', tabla de desarrollo$' >/dev/null
sleep 0.6
tecla ctrl+p
esperar_ventana '^Zelvar Zuzidaduve [0-9]' >/dev/null
sleep 1.5

# The pop-up menu of the page.
xdotool mousemove --sync 560 420 click 3
sleep 0.6
import -window root "$destino/vista_previa_menu.png"
tecla Escape

# "Imprimir" (the print button of the strip), "Sí", and the set-up dialog.
xdotool mousemove --sync 388 34 click 1
esperar_ventana '^Imprimir$' >/dev/null
sleep 0.4
tecla alt+s
esperar_ventana '^Configurar impresora$' >/dev/null
sleep 0.8
import -window root "$destino/impresora_sin_impresoras.png"
tecla Escape
sleep 0.4
tecla Escape
sleep 0.4
tecla Escape
