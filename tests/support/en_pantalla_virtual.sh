#!/usr/bin/env bash
# Runs a command under a virtual X server of its own and returns its exit
# code (see pantalla_virtual.sh for how the display is chosen).
#   tests/support/en_pantalla_virtual.sh orden [argumentos...]
#   ZZ_PANTALLA=1280x1024x24 tests/support/en_pantalla_virtual.sh ...
set -euo pipefail
[ $# -gt 0 ] || { echo "uso: $0 orden [argumentos...]" >&2; exit 2; }
source "$(dirname "${BASH_SOURCE[0]}")/pantalla_virtual.sh"

temporal="$(mktemp -d)"
PANTALLA_PID=""
terminar() {
    parar_pantalla_virtual
    rm -rf "$temporal"
}
trap terminar EXIT
trap 'exit 143' TERM INT

arrancar_pantalla_virtual "$temporal" "${ZZ_PANTALLA:-1024x768x24}" || exit 1

estado=0
"$@" || estado=$?
exit "$estado"
