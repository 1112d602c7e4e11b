#!/usr/bin/env bash
# Configures (once) and builds everything into build/; the program folder is build/bin/.
set -euo pipefail
RAIZ="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${TARSEL_BUILD:-$RAIZ/build}"
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S "$RAIZ" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD" -j "$(nproc)"
