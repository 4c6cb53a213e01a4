#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# Runs a command on a virtual X server of its own, as xvfb-run does, on a display that the
# server picks free itself (-displayfd): two runs at once on one machine never share one.
# usage: with-x-server.sh "<Xvfb options>" <command…>
set -euo pipefail
options=$1
shift
told=$(mktemp)
# shellcheck disable=SC2086 # the options are separate words
# -noreset: a server that resets when its last client leaves drops a client that connects in
# that moment (a program started just after another ended), and forgets its keyboard layout.
Xvfb -displayfd 3 -nolisten tcp -noreset $options 3>"$told" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$told"' EXIT
# The server writes its display's number once it takes clients.
for _ in $(seq 600); do
    [ -s "$told" ] || ! kill -0 "$server" 2>/dev/null && break
    sleep 0.05
done
if [ ! -s "$told" ]; then
    echo "with-x-server.sh: Xvfb did not start" >&2
    exit 1
fi
DISPLAY=:$(cat "$told") "$@"
