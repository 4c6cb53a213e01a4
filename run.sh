#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "There is no display to show the game on; to try it on a virtual one, run:" >&2
    echo "  xvfb-run -a -s '-screen 0 1024x768x24' build/default/src/kaludnik" >&2
    exit 1
fi
exec build/default/src/kaludnik
