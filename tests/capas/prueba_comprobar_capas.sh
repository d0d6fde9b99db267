#!/usr/bin/env bash
# The layer check on a small tree: it passes on includes that go down or stay
# in their folder, and fails, naming the file, on one that goes up, one that
# goes across, and a folder outside the table. Then on the real src/.
set -euo pipefail
comprobar="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/tools/comprobar_capas.py"
arbol="$(mktemp -d)"
trap 'rm -rf "$arbol"' EXIT

mkdir -p "$arbol"/{util,finance,ui,app,reports/engine,widgets/grid}
printf '#include "util/fechas.h"\n#include "propio.h"\n' > "$arbol/finance/calculo.cpp"
printf '#include "finance/calculo.h"\n#include "ui/avisos.h"\n' > "$arbol/app/ventana.cpp"
printf '#include "util/fechas.h"\n' > "$arbol/reports/engine/motor.cpp"
python3 "$comprobar" "$arbol" || { echo "FALLO: un árbol sin faltas fue rechazado"; exit 1; }

falla_con() {
    local fichero="$1" linea="$2" esperado="$3"
    printf '%s\n' "$linea" > "$arbol/$fichero"
    if salida="$(python3 "$comprobar" "$arbol" 2>&1)"; then
        echo "FALLO: $fichero con «$linea» fue aceptado"; exit 1
    fi
    grep -qF "$esperado" <<<"$salida" || { echo "FALLO: falta «$esperado» en: $salida"; exit 1; }
    rm "$arbol/$fichero"
}
falla_con util/subida.cpp '#include "ui/avisos.h"' "util/subida.cpp -> ui/avisos.h: util incluye hacia arriba"
falla_con finance/subida.h '#include "app/ventana.h"' "finance incluye hacia arriba (app)"
falla_con reports/engine/lado.cpp '#include "widgets/grid/rejilla.h"' "reports/engine incluye de lado (widgets/grid)"
falla_con widgets/grid/subida.cpp '#include "widgets/boton.h"' "widgets/grid incluye hacia arriba (widgets)"
mkdir -p "$arbol/nueva"
falla_con nueva/x.cpp '#include "util/fechas.h"' "nueva/x.cpp: su carpeta no está en la tabla de capas"

python3 "$comprobar"
echo "bien"
