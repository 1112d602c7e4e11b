#!/usr/bin/env bash
# Configures (when needed) and builds everything into build/; the program folder is build/bin/.
# TARSEL_WERROR=ON builds with warnings as errors (CI), OFF without; the build folder is configured again
# when it is set and differs from the setting the folder has. Unset, the folder keeps its setting.
set -euo pipefail
RAIZ="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${TARSEL_BUILD:-$RAIZ/build}"
case "${TARSEL_WERROR:-}" in
  "") ESTRITO="" ;;
  ON | on | 1 | YES | yes | TRUE | true) ESTRITO=ON ;;
  OFF | off | 0 | NO | no | FALSE | false) ESTRITO=OFF ;;
  *)
    echo "TARSEL_WERROR must be ON or OFF, not '$TARSEL_WERROR'" >&2
    exit 2
    ;;
esac
ATUAL=""
if [ -f "$BUILD/CMakeCache.txt" ]; then
  ATUAL="$(sed -n 's/^CMAKE_COMPILE_WARNING_AS_ERROR:[A-Z]*=//p' "$BUILD/CMakeCache.txt")"
fi
if [ ! -f "$BUILD/build.ninja" ] || { [ -n "$ESTRITO" ] && [ "$ATUAL" != "$ESTRITO" ]; }; then
  cmake -S "$RAIZ" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_COMPILE_WARNING_AS_ERROR="${ESTRITO:-${ATUAL:-OFF}}"
fi
cmake --build "$BUILD" -j "$(nproc)"
