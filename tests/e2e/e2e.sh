#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# End-to-end: the real program on a virtual X server, watched and driven from outside.
# usage: e2e.sh <path to kaludnik>
set -euo pipefail

program=$(readlink -f "$1")
# Non-ASCII titles ("Nápověda") reach xdotool intact only under a UTF-8 locale.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
if [ -z "${KALUDNIK_E2E_INNER:-}" ]; then
    export KALUDNIK_E2E_INNER=1
    exec "$(dirname "$0")/with-x-server.sh" "-screen 0 1024x768x24" "$0" "$@"
fi

. "$(dirname "$0")/common.sh"

# A stand-in browser: records the addresses the program asks the desktop to open.
mkdir -p "$work/bin"
cat >"$work/bin/xdg-open" <<EOS
#!/bin/sh
echo "\$1" >>"$work/opened"
EOS
chmod +x "$work/bin/xdg-open"

# The visible window of <title>, once it shows; a search fails when a window goes while it looks
# (the program's own helper windows, a window manager's frames), and is tried again.
window_id() { # window_id <exact title>
    local id=""
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}

# No sound server runs here. libcanberra is pointed at the sound card, where ALSA would write
# its complaints to stderr at every game over: the program asks the sound server alone.
start() { # start <language>; sets $pid and $wid
    PATH="$work/bin:$PATH" LANGUAGE=$1 QT_QPA_PLATFORM=xcb CANBERRA_DRIVER=alsa \
        "$program" 2>>"$work/stderr" &
    pid=$!
    pids+=("$pid")
    wid=$(window_id "Ka ludnik")
}

stop() {
    kill "$pid" 2>/dev/null || true
    ended "$pid" 2>/dev/null || true
}

window_appears() { # window_appears <exact title>: shows now
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

grid_shot() {
    import -window "$wid" -crop 209x209+360+8 "$1" 2>/dev/null
}

differs_from() { # differs_from <before.png> <after.png>: takes a new shot and compares
    grid_shot "$2"
    [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != "0" ]
}

# Every title the window gets, each distinct one on a line of $work/titles in the order set: xprop
# is told of each change by the X server, so no frame is missed however busy the machine is. A
# blank title is written as an empty line.
spy_titles() {
    : >"$work/titles"
    xprop -spy -id "$wid" _NET_WM_NAME 2>/dev/null |
        sed -u -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p' |
        while IFS= read -r title; do
            [[ $title =~ ^[[:space:]]+$ ]] && title=""
            [ "${last-unset}" = "$title" ] || printf '%s\n' "$title"
            last=$title
        done >"$work/titles" &
    spy=$!
    pids+=("$spy")
    # Its first line is the title as it stands: from then on, every change is seen.
    check "the title's changes are watched" wait_for 30 test -s "$work/titles"
}
typed_out() { # typed_out: the typing since the spy began has come to its last frame
    grep -q -x -F "Ka ludni" "$work/titles" && tail -n 1 "$work/titles" | grep -q -x -F "Ka ludnik"
}

# --- The main window and the typed title, Czech ---
start cs
check "main window appears with its title" test -n "$wid"
geometry=$(xdotool getwindowgeometry "$wid" | sed -n 's/ *Geometry: //p')
check "client area is 574x367 (saw $geometry)" test "$geometry" = "574x367"

# The typing itself is the title animation's test: here, what X11 makes of its frames.
spy_titles
grid_shot "$work/before.png"
xdotool mousemove --window "$wid" 190 185 click 1
check "the new-game command changes the grid" wait_for 30 differs_from "$work/before.png" "$work/after.png"
check "the title is typed out again in Czech" wait_for 30 typed_out
check "its blank frame is blank on X11" grep -q -x '' "$work/titles"
check "the program's name never shows as the title" not grep -q -x -F kaludnik "$work/titles"
kill "$spy"

xdotool mousemove --window "$wid" 190 280 click 1
check "the quit command ends the program with status 0" timeout 30 bash -c "while kill -0 $pid 2>/dev/null; do sleep 0.05; done"
ended "$pid" && status=0 || status=$?
check "exit status 0 (saw $status)" test "$status" -eq 0

# --- The about window, transient for the main window; its link handed to the desktop ---
transient_for() { # transient_for <window>: the window it is transient for, in decimal
    local id
    id=$(xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
    [ -n "$id" ] && printf '%d\n' "$id"
}
dialog_checks() { # dialog_checks <title>: transient for the main window, closed by Escape
    local dialog owner
    dialog=$(window_id "$1")
    owner=$(transient_for "$dialog" || true)
    check "$1 is transient for the main window $wid (saw ${owner:-none})" test "$owner" = "$wid"
    # Closing drops the native window at once, so the key's release finds it gone.
    xdotool key --window "$dialog" Escape 2>/dev/null || true
    check "Escape closes $1" wait_for 30 not window_appears "$1"
}

start en
xdotool mousemove --window "$wid" 190 249 click 1
check "the about command opens About" wait_for 30 window_appears "About"
about=$(window_id About)
xdotool mousemove --window "$about" 70 80 click 1
check "the link asks the desktop to open its address" \
    timeout 30 bash -c "until grep -q '^https://' '$work/opened' 2>/dev/null; do sleep 0.05; done"
dialog_checks "About"
stop

# --- A game with points: stored at once, so that a SIGKILL straight after loses nothing ---
start en
xdotool mousemove --window "$wid" 190 185 click 1   # new game
xdotool mousemove --window "$wid" 392 40 click 1    # cell 0
xdotool mousemove --window "$wid" 464 40 click 1    # cell 1: 20 points
# Left alone, every cell dies within ten seconds; the score window opens with the result.
check "a game over with points opens the score window" wait_for 60 window_appears "Score"
kill -KILL "$pid"
check "the result, under the user's name, outlived the SIGKILL" \
    grep -Pzq '"name": "[^"]+",\s*"score": 20' "$XDG_DATA_HOME/kaludnik/scores.json"
stop
# Under an address-space limit (ulimit -v) a game plays, or the program says in one line that
# the limit is too low: it needs some 900 MB on two cores. A sanitizer's build cannot run under
# one.
if [ -z "${ASAN_OPTIONS:-}" ]; then
    (ulimit -v 1000000 && exec env LANGUAGE=en QT_QPA_PLATFORM=xcb CANBERRA_DRIVER=alsa "$program") \
        2>>"$work/stderr" &
    pid=$!
    pids+=("$pid")
    wid=$(window_id "Ka ludnik")
    xdotool mousemove --window "$wid" 190 185 click 1 mousemove --window "$wid" 392 40 click 1
    check "under ulimit -v 1000000, a game plays to its end" wait_for 60 window_appears "Score"
    # With no window manager the score window opens over the quit command: the end by signal.
    kill -TERM "$pid"
    ended "$pid" && status=0 || status=$?
    check "and the program ends with it (status $status)" test "$status" -eq 0
    status=0
    (ulimit -v 100000 && exec "$program") 2>"$work/err" || status=$?
    check "under ulimit -v 100000, one line that says so, and status 1 (saw $status)" \
        eval '[ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q "too little memory" "$work/err"'
fi
# With no sound server here, the game over rang the X bell, and nothing was written to stderr.
check "the program wrote no warnings: $(head -c 300 "$work/stderr")" test ! -s "$work/stderr"

# --- The X server dies while a result waits for the lock: the program says that it is not
# saved, and the table stays as it was, every row with its date ---
# Another copy of the game, saving: a live process holds the lock, kept young.
lock=$XDG_DATA_HOME/kaludnik/scores.json.lock
bash -c "while :; do touch '$lock'; sleep 0.2; done" &
holder=$!
pids+=("$holder")
printf '%s\nbash\n%s\n' "$holder" "$(uname -n)" >"$lock"
cp "$XDG_DATA_HOME/kaludnik/scores.json" "$work/table-before"
Xvfb -displayfd 4 -nolisten tcp 4>"$work/dying-display" 2>/dev/null &
dying=$!
pids+=("$dying")
check "a second X server starts, to be ended" wait_for 30 test -s "$work/dying-display"
outer=$DISPLAY
export DISPLAY=:$(cat "$work/dying-display")
start en
xdotool mousemove --window "$wid" 190 185 click 1 mousemove --window "$wid" 392 40 click 1
# Given up after the lock's wait, the result waits in memory, and the window says so.
check "a result waits while another copy holds the file" wait_for 60 window_appears "Score"
kill "$holder"
wait "$holder" 2>/dev/null || true
rm "$lock"
: >"$work/stderr"
kill "$dying"
ended "$pid" && status=0 || status=$?
check "the X server gone, the program ends (status $status)" test "$status" -eq 1
check "and says that the waiting result was not saved" \
    grep -q "^Ka ludnik: results of this run were not saved" "$work/stderr"
check "the table is as it was, every row with its date" \
    eval 'cmp -s "$work/table-before" "$XDG_DATA_HOME/kaludnik/scores.json" && grep -q "\"achieved\": \"20" "$work/table-before"'
export DISPLAY=$outer

# --- Under a window manager, another program takes the focus: the game pauses, and goes on
# when the player is back ---
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
check "openbox runs" wait_for 30 wm_up
start en
check "the game has the focus" wait_for 30 xdotool windowactivate --sync "$wid"
xdotool mousemove --window "$wid" 190 185 click 1 # new game
# The top middle cell's face, or the cover of a paused game over the grid.
covered() { import -window "$wid" -crop 1x1+464+40 -depth 8 txt:- 2>/dev/null | grep -q '#404040'; }
xmessage -title other "another program" &
pids+=($!)
other=$(window_id other)
check "another program takes the focus" wait_for 30 xdotool windowactivate --sync "$other"
check "leaving the game for another program pauses it" wait_for 30 covered
check "the game takes it back" wait_for 30 xdotool windowactivate --sync "$wid"
check "coming back goes on with the game" wait_for 30 not covered
stop
# A change of the screen's size that leaves its output without a mode (xrandr fails to bring it
# back): Qt then knows the screen as one of no size, and windows still open where the window
# manager places them, not at its corner.
xrandr --fb 640x480 >/dev/null 2>&1 || true
xrandr --fb 1024x768 >/dev/null 2>&1
start en
left=$(xwininfo -id "$wid" | sed -n 's/ *Absolute upper-left X: *//p')
check "after a change of the screen's size, placed by the window manager (left at $left)" \
    test "$left" -gt 100
stop

# --- No window system to connect to: one line that says so, and a failure status ---
no_display() { # no_display <environment…>: runs the program where it can open no window
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY "$@" timeout 30 "$program" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q '^Ka ludnik: fatal error: ' "$work/err"
}
check "no X display: one line, status 1" no_display QT_QPA_PLATFORM=xcb
check "no Wayland compositor: one line, status 1" no_display QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=none
check "an unknown plug-in, said so" eval 'no_display QT_QPA_PLATFORM=bogus && grep -q "no such window system plug-in" "$work/err"'

summary
