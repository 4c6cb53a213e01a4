#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# The game-over sound as a user hears it: a real PulseAudio with a null sink, whose monitor is
# recorded while a game runs out on its own; then the same server stalled, and the player quits.
# usage: sound.sh <path to kaludnik>
set -euo pipefail

program=$(readlink -f "$1")
if [ -z "${KALUDNIK_E2E_INNER:-}" ]; then
    export KALUDNIK_E2E_INNER=1
    exec "$(dirname "$0")/with-x-server.sh" "-screen 0 1024x768x24" "$0" "$@"
fi
. "$(dirname "$0")/common.sh"

pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=file:"$work/pulseaudio.log" \
    -L "module-null-sink sink_name=game" -L module-native-protocol-unix &
pulse=$!
pids+=("$pulse")
check "the sound server answers" wait_for 30 pactl info
pactl set-default-sink game

# Raw 16-bit stereo at 44.1 kHz, written as it comes in: the file's length tells how far the
# recording has got, and it can be read while it grows.
parec -d game.monitor --format=s16le --channels=2 --rate=44100 --latency-msec=20 \
    >"$work/heard.raw" &
recorder=$!
pids+=("$recorder")
recorded_seconds() { stat -c %s "$work/heard.raw" | awk '{ print $1 / 176400 }'; }

QT_QPA_PLATFORM=xcb "$program" 2>>"$work/stderr" &
pid=$!
pids+=("$pid")
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Ka ludnik$' | head -n 1)
check "main window appears" test -n "$wid"

# The game-over label's place, below the grid; nothing else draws there.
label_shot() { import -window "$wid" -crop 183x51+368+256 "$1" 2>/dev/null; }
label_changed() { # label_changed <before.png>
    label_shot "$work/now.png"
    [ "$(compare -metric AE "$1" "$work/now.png" null: 2>&1 || true)" != "0" ]
}
# Arithmetic on decimals; awk is on every Debian system.
calc() { awk "BEGIN { print $1 }"; }
holds() { awk "BEGIN { exit !($1) }"; }
peak() { # peak <from s> [<length s>]: the largest sample in that part of the recording
    sox -t raw -e signed -b 16 -c 2 -r 44100 "$work/heard.raw" -n trim "$@" stat 2>&1 |
        sed -n 's/^Maximum amplitude: *//p'
}
heard_after() { holds "$(peak "$1")+0 > 0.05"; } # heard_after <s>: a sound since then

label_shot "$work/before.png"
started=$(recorded_seconds)
xdotool mousemove --window "$wid" 190 185 click 1
# Every cell counts down from 10 at one count a second: no game over for ten seconds. The label
# is looked for until it shows, however long a busy machine takes.
check "the game-over label appears" wait_for 90 label_changed "$work/before.png"
check "the game-over sound is heard" wait_for 30 heard_after "$(calc "$started + 8")"
kill -INT "$recorder"
wait "$recorder" 2>/dev/null || true
# Nothing may sound while the game runs: from before the click until 8 s into the game.
quiet=$(peak 0 "$(calc "$started + 8")")
echo "peak while the game ran ${quiet}, after it $(peak "$(calc "$started + 8")")"
check "silent while the game runs (peak $quiet)" holds "$quiet < 0.001"

# A sound server that stops answering must not hold the program up when the player quits.
kill -STOP "$pulse"
xdotool mousemove --window "$wid" 190 185 click 1
check "a second game starts" wait_for 30 not label_changed "$work/before.png"
check "the second game ends" wait_for 90 label_changed "$work/before.png"
xdotool mousemove --window "$wid" 190 280 click 1 # quit
quit_started=$(date +%s.%N)
gone() { ! kill -0 "$pid" 2>/dev/null; }
wait_for 20 gone || true
took=$(calc "$(date +%s.%N) - $quit_started")
# Whatever the server does, the program ends within about a second.
check "quit ends the program with the sound server stalled (took ${took} s)" gone
kill -CONT "$pulse"

# Under a file-size limit below the 64 MiB of shared memory that the sound server's library
# asks for at the first sound, a game still ends as usual.
(ulimit -f 20000 && exec env QT_QPA_PLATFORM=xcb "$program") 2>>"$work/stderr" &
pid=$!
pids+=("$pid")
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Ka ludnik$' | head -n 1)
label_shot "$work/before.png"
xdotool mousemove --window "$wid" 190 185 click 1
check "under ulimit -f 20000, the game ends" wait_for 90 label_changed "$work/before.png"
xdotool mousemove --window "$wid" 190 280 click 1 # quit
ended "$pid" && status=0 || status=$?
check "and the program with it, when the player quits (status $status)" test "$status" -eq 0
check "the program wrote no warnings: $(head -c 300 "$work/stderr")" test ! -s "$work/stderr"

summary
