#!/usr/bin/env bash
# Installs the Debian packages Ruotario needs, skipping apt-get when all are present.
set -euo pipefail

pacchetti=(cmake make g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  fonts-liberation xvfb xauth poppler-utils clang-format desktop-file-utils dpkg-dev clang
  qt6-charts-dev libqt6opengl6-dev qt6-svg-dev qt6-translations-l10n libc-l10n libcurl4-openssl-dev libzip-dev libsqlite3-dev)

mancanti=()
for p in "${pacchetti[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    mancanti+=("$p")
  fi
done
[ ${#mancanti[@]} -eq 0 ] && exit 0

echo "Installing: ${mancanti[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
