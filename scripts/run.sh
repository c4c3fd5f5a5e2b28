#!/usr/bin/env bash
# Installs what is missing, builds and starts Velmora.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Velmora needs a graphical display, and none is available here (DISPLAY is not set)." >&2
    exit 1
fi
# A start folder without settings of its own ("Velmora.ini") gets the sample
# association, made on first use in the user's data folder, where it keeps its
# own settings too.
if [ -f Velmora.ini ]; then
    exec ./build/velmora
fi
exec ./build/velmora --exemple
