#!/usr/bin/env bash
# Configures into build/ (once) and builds incrementally.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$raiz"
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build build -j"$(nproc)"
