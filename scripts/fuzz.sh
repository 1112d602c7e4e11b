#!/usr/bin/env bash
# Builds the fuzz targets of the parsers with clang (libFuzzer, ASan, UBSan) into build-fuzz/ and runs
# each for a while, seeded with fuzz/corpus/<target>/. Prints per target: runs, runs a second, coverage,
# crashes.
# Usage: scripts/fuzz.sh [seconds per target, default 5; 0 = no time limit] [target...]   (default: every target)
# Env: TARSEL_FUZZ_RUNS (stop a target after that many runs, e.g. 1000000; the seconds stay a limit),
#      TARSEL_FUZZ_BUILD (build folder), TARSEL_FUZZ_JOBS (parallel compiles, default 2),
#      TARSEL_FUZZ_SEM_INSTALAR=1 (never install clang: give up quietly when it is missing, as CI does).
# Exit status: 0 when no target crashed, 1 when one did (its input is kept under the work folder).
set -euo pipefail
RAIZ="$(cd "$(dirname "$0")/.." && pwd)"
SEGUNDOS="${1:-5}"
shift || true
BUILD="${TARSEL_FUZZ_BUILD:-$RAIZ/build-fuzz}"
TRABALHO="$BUILD/fuzz-trabalho"

# libFuzzer comes with clang's runtime (libclang-rt-14-dev on Debian 12, pulled in by clang).
if ! command -v clang++ > /dev/null; then
  if [ "${TARSEL_FUZZ_SEM_INSTALAR:-0}" = 1 ]; then
    echo "clang++ not found: fuzz targets skipped"
    exit 0
  fi
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get install -y --no-install-recommends clang libclang-rt-dev || $SUDO apt-get install -y clang
fi

if [ ! -f "$BUILD/build.ninja" ]; then
  CXX=clang++ cmake -S "$RAIZ" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARSEL_FUZZ=ON \
    ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} > /dev/null
fi
nice cmake --build "$BUILD" -j "${TARSEL_FUZZ_JOBS:-2}" --target fuzz

if [ $# -gt 0 ]; then
  ALVOS=("$@")
else
  mapfile -t ALVOS < <(find "$BUILD/fuzz" -maxdepth 1 -type f -executable -name 'fuzz_*' -printf '%f\n' | sort)
fi

# The longest input per target: a few times the longest real answer or page of its corpus. Longer inputs
# only repeat what a real answer holds and cost time on every run.
tamanho_maximo() {
  case "$1" in
    fuzz_valores) echo 128 ;;
    fuzz_display) echo 256 ;;
    fuzz_identificacao | fuzz_i2c) echo 512 ;;
    fuzz_rf | fuzz_nand | fuzz_bateria | fuzz_codec | fuzz_relatorio) echo 1024 ;;
    fuzz_ic) echo 1536 ;;
    fuzz_buckteste | fuzz_servidor) echo 2048 ;;
    fuzz_rails_* | fuzz_chips) echo 4096 ;;
    fuzz_importacao) echo 16384 ;;
    *) echo 4096 ;;
  esac
}

export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
FALHAS=0
printf '%-22s %12s %8s %8s %8s %8s %8s\n' target runs runs/s max_len cov ft crashes
for alvo in "${ALVOS[@]}"; do
  novo="$TRABALHO/$alvo/corpus"
  artefatos="$TRABALHO/$alvo/artefatos/"
  mkdir -p "$novo" "$artefatos" "$RAIZ/fuzz/corpus/$alvo"
  registro="$TRABALHO/$alvo/registro.txt"
  set +e
  # New inputs go to the work folder; the committed seeds are only read.
  limites=(-max_total_time="$SEGUNDOS")
  [ -n "${TARSEL_FUZZ_RUNS:-}" ] && limites+=(-runs="$TARSEL_FUZZ_RUNS")
  maximo=$(tamanho_maximo "$alvo")
  nice "$BUILD/fuzz/$alvo" "${limites[@]}" -max_len="$maximo" -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$artefatos" "$novo" "$RAIZ/fuzz/corpus/$alvo" > "$registro" 2>&1
  estado=$?
  set -e
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro" | tail -1)
  porSegundo=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$registro" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$registro" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$registro" | tail -1 | cut -d' ' -f2)
  crashes=$(find "$artefatos" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  if [ "$estado" -ne 0 ] && [ "$crashes" -eq 0 ]; then
    crashes="?"
  fi
  printf '%-22s %12s %8s %8s %8s %8s %8s\n' "$alvo" "${runs:-?}" "${porSegundo:-?}" "$maximo" "${cov:-?}" "${ft:-?}" "$crashes"
  if [ "$crashes" != 0 ]; then
    FALHAS=1
    echo "  log: $registro"
    find "$artefatos" -type f | sed 's/^/  input: /'
  fi
done
exit "$FALHAS"
