#!/usr/bin/env bash
# Installs a build into a temporary folder and checks what a desktop would
# get: a valid menu entry and metainfo that name each other and the icon, the
# icon in every size, and the program answering --version, --help and an
# unknown option at once, with no display to talk to.
#   tools/comprobar_instalacion.sh build 1.0 2026-12-10
set -euo pipefail
compilacion="${1:?falta la carpeta de compilación}"
version="${2:?falta la versión del proyecto}"
fecha="${3:?falta la fecha de la versión}"
id=io.github.zuzidaduve.Zuzidaduve

destino="$(mktemp -d)"
trap 'rm -rf "$destino"' EXIT
cmake --install "$compilacion" --prefix "$destino" >/dev/null

fallos=0
fallo() { echo "FALLO: $*" >&2; fallos=$((fallos + 1)); }

escritorio="$destino/share/applications/$id.desktop"
metainfo="$destino/share/metainfo/$id.metainfo.xml"
desktop-file-validate "$escritorio" || fallo "desktop-file-validate rechaza $escritorio"
appstreamcli validate --no-net "$metainfo" || fallo "appstreamcli rechaza $metainfo"

grep -qx "Exec=zuzidaduve %f" "$escritorio" || fallo "la entrada del menú no ejecuta zuzidaduve con un fichero"
grep -qx "MimeType=application/x-zuzidaduve;" "$escritorio" || fallo "la entrada del menú no declara los cálculos"
mime="$destino/share/mime/packages/$id.xml"
xmllint --noout "$mime" 2>/dev/null || python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' "$mime" ||
    fallo "falta o no es XML válido $mime"
grep -q '<mime-type type="application/x-zuzidaduve">' "$mime" || fallo "$mime no define application/x-zuzidaduve"
grep -q '<glob pattern="\*.zzc"/>' "$mime" || fallo "$mime no asocia *.zzc"
if command -v update-mime-database >/dev/null; then
    update-mime-database "$destino/share/mime" >/dev/null 2>&1 || fallo "update-mime-database rechaza $mime"
    grep -q "application/x-zuzidaduve:\*.zzc" "$destino/share/mime/globs" 2>/dev/null ||
        fallo "la base de tipos no asocia *.zzc con application/x-zuzidaduve"
fi
[ -x "$destino/bin/zuzidaduve" ] || fallo "falta el programa en bin/"
grep -qx "Icon=$id" "$escritorio" || fallo "la entrada del menú no usa el icono $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fallo "la metainfo no lanza $id.desktop"
grep -q "<release version=\"$version\" date=\"$fecha\"" "$metainfo" ||
    fallo "la metainfo no publica la versión $version del $fecha"

iconos="$destino/share/icons/hicolor"
[ -s "$iconos/scalable/apps/$id.svg" ] || fallo "falta el icono SVG"
for lado in 16 22 24 32 48 64 128 256; do
    png="$iconos/${lado}x${lado}/apps/$id.png"
    file "$png" 2>/dev/null | grep -q "PNG image data, $lado x $lado," || fallo "falta el icono PNG de $lado x $lado"
done

# Without any display, platform or session: these must not need them.
sin_pantalla=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR "$destino/bin/zuzidaduve")
salida="$(timeout 10 "${sin_pantalla[@]}" --version)" || fallo "--version no termina con 0"
[ "$salida" = "Zelvar Zuzidaduve $version" ] || fallo "--version dice \"$salida\", no \"Zelvar Zuzidaduve $version\""
salida="$(timeout 10 "${sin_pantalla[@]}" --help)" || fallo "--help no termina con 0"
grep -q -- "--version" <<<"$salida" || fallo "--help no explica --version"
estado=0
salida="$(timeout 10 "${sin_pantalla[@]}" --no-existe 2>"$destino/errores")" || estado=$?
[ "$estado" -eq 2 ] || fallo "una opción desconocida termina con $estado, no con 2"
[ -z "$salida" ] || fallo "una opción desconocida escribe en la salida normal"
grep -q "opción desconocida \"--no-existe\"" "$destino/errores" || fallo "una opción desconocida no lo dice"

[ "$fallos" -eq 0 ] || exit 1
echo "Instalación comprobada en $destino"
