#!/usr/bin/env bash
# The program as a native client of a real Wayland compositor (weston, headless), watched
# through the protocol that WAYLAND_DEBUG prints.
# usage: wayland.sh <path to kaludnik> <its desktop entry>
set -euo pipefail

program=$(readlink -f "$1")
# Compositors match a window to its desktop entry by the entry's name.
app_id=$(basename "$2" .desktop)
export LC_ALL=C.UTF-8 LANG=C.UTF-8
. "$(dirname "$0")/common.sh"

socket=kaludnik-test
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    --log="$work/weston.log" &
pids+=($!)
check "weston is up" wait_for 10 test -S "$XDG_RUNTIME_DIR/$socket"

protocol=$work/protocol
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 LANGUAGE=en \
    "$program" 2>"$protocol" &
pid=$!
pids+=("$pid")

sent() { grep -q -- "-> $1" "$protocol"; }
check "announces the app id $app_id" wait_for 10 sent "xdg_toplevel@[0-9]*\.set_app_id(\"$app_id\")"
check "shows the main window with its title" wait_for 10 sent 'xdg_toplevel@[0-9]*\.set_title("Ka ludnik")'
check "the compositor configures it" wait_for 10 grep -q 'xdg_toplevel@[0-9]*\.configure(' "$protocol"
check "draws it" wait_for 10 sent 'wl_surface@[0-9]*\.attach(wl_buffer@'
# The title types itself out at start; its blank frame must not show the program's name.
check "the blank title frame is blank" wait_for 5 sent 'xdg_toplevel@[0-9]*\.set_title(" ")'
sleep 3
check "still running after 3 s" kill -0 "$pid"
# Qt sends the program's name for an empty title; the blank one follows in the same batch,
# before anything is drawn, so the name is never the title shown.
name_left_standing() {
    awk '/-> xdg_toplevel@[0-9]*\.set_title\("kaludnik"\)/ {
             getline next_line
             if (next_line !~ /set_title\(" "\)/) found = 1
         }
         END { exit !found }' "$protocol"
}
check "the program's name never stands as the title" not name_left_standing

kill -TERM "$pid"
wait "$pid" && status=0 || status=$?
# 128 + 15: ended by the signal itself, not by a crash on the way out.
check "ends on SIGTERM without a crash (status $status)" test "$status" -eq 143
# Every line the program wrote that is not protocol is a warning of Qt's or the program's.
grep -v '^\[ *[0-9]*\.[0-9]*\] ' "$protocol" >"$work/warnings" || true
check "no warnings: $(head -c 400 "$work/warnings")" test ! -s "$work/warnings"

summary
