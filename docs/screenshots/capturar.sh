#!/usr/bin/env bash
# Takes the pictures of the main window shown in the README: the program runs
# under a virtual X server, xdotool types a calculation on each page as a
# person would, and ImageMagick grabs the window.
#   docs/screenshots/capturar.sh [program]   (default: build/zuzidaduve)
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
programa="${1:-$raiz/build/zuzidaduve}"
destino="$raiz/docs/screenshots"

source "$raiz/docs/screenshots/arrancar_programa.sh"
capturar() { sleep 0.4; import -window "$ventana" "$destino/$1"; }

xdotool windowactivate --sync "$ventana" 2>/dev/null || xdotool windowfocus "$ventana"
sleep 0.3

# Loans: 10000 at 6 % in 12 instalments.
tecla alt+e; teclear "6"
tecla alt+n; teclear "12"
tecla alt+c; teclear "10000"
tecla Return
capturar prestamos.png

# Investments: final capital of 100 a month at 6 % over 120 months from 1000.
tecla alt+i
tecla alt+z; tecla End
tecla alt+u; teclear "100"
tecla alt+e; teclear "6"
tecla alt+n; teclear "120"
tecla alt+l; teclear "1000"
tecla Return
capturar inversiones.png

# Depreciation: 10000 down to 1000 over 5 years, 3 years calculated, double.
tecla alt+d
tecla alt+z; tecla End
tecla alt+n; teclear "10000"
tecla alt+f; teclear "1000"
tecla Tab; teclear "5"   # the accelerator of "Años de vida útil" is Alt+Ú
tecla alt+c; teclear "3"
tecla Return
capturar depreciaciones.png

# Loans with the largest figures: 9.999.999.999 at 6 % over 360 months; every
# result panel shows its figure whole.
tecla alt+p
tecla alt+e; tecla ctrl+a; teclear "6"
tecla alt+n; tecla ctrl+a; teclear "360"
tecla alt+c; tecla ctrl+a; teclear "9999999999"
tecla Return
capturar prestamo_importes_grandes.png
