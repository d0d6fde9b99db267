#!/usr/bin/env bash
# Takes the pictures of the three development tables shown in the README and
# of a loan's yearly summary and of each kind of chart: the program runs
# under a virtual X server, xdotool types a calculation on each page and
# presses Ctrl+T (and Ctrl+R for the summary, Ctrl+G for the chart) as a
# person would, and ImageMagick grabs the schedule window
# before Escape closes it.
#   docs/screenshots/capturar_desarrollo.sh [program]   (default: build/zuzidaduve)
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
programa="${1:-$raiz/build/zuzidaduve}"
destino="$raiz/docs/screenshots"

source "$raiz/docs/screenshots/arrancar_programa.sh"
principal="$ventana"

# Ctrl+T, then the schedule window, titled after its table; its picture is
# not taken when the name is "-". With a
# second name other than "-", Ctrl+R then shows the yearly summary and
# that picture is taken too; with a third, Ctrl+G then shows the chart.
desarrollar() {
    tecla ctrl+t
    local tabla=""
    for _ in $(seq 50); do
        tabla="$(xdotool search --onlyvisible --name ', tabla de desarrollo$' 2>/dev/null | head -n1 || true)"
        [ -n "$tabla" ] && break
        sleep 0.2
    done
    [ -n "$tabla" ] || { echo "No aparece la tabla de desarrollo" >&2; exit 1; }
    sleep 0.6
    if [ "$1" != - ]; then
        import -window "$tabla" "$destino/$1"
    fi
    if [ -n "${2:-}" ] && [ "$2" != - ]; then
        tecla ctrl+r
        sleep 0.6
        import -window "$tabla" "$destino/$2"
    fi
    if [ -n "${3:-}" ]; then
        tecla ctrl+g
        sleep 1
        import -window "$tabla" "$destino/$3"
    fi
    tecla Escape
    sleep 0.4
    # Without a window manager the focus does not go back by itself.
    xdotool windowfocus "$principal"
    sleep 0.2
}

xdotool windowactivate --sync "$principal" 2>/dev/null || xdotool windowfocus "$principal"
sleep 0.3

# Loan: 1000 at 12 % in 12 instalments, the first on 31 January 2024.
tecla alt+e; teclear "12"
tecla alt+n; teclear "12"
tecla alt+c; teclear "1000"
tecla alt+r; tecla Home; teclear "31012024"
desarrollar desarrollo_prestamo.png

# Loan: 10000 at 6 % in 48 instalments from 15 July 2024, and its yearly summary.
tecla alt+e; teclear "6"
tecla alt+n; teclear "48"
tecla alt+c; teclear "10000"
tecla alt+r; tecla Home; teclear "15072024"
desarrollar - resumen_anual_prestamo.png

# Loan: 150000 at 3 % in 300 instalments from 31 January 2025, its chart.
tecla alt+e; teclear "3"
tecla alt+n; teclear "300"
tecla alt+c; teclear "150000"
tecla alt+r; tecla Home; teclear "31012025"
desarrollar - - grafico_prestamo.png

# Investment: 100 a month at 6 % over 120 months from 1000, final capital.
tecla alt+i
tecla alt+z; tecla End
tecla alt+u; teclear "100"
tecla alt+e; teclear "6"
tecla alt+n; teclear "120"
tecla alt+l; teclear "1000"
desarrollar desarrollo_inversion.png - grafico_inversion.png

# Depreciation: 10000 down to 1000 over 5 years, 3 years calculated, accelerated.
tecla alt+d
tecla alt+z; tecla Down
tecla alt+n; teclear "10000"
tecla Tab; teclear "1000"
tecla Tab; teclear "5"
tecla alt+c; teclear "3"
desarrollar desarrollo_depreciacion.png - grafico_depreciacion.png
