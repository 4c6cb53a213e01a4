#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# The program as a native client of a real Wayland compositor (weston, headless), watched
# through the protocol that WAYLAND_DEBUG prints. The compositor takes no input, so a game is
# played as a screen reader user would, through the accessibility bus (atspi.py).
# usage: wayland.sh <path to kaludnik> <its desktop entry>
set -euo pipefail

export LC_ALL=C.UTF-8 LANG=C.UTF-8
# A session bus of the test's own, gone when the test ends.
if [ -z "${KALUDNIK_WAYLAND_INNER:-}" ]; then
    export KALUDNIK_WAYLAND_INNER=1
    exec dbus-run-session -- "$0" "$@"
fi
program=$(readlink -f "$1")
# Compositors match a window to its desktop entry by the entry's name.
app_id=$(basename "$2" .desktop)
atspi=$(dirname "$(readlink -f "$0")")/atspi.py
. "$(dirname "$0")/common.sh"

# The accessibility bus and its registry, started here rather than on demand so that both stop
# with the test.
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
check "the accessibility bus is up" wait_for 30 test -S "$XDG_RUNTIME_DIR/at-spi/bus"
/usr/libexec/at-spi2-registryd >"$work/registry" &
pids+=($!)
check "its registry is up" wait_for 30 grep -q running "$work/registry"

socket=kaludnik-test
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    --log="$work/weston.log" &
pids+=($!)
check "weston is up" wait_for 30 test -S "$XDG_RUNTIME_DIR/$socket"

protocol=$work/protocol
# No sound server here: the game over rings the bell, and writes nothing to stderr. In the
# sanitizer build, Qt's Wayland plug-in leaves allocations of libwayland and of a module it
# unloads to the end of the process, which the leak check would blame on the game.
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 LANGUAGE=en \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
    "$program" 2>"$protocol" &
pid=$!
pids+=("$pid")

sent() { grep -q -- "-> $1" "$protocol"; }
check "announces the app id $app_id" wait_for 30 sent "xdg_toplevel@[0-9]*\.set_app_id(\"$app_id\")"
check "shows the main window with its title" wait_for 30 sent 'xdg_toplevel@[0-9]*\.set_title("Ka ludnik")'
check "the compositor configures it" wait_for 30 grep -q 'xdg_toplevel@[0-9]*\.configure(' "$protocol"
check "draws it" wait_for 30 sent 'wl_surface@[0-9]*\.attach(wl_buffer@'

# A game, started and left alone until every cell has died.
check "the new-game command is pressed" "$atspi" press "$pid" "New Game" 60
check "no game-over label while the game runs" not "$atspi" showing "$pid" "Game Over" 0
# Ten seconds of play at the least; a busy machine may take longer.
check "the game-over label shows" "$atspi" showing "$pid" "Game Over" 90
# Help opens only when no game runs; its window is a child of the main window's toplevel.
main=$(sed -n 's/.*-> \(xdg_toplevel@[0-9]*\)\.set_min_size(574, 367).*/\1/p' "$protocol" | head -n 1)
check "the help command is pressed" "$atspi" press "$pid" "Help" 60
check "the help window's toplevel has $main for parent" \
    wait_for 30 sent "xdg_toplevel@[0-9]*\.set_parent($main)"
# Its rules are drawn five times, for their dark rim, and read once.
rules="Click each of the 9 buttons to prevent them counting down to zero.  When you reach zero, \
it's game over and you have to start again."
readings=$("$atspi" count "$pid" "$rules" 60 || true)
check "a screen reader finds the rules once (found ${readings:-none})" test "$readings" = 1

kill -TERM "$pid"
ended "$pid" && status=0 || status=$?
# Ended as its quit command ends it, not by the signal itself nor by a crash on the way out.
check "ends on SIGTERM as on quit (status $status)" test "$status" -eq 0
# Every line the program wrote that is not protocol is a warning of Qt's or the program's.
grep -v '^\[ *[0-9]*\.[0-9]*\] ' "$protocol" >"$work/warnings" || true
check "no warnings: $(head -c 400 "$work/warnings")" test ! -s "$work/warnings"

summary
