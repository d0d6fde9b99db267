#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
tools/instalar_dependencias.sh
tools/compilar.sh
exec build/zuzidaduve "$@"
