# Sourced by the scripts that need a virtual X server of their own.
#
# arrancar_pantalla_virtual CARPETA TAMAÑO starts Xvfb at the screen size
# given (e.g. 1280x1024x24) on a free display, leaves its pid in
# PANTALLA_PID and exports DISPLAY once a client can connect. Servers that
# look for a free display at the same moment (xvfb-run -a, or Xvfb's own
# -displayfd) can take the same one or remove each other's socket file,
# leaving a server nobody can reach; so every run on this machine picks its
# display and starts its server in turn, under one lock, held until the new
# display answers. CARPETA receives the server's log.
#
# parar_pantalla_virtual ends that server, in turn with the start-ups too: a
# server on its way out removes its socket file, which must not be one a new
# server has just made for the same display. terminar_proceso and vivo serve
# the scripts' own cleanups as well.

# Running unless it is gone or a zombie waiting to be reaped.
vivo() { [ -r "/proc/$1/stat" ] && [ "$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null)" != Z ]; }

# Asks a child process to end, and kills it if it has not within 5 s, so that
# a cleanup can never hang the run.
terminar_proceso() {
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do
        vivo "$1" || break
        sleep 0.1
    done
    kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

_turno_de_pantallas() {
    exec 9>"${TMPDIR:-/tmp}/zuzidaduve-pantallas.lock"
    flock -w 120 9 && return 0
    exec 9>&-
    echo "FALLO: otra ejecución no suelta el turno de las pantallas virtuales" >&2
    return 1
}

_fin_de_turno() {
    flock -u 9
    exec 9>&-
}

arrancar_pantalla_virtual() {
    local carpeta="$1" tamano="$2" n listo=""
    PANTALLA_PID=""
    _turno_de_pantallas || return 1
    for n in $(seq 100 399); do
        # A number with a socket or a lock file of its own is another
        # server's, or the remains of one: skip it.
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        # -noreset: a server resets when its last client leaves (the check
        # below, or a program that ends before the next starts), and refuses
        # connections while it does.
        Xvfb ":$n" -screen 0 "$tamano" -nolisten tcp -noreset 2>"$carpeta/xvfb.log" 9>&- &
        PANTALLA_PID=$!
        for _ in $(seq 150); do
            if DISPLAY=":$n" timeout 3 xprop -root >/dev/null 2>&1; then
                listo=1
                break
            fi
            vivo "$PANTALLA_PID" || break
            sleep 0.1
        done
        [ -n "$listo" ] && break
        # It could not take that display after all: the next one.
        terminar_proceso "$PANTALLA_PID"
        PANTALLA_PID=""
    done
    _fin_de_turno
    if [ -z "$listo" ]; then
        echo "FALLO: Xvfb no arranca" >&2
        cat "$carpeta/xvfb.log" >&2
        return 1
    fi
    DISPLAY=":$n"
    export DISPLAY
}

parar_pantalla_virtual() {
    [ -n "${PANTALLA_PID:-}" ] || return 0
    local turno=""
    _turno_de_pantallas && turno=1
    terminar_proceso "$PANTALLA_PID"
    PANTALLA_PID=""
    if [ -n "$turno" ]; then _fin_de_turno; fi
}
