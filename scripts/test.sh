#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
RAIZ="$(cd "$(dirname "$0")/.." && pwd)"
"$RAIZ/scripts/setup.sh"
"$RAIZ/scripts/build.sh"
BUILD="${TARSEL_BUILD:-$RAIZ/build}"
ctest --test-dir "$BUILD" --output-on-failure -j 2 "$@"
