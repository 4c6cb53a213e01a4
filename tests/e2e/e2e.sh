#!/usr/bin/env bash
# End-to-end: the real program on a virtual X server, watched and driven from outside.
# usage: e2e.sh <path to kaludnik>
set -euo pipefail

program=$(readlink -f "$1")
# Non-ASCII titles ("Nápověda") reach xdotool intact only under a UTF-8 locale.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
if [ -z "${KALUDNIK_E2E_INNER:-}" ]; then
    export KALUDNIK_E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

. "$(dirname "$0")/common.sh"

# A stand-in browser: records the addresses the program asks the desktop to open.
mkdir -p "$work/bin"
cat >"$work/bin/xdg-open" <<EOS
#!/bin/sh
echo "\$1" >>"$work/opened"
EOS
chmod +x "$work/bin/xdg-open"

start() { # start <language>; sets $pid and $wid
    PATH="$work/bin:$PATH" LANGUAGE=$1 QT_QPA_PLATFORM=xcb "$program" 2>>"$work/stderr" &
    pid=$!
    pids+=("$pid")
    wid=$(timeout 10 xdotool search --sync --onlyvisible --name '^Ka ludnik$' | head -n 1)
}

stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

window_appears() { # window_appears <exact title>
    timeout 5 xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null
}

grid_shot() {
    import -window "$wid" -crop 209x209+360+8 "$1" 2>/dev/null
}

until_changed() { # until_changed <before.png> <after.png>: polls for up to 3 s
    for _ in $(seq 30); do
        grid_shot "$2"
        if [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != "0" ]; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Every title the window gets for two seconds, each distinct one in the order set: xprop is
# told of each change by the X server, so no frame is missed however busy the machine is.
read_titles() {
    { timeout 2 xprop -spy -id "$wid" _NET_WM_NAME 2>/dev/null || true; } |
        sed -u -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p' |
        # The empty title must reach the window manager blank, not as the program's name.
        awk '{ t = ($0 ~ /^[[:space:]]+$/) ? "" : $0; if (NR == 1 || t != last) printf "%s|", t; last = t }'
}

# Clicks in the main window while the titles are being read, so that the first change is not missed.
click_reading_titles() { # click_reading_titles <x> <y>
    read_titles >"$work/titles" &
    local reader=$!
    sleep 0.1
    xdotool mousemove --window "$wid" "$1" "$2" click 1
    wait "$reader"
    cat "$work/titles"
}

# --- The main window and the typed title, Czech ---
# The typing at start-up may be over before the window is found; a new game replays it.
start cs
check "main window appears with its title" test -n "$wid"
geometry=$(xdotool getwindowgeometry "$wid" | sed -n 's/ *Geometry: //p')
check "client area is 574x367 (saw $geometry)" test "$geometry" = "574x367"
sleep 1.5

grid_shot "$work/before.png"
titles=$(click_reading_titles 190 185)
check "the new-game command changes the grid" until_changed "$work/before.png" "$work/after.png"
check "title typed out again in Czech (saw: $titles)" \
    test "${titles#*Ka ludnik||K|Ka|Ka |Ka l|Ka lu|Ka lud|Ka ludn|Ka ludni|Ka ludnik|}" != "$titles"

xdotool mousemove --window "$wid" 190 280 click 1
check "the quit command ends the program with status 0" timeout 5 bash -c "while kill -0 $pid 2>/dev/null; do sleep 0.05; done"
wait "$pid" && status=0 || status=$?
check "exit status 0 (saw $status)" test "$status" -eq 0

# --- English title ---
start en
sleep 1.5
titles=$(click_reading_titles 190 185)
check "English title shows Ka lumbor, then Ka ludnik (saw: $titles)" \
    test "${titles#*Ka ludnik||K|Ka|Ka |Ka l|Ka lu|Ka lum|Ka lumb|Ka lumbo|Ka lumbor|Ka ludnik|}" != "$titles"
stop

# --- The dialogs, each from the main window and transient for it ---
transient_for() { # transient_for <window>: the window it is transient for, in decimal
    local id
    id=$(xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
    [ -n "$id" ] && printf '%d\n' "$id"
}
is_gone() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null; }
dialog_checks() { # dialog_checks <title>: transient for the main window, closed by Escape
    local dialog owner
    dialog=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
    owner=$(transient_for "$dialog" || true)
    check "$1 is transient for the main window $wid (saw ${owner:-none})" test "$owner" = "$wid"
    # Closing drops the native window at once, so the key's release finds it gone.
    xdotool key --window "$dialog" Escape 2>/dev/null || true
    check "Escape closes $1" wait_for 5 is_gone "$1"
}

start cs
xdotool mousemove --window "$wid" 190 217 click 1
check "the help command opens Nápověda" window_appears "Nápověda"
dialog_checks "Nápověda"
stop

start en
xdotool mousemove --window "$wid" 190 249 click 1
check "the about command opens About" window_appears "About"
about=$(xdotool search --onlyvisible --name '^About$' | head -n 1)
xdotool mousemove --window "$about" 70 80 click 1
check "the link asks the desktop to open its address" \
    timeout 5 bash -c "until grep -q '^https://' '$work/opened' 2>/dev/null; do sleep 0.05; done"
dialog_checks "About"
stop

start en
xdotool key --window "$wid" space 2>/dev/null
check "Space on the hidden button opens the score window" window_appears "Score"
dialog_checks "Score"
stop

# --- A game with points ends, and the player's name goes into the table ---
start en
xdotool mousemove --window "$wid" 190 185 click 1   # new game
xdotool mousemove --window "$wid" 392 40 click 1    # cell 0
xdotool mousemove --window "$wid" 464 40 click 1    # cell 1: 20 points
# Left alone, every cell dies within ten seconds and the score window opens for a name.
check "a game over with points opens the score window" wait_for 15 window_appears "Score"
score=$(xdotool search --onlyvisible --name '^Score$' | head -n 1)
xdotool type --window "$score" "Eva" && xdotool key --window "$score" Return
scores=$XDG_DATA_HOME/kaludnik/scores.json
check "Enter stores the name with the game's score" \
    wait_for 5 grep -Pzq '"name": "Eva",\s*"score": 20' "$scores"
stop

summary
