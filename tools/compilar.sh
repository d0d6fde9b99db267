#!/usr/bin/env bash
# Configures into build/ (once) and builds incrementally; with arguments,
# builds only those targets. Builds are serialised with a lock so that
# several shells can share one build folder.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$raiz"
objetivos=()
for t in "$@"; do objetivos+=(--target "$t"); done
exec 9>"$raiz/.compilacion.lock"
flock 9
if [ ! -f build/CMakeCache.txt ]; then
  lanzador=()
  # A compiler cache, where the machine has one, makes rebuilds of other
  # checkouts of the same sources cheap.
  command -v ccache >/dev/null && lanzador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # ZZ_WERROR=ON in the environment (CI sets it) makes warnings errors.
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZZ_WERROR="${ZZ_WERROR:-OFF}" "${lanzador[@]}"
fi
cmake --build build -j"$(nproc)" "${objetivos[@]}"
