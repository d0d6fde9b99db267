#!/usr/bin/env bash
# Installs the Debian packages that building, testing and looking at the
# program need, skipping what is already there.
set -euo pipefail

paquetes=(
  build-essential cmake pkg-config
  # Qt Charts needs the OpenGL module's CMake files, which its package does not pull in.
  qt6-base-dev qt6-charts-dev libqt6charts6 libqt6opengl6-dev qt6-translations-l10n libgl-dev
  libbenchmark-dev
  fonts-liberation2
  xvfb xauth xdotool imagemagick poppler-utils openbox xclip x11-utils
  python3-pyatspi at-spi2-core dbus dbus-x11
  desktop-file-utils appstream librsvg2-bin dpkg-dev fakeroot file
)

faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltan+=("$p")
done
[ ${#faltan[@]} -eq 0 ] && exit 0

sudo_si_hace_falta=()
[ "$(id -u)" -ne 0 ] && sudo_si_hace_falta=(sudo)
echo "Instalando: ${faltan[*]}"
"${sudo_si_hace_falta[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_si_hace_falta[@]}" \
  apt-get install -y -q --no-install-recommends "${faltan[@]}"
