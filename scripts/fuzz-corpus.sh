#!/usr/bin/env bash
# Writes the seed corpus of the fuzz targets (fuzz/corpus/<target>/) from the simulator's answers:
# each file is one answer exactly as the phone sends it (echo, answer, prompt), one per board.
# Usage: scripts/fuzz-corpus.sh [path/to/tarsel-sim]   (default: build/sim/tarsel-sim)
set -euo pipefail
RAIZ="$(cd "$(dirname "$0")/.." && pwd)"
SIM="${1:-$RAIZ/build/sim/tarsel-sim}"
CORPUS="$RAIZ/fuzz/corpus"
MODELOS=$("$SIM" --familias | cut -f2)

# answer <target> <command>...: every command's answer on every board into the target's corpus.
resposta() {
  local alvo="$1"
  shift
  mkdir -p "$CORPUS/$alvo"
  local comando modelo nome
  for comando in "$@"; do
    for modelo in $MODELOS; do
      nome="$(printf '%s' "$comando" | tr -c 'A-Za-z0-9' '_')-$modelo"
      "$SIM" --semente 1 --modelo "$modelo" --responde "$comando" > "$CORPUS/$alvo/$nome"
    done
  done
}

resposta fuzz_rails_pmu "pmuadc --read all"
resposta fuzz_rails_buckldo "pmuadc --read all"
resposta fuzz_rails_vcore "pmuadc --read all"
resposta fuzz_buckteste "buck" "buckcheck 5" "buckcheck 30"
resposta fuzz_identificacao "syscfg print RMd#"
resposta fuzz_chips "pmuadc --read all" "pmuadc --sel tigris --read all" "pmuadc --sel chestnut --read all"
resposta fuzz_ic "tristar -p" "tristar --read dx1 --read dx2 --read acc1 --read acc2 --read idx --read vdx"
resposta fuzz_i2c "i2c -s 0" "i2c -s 1" "i2c -s 2" "i2c -s 3" "i2c -s 4"
resposta fuzz_nand "nandsize" "nanduid" "nand --getinfo"
resposta fuzz_rf "baseband --on" "bluetooth --on" "wifi --on" "gps --on" "stockholm --on"
resposta fuzz_bateria "device  --key GasGauge -p" "battery --properties"
resposta fuzz_codec "audio --resetblock codec" "testmemory"

# Texts no phone answer gives whole: value texts, the field of the display test, server pages.
mkdir -p "$CORPUS/fuzz_valores" "$CORPUS/fuzz_display" "$CORPUS/fuzz_servidor"
n=0
for v in "5012.34" "1050.0" "-3.5" "12,3" " 0.0 " "1e3" "0" "" "abc" "99999999999999999999"; do
  printf '%s' "$v" > "$CORPUS/fuzz_valores/v$n"
  n=$((n + 1))
done
printf '%s\0%s' "1.18" "1.20" > "$CORPUS/fuzz_valores/desvio"
printf '%s\0%s' "5" "0" > "$CORPUS/fuzz_valores/desvio-zero"
printf 'Voltrace_Tarsel' > "$CORPUS/fuzz_display/padrao"
printf 'Bancada 3 – ção' > "$CORPUS/fuzz_display/acentos"
printf '[i]1[/i][pg_u]https://www.voltracetarsel.com.br/baixa[/pg_u][pg_m][/pg_m]' > "$CORPUS/fuzz_servidor/versao"
printf '[i]3[/i][pg_m]manutencao.html[/pg_m]' > "$CORPUS/fuzz_servidor/manutencao"
printf '[BR]\r\nAviso em português\r\n[/BR][EN]\r\nNotice[/EN][ES]\r\nAviso[/ES]' > "$CORPUS/fuzz_servidor/aviso"
printf '[PG1]https://a.example/x.pdf[/PG1][PG53]S[/PG53][PG12]N[/PG12]' > "$CORPUS/fuzz_servidor/links"
printf '404 Not Found' > "$CORPUS/fuzz_servidor/404"
echo "corpus written to $CORPUS"
