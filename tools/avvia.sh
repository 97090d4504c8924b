#!/usr/bin/env bash
# Installs what is missing, builds Ruotario and starts it on the archive beside it
# (the generated sample archive unless a real one was put there).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/dipendenze.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target ruotario ruotario-cli ruotario_data

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Ruotario on a virtual display (xvfb-run)."
  exec xvfb-run -a build/bin/ruotario "$@"
fi
exec build/bin/ruotario "$@"
