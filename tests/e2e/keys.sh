#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# The keys that play the grid, chosen by their place on the keyboard: through a real X server
# with a US, a Czech and a French layout, and through a real Wayland compositor (weston, nested
# in that X server) with the Czech one. Keys are sent by their key codes, as the keyboard's keys
# send them; the game is watched through the accessibility bus, as a screen reader would.
# usage: keys.sh <path to kaludnik>
set -euo pipefail

export LC_ALL=C.UTF-8 LANG=C.UTF-8
if [ -z "${KALUDNIK_KEYS_INNER:-}" ]; then
    export KALUDNIK_KEYS_INNER=1
    exec dbus-run-session -- "$(dirname "$0")/with-x-server.sh" "-screen 0 1024x768x24" "$0" "$@"
fi
program=$(readlink -f "$1")
atspi=$(dirname "$(readlink -f "$0")")/atspi.py
. "$(dirname "$0")/common.sh"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
# Under X the bus's address is a property of the root window.
bus_up() { xprop -root AT_SPI_BUS 2>/dev/null | grep -q 'unix:'; }
check "the accessibility bus is up" wait_for 30 bus_up
/usr/libexec/at-spi2-registryd >"$work/registry" &
pids+=($!)
check "its registry is up" wait_for 30 grep -q running "$work/registry"

# X key codes (evdev codes + 8): the same keys whatever the layout types on them.
keypad7=79 keypad9=81 keypad5=84 keypad1=87 numLock=77
topLeft=24 topRight=26 bottomLeft=52 bottomMiddle=53 # Q, E, Z, X on a US keyboard
# Five cells clicked, 50 points, only if every key plays its place: a key that played by its
# letter would miss on a BÉPO keyboard, and its p would pause the game. Num Lock is off. The last
# key plays the bottom middle cell, which none before it does.
sequence=("$keypad9" "$bottomLeft" "$topLeft" "$keypad7" "$topRight" "$keypad9" "$bottomMiddle")

start() { # start <environment…>: the program, and a new game pressed through the bus
    env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANGUAGE=en "$@" "$program" 2>>"$work/stderr" &
    pid=$!
    pids+=("$pid")
    check "a new game is pressed through the bus" "$atspi" press "$pid" "New Game" 60
}
stop() {
    kill "$pid" 2>/dev/null || true
    ended "$pid" 2>/dev/null || true
}
# Sends the keys, the last of which plays the cell named <last cell>: a key takes the keyboard
# focus to the cell it plays, so once that cell has it, every key before has been handled.
# Prints the score then.
score_after() { # score_after <last cell> <key code…>
    local last=$1
    shift
    xdotool key --delay 20 "$@"
    "$atspi" focused "$pid" "$last" 60 >/dev/null
    "$atspi" description "$pid" "Score" 10
}
# The game's window, found while its title is whole (a new game types it out again), put under
# the pointer (keys go where the pointer is when no window manager gives the focus) and clicked
# on its bare background, which makes it the active window, as a window manager would.
point_at_game() { # sets $game
    game=$(timeout 30 xdotool search --sync --onlyvisible --name '^Ka ludnik$' | head -n 1)
    xdotool mousemove --window "$game" 100 100 click 1
}

xset r rate 200 50 # a held key repeats soon and often

# The French BÉPO layout types p on the key where a US keyboard has E: the grid's key there wins
# over the pause's P.
setxkbmap -layout fr -variant bepo
start QT_QPA_PLATFORM=xcb
point_at_game
score=$(score_after "Row 3, column 2" "${sequence[@]}")
check "X11, BÉPO layout: keypad and letter keys by place (score $score, 50 expected)" \
    test "$score" = 50
stop

# Num Lock off and on, and a held key: X below the middle of the grid, held while the mouse
# clicks another cell; its repeats after that click must not click again. Keypad 1 comes last.
setxkbmap -layout cz
start QT_QPA_PLATFORM=xcb
point_at_game
xdotool key "$keypad5" "$numLock" "$keypad7"
xdotool keydown "$bottomMiddle"
xdotool mousemove --window "$game" 536 40 click 1 mousemove --window "$game" 100 100 # cell 2
sleep 1 # about forty repeats at the rate set above
xdotool keyup "$bottomMiddle"
score=$(score_after "Row 3, column 1" "$keypad1")
check "X11: Num Lock off and on, and a held key clicks once (score $score, 50 expected)" \
    test "$score" = 50
stop

# Wayland: weston in a window of the X server, whose layout it takes.
setxkbmap -layout cz
printf '[core]\nshell=kiosk-shell.so\n' >"$work/weston.ini"
socket=kaludnik-keys
weston --config="$work/weston.ini" --backend=x11-backend.so --socket="$socket" \
    --width=1024 --height=768 --log="$work/weston.log" &
pids+=($!)
check "weston is up" wait_for 30 test -S "$XDG_RUNTIME_DIR/$socket"
weston_window=$(timeout 30 xdotool search --sync --onlyvisible --class weston | head -n 1)
xdotool mousemove --window "$weston_window" 512 384
# Not leaks of the game's (wayland.sh says whose).
start QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket" ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
score=$(score_after "Row 3, column 2" "${sequence[@]}")
check "Wayland, cz layout: keypad and letter keys by place (score $score, 50 expected)" \
    test "$score" = 50
stop

check "the program wrote no warnings: $(head -c 300 "$work/stderr")" test ! -s "$work/stderr"
summary
