#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need; does nothing when all are there.
set -euo pipefail

PACOTES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev libqt6sql6-sqlite
  qt6-httpserver-dev qt6-websockets-dev
  xvfb xauth xdg-utils fonts-dejavu-core
  chromium # renders the report pages headless in the tests (screenshot and PDF)
  poppler-utils # pdftotext: the tests read back the text of the documents the build writes
  librsvg2-bin # the icon's PNG sizes, made from its SVG at build time
  appstream desktop-file-utils # validate the metainfo and the menu entry (test)
  dpkg-dev file # cpack -G DEB: dependencies from the linked libraries
)

faltam=()
for p in "${PACOTES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltam+=("$p")
  fi
done

if [ ${#faltam[@]} -gt 0 ]; then
  echo "Installing: ${faltam[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  # sudo resets the environment: the variable goes on the command line, through env.
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${faltam[@]}"
fi
