#!/usr/bin/env bash
# Runs a command under a virtual X server of its own and returns its exit
# code. The server picks a free display itself and reports it (-displayfd),
# so runs started at the same moment never share or race for a display, as
# they can with xvfb-run -a.
#   tests/support/en_pantalla_virtual.sh orden [argumentos...]
#   ZZ_PANTALLA=1280x1024x24 tests/support/en_pantalla_virtual.sh ...
set -euo pipefail
[ $# -gt 0 ] || { echo "uso: $0 orden [argumentos...]" >&2; exit 2; }

temporal="$(mktemp -d)"
xvfb=""
terminar() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$temporal"
}
trap terminar EXIT
trap 'exit 143' TERM INT

Xvfb -displayfd 3 -screen 0 "${ZZ_PANTALLA:-1024x768x24}" -nolisten tcp \
    3>"$temporal/pantalla" 2>"$temporal/xvfb.log" &
xvfb=$!
for _ in $(seq 300); do
    [ -s "$temporal/pantalla" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
done
if [ ! -s "$temporal/pantalla" ]; then
    echo "FALLO: Xvfb no arranca" >&2
    cat "$temporal/xvfb.log" >&2
    exit 1
fi
DISPLAY=":$(head -n1 "$temporal/pantalla")"
export DISPLAY

estado=0
"$@" || estado=$?
exit "$estado"
