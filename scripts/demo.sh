#!/usr/bin/env bash
# Installs what is missing, builds, starts the simulated BOX and phone on COM3 of the program folder and
# the stand-in product server on loopback (the program's server address points at it while the demo
# runs), and runs the program. Without a display the program runs on a virtual one (Xvfb :77).
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
encerra() {
  kill "$SIM" 2>/dev/null || true
  [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null || true
  if [ -n "$SERVIDOR" ]; then
    kill "$SERVIDOR" 2>/dev/null || true
    # Back to the product's server, as installed.
    "$BUILD/tools/tarsel-banco" --servidor "$PASTA/Config.tsl" "https://www.voltracetarsel.com.br/" || true
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

# Start-up asks the product server: the stand-in answers on loopback.
"$BUILD/server/tarsel-server" --porta 0 > "$BUILD/servidor.log" 2>&1 &
SERVIDOR=$!
BASE=""
for _ in $(seq 50); do
  BASE="$(sed -n 's/^READY \(http[^ ]*\).*/\1/p' "$BUILD/servidor.log" | head -n 1)"
  [ -n "$BASE" ] && break
  kill -0 "$SERVIDOR" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$BASE" ]; then
  echo "The stand-in server did not start; its log ($BUILD/servidor.log):" >&2
  sed 's/^/  /' "$BUILD/servidor.log" >&2 || true
  exit 1
fi
"$BUILD/tools/tarsel-banco" --servidor "$PASTA/Config.tsl" "$BASE"
echo "Stand-in product server at $BASE"

if [ -z "${DISPLAY:-}" ]; then
  Xvfb :77 -screen 0 1600x1000x24 >/dev/null 2>&1 &
  XVFB=$!
  export DISPLAY=:77
  sleep 1
  echo "No display: the program runs on the virtual display :77 (see it with a VNC viewer or take a screenshot: DISPLAY=:77 import -window root shot.png)."
fi
"$PASTA/voltrace-tarsel"
