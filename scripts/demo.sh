#!/usr/bin/env bash
# Installs what is missing, builds, starts the simulated BOX and phone on COM3 of the program folder and
# the stand-in product server on 127.0.0.1:8077 (another free port when that one is taken), points the
# program folder's Config.tsl at that server (and back at the product's when the demo ends), and runs the
# program. Without a display the program runs on a virtual one (Xvfb :77).
set -euo pipefail
RAIZ="$(cd "$(dirname "$0")/.." && pwd)"
"$RAIZ/scripts/setup.sh"
"$RAIZ/scripts/build.sh"
BUILD="${TARSEL_BUILD:-$RAIZ/build}"
PASTA="$BUILD/bin"
MODELO="${1:-A1778}"
shift || true # the rest goes to the simulator (e.g. --falha placa-defeituosa)

"$BUILD/sim/tarsel-sim" --pasta "$PASTA" --porta 3 --modelo "$MODELO" "$@" > "$BUILD/sim.log" 2>&1 &
SIM=$!
XVFB=""
SERVIDOR=""
APONTADO=""
encerra() {
  kill "$SIM" 2>/dev/null || true
  [ -n "$SERVIDOR" ] && kill "$SERVIDOR" 2>/dev/null || true
  [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null || true
  # Back to the product's servers, as installed: the program folder must not keep a dead address.
  if [ -n "$APONTADO" ]; then
    "$BUILD/tools/tarsel-banco" --aponta "$PASTA/Config.tsl" https://www.voltracetarsel.com.br/ \
      https://relatorio.voltracetarsel.com.br/ || true
  fi
}
trap encerra EXIT
# The simulator says READY once its port is linked; without it the program would find no phone.
pronto=0
for _ in $(seq 50); do
  if grep -q READY "$BUILD/sim.log"; then pronto=1; break; fi
  kill -0 "$SIM" 2>/dev/null || break # it ended: no point in waiting
  sleep 0.1
done
if [ "$pronto" -ne 1 ]; then
  if kill -0 "$SIM" 2>/dev/null; then
    echo "The simulator did not become ready within 5 s." >&2
  else
    wait "$SIM" && estado=0 || estado=$?
    echo "The simulator ended before it was ready (exit $estado)." >&2
  fi
  echo "Its log ($BUILD/sim.log):" >&2
  if [ -s "$BUILD/sim.log" ]; then sed 's/^/  /' "$BUILD/sim.log" >&2; else echo "  (empty)" >&2; fi
  exit 1
fi
echo "Simulated phone $MODELO on COM3 ($(cat "$BUILD/sim.log"))"

# The stand-in server answers the version check, the notices, the link page and the report pages.
inicia_servidor() {
  "$BUILD/server/tarsel-server" --porta "$1" --registro > "$BUILD/server.log" 2>&1 &
  SERVIDOR=$!
  for _ in $(seq 50); do
    if grep -q '^READY ' "$BUILD/server.log"; then return 0; fi
    kill -0 "$SERVIDOR" 2>/dev/null || break
    sleep 0.1
  done
  kill "$SERVIDOR" 2>/dev/null || true
  SERVIDOR=""
  return 1
}
if ! inicia_servidor 8077 && ! inicia_servidor 0; then
  echo "The stand-in server did not start. Its log ($BUILD/server.log):" >&2
  sed 's/^/  /' "$BUILD/server.log" >&2
  exit 1
fi
ENDERECO="$(sed -n 's/^READY //p' "$BUILD/server.log")"
APONTADO=1
"$BUILD/tools/tarsel-banco" --aponta "$PASTA/Config.tsl" "$ENDERECO"
echo "Stand-in server at $ENDERECO (Config.tsl of $PASTA points at it while the demo runs)"

if [ -z "${DISPLAY:-}" ]; then
  Xvfb :77 -screen 0 1600x1000x24 >/dev/null 2>&1 &
  XVFB=$!
  export DISPLAY=:77
  sleep 1
  echo "No display: the program runs on the virtual display :77 (see it with a VNC viewer or take a screenshot: DISPLAY=:77 import -window root shot.png)."
fi
"$PASTA/voltrace-tarsel"
