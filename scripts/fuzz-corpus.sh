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
# The report builders: "key=value" lines, the same lines read as rail rows (tab-separated fields).
mkdir -p "$CORPUS/fuzz_relatorio"
printf 'L1=1.802 V\nR1=1.800 V\nO1=0.1 %%\nI1=1\nP1=3. PP1V8_SDRAM\nDATA=05/06/2024\nIDIOMA=2\nMODELO=IP 7\nEMP=Oficina & Cia' \
  > "$CORPUS/fuzz_relatorio/pares-rail"
printf 'M1=PP6V0_DISPLAY_BOOST\nL1=6.02 V\nR1=6.0 V\nP1=0.3 %%\nI1=1\nM2=PP_VDD_MAIN\nL2=3.80 V   (12 mA)\nR2=-\nP2=-\nI2=3\nIDIOMA=3' \
  > "$CORPUS/fuzz_relatorio/pares-chip"
printf '3. PP1V8_SDRAM\t1.802 V\t1.800 V\t0.1 %%\t1.800\nPP3V3_ACC\t2.901 V\t3.300 V\t-12.1 %%\t3.300\nPP_VDD_MAIN\t3.812 V\t\t\t\n12. PP_CPU\tSem Medição*\t0.9 V\t\t0.900\nPP_X\t12,3 mA\t\t\t\nZé & Cia = 50%% #1' \
  > "$CORPUS/fuzz_relatorio/linhas-rail"
printf 'L99999999999=x\nL0=y\nP1=\nA1=1\nIDIOMA=257\n../../x/y' > "$CORPUS/fuzz_relatorio/chaves-estranhas"

# The import of User.tsl: small databases (named without .tsl, which git leaves out as build output) (512-byte pages) of the tables it reads, whole, partial and bent.
if command -v sqlite3 > /dev/null; then
  IMP="$CORPUS/fuzz_importacao"
  mkdir -p "$IMP"
  rm -f "$IMP"/usuario-*
  TABELAS="pragma page_size = 512;
    create table Master (Modelo text collate nocase, TIPO integer, Malha text collate nocase, G1 text, G2 text, G3 text);
    create table Dados (Aparelho text collate nocase, Comando text collate nocase, Dados text, Info text, Info2 text, Info3 text);
    create table Comandos (Comando text collate nocase, Info text, Info2 text, Info3 text);
    create table Combos (Combo1 text, Combo2 text, Combo3 text, Combo4 text, Combo5 text, Combo6 text, Combo7 text, Combo8 text, Combo9 text, Combo10 text);"
  sqlite3 "$IMP/usuario-completo" "$TABELAS
    insert into Master values ('IP 7', 2, 'PP1V8', '1.801', '1.799', '1.802'), ('IP X', 0, 'pp_cpu', '0.9', '', NULL);
    insert into Dados values ('IP 7', 'help', 'answer' || char(13) || char(10) || 'xxxxx®', 'n1', 'n2', 'n3'), ('IP 7', 'novo', 'z', '', '', '');
    insert into Comandos values ('help', 'a', 'b', 'c'), ('syscfg print', 'x', 'y', 'z');
    insert into Combos values ('1', '2', '3', '4', '5', '6', '7', '8', '9', '10');"
  sqlite3 "$IMP/usuario-vazio" "$TABELAS"
  sqlite3 "$IMP/usuario-so-dados" "pragma page_size = 512;
    create table Dados (Aparelho text, Comando text, Dados text, Info text, Info2 text, Info3 text);
    insert into Dados values ('IP 6''s', 'it''s', x'00ff41', 3, 2.5, NULL);"
  sqlite3 "$IMP/usuario-coluna-faltando" "pragma page_size = 512;
    create table Master (Modelo text, Malha text, G1 text, G2 text);
    insert into Master values ('IP 7', 'PP1V8', '1', '2');
    create table Comandos (Comando text, Info text, Info2 text, Info3 text);
    insert into Comandos values ('nova', '', '', '');"
  sqlite3 "$IMP/usuario-outra-coisa" "pragma page_size = 512; create table Outra (x text); insert into Outra values ('1');"
  printf 'SQLite format 3\0not really a database' > "$IMP/usuario-cabecalho"
else
  echo "sqlite3 not found: the seeds of fuzz_importacao are left as they are"
fi
echo "corpus written to $CORPUS"
