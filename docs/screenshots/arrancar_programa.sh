# Sourced by the capture scripts: re-runs the calling script under a virtual X
# server, starts the program with Spanish settings, waits for its main window
# (left in $ventana) and for the splash to go, and defines the typing helpers.
#   needs: $programa
if [ -z "${ZZ_DENTRO_DE_XVFB:-}" ]; then
    export ZZ_DENTRO_DE_XVFB=1
    exec "$raiz/tests/support/en_pantalla_virtual.sh" "$0" "$programa"
fi

export XDG_RUNTIME_DIR="$(mktemp -d)"
# Spanish settings for the program alone (the shell may lack that locale).
env -u LC_ALL -u LC_NUMERIC LANG=es_ES.UTF-8 LANGUAGE=es "$programa" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT

buscar() { xdotool search --onlyvisible --name '^Zelvar Zuzidaduve [0-9]' 2>/dev/null || true; }

ventana=""
for _ in $(seq 50); do
    ventana="$(buscar | head -n1)"
    [ -n "$ventana" ] && break
    sleep 0.2
done
[ -n "$ventana" ] || { echo "No aparece la ventana principal" >&2; exit 1; }
sleep 2.5   # the splash goes away after two seconds

teclear() { xdotool type --delay 20 "$1"; }
tecla() { xdotool key --clearmodifiers "$@"; sleep 0.2; }
