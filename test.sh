#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
tools/instalar_dependencias.sh
# The folders of src/ include one another only downwards.
python3 tools/comprobar_capas.py
tools/compilar.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
