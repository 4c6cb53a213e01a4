#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh play
cmake --preset default
cmake --build --preset default -j "$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Built build/default/src/kaludnik; there is no display to show it on here." >&2
    echo "Start it from a desktop session (DISPLAY or WAYLAND_DISPLAY set)." >&2
    exit 1
fi
exec build/default/src/kaludnik
