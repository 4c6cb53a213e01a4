#!/usr/bin/env bash
# The game-over sound as a user hears it: a real PulseAudio with a null sink, whose monitor is
# recorded while a game runs out on its own.
# usage: sound.sh <path to kaludnik>
set -euo pipefail

program=$(readlink -f "$1")
if [ -z "${KALUDNIK_E2E_INNER:-}" ]; then
    export KALUDNIK_E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
. "$(dirname "$0")/common.sh"

pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=file:"$work/pulseaudio.log" \
    -L "module-null-sink sink_name=game" -L module-native-protocol-unix &
pids+=($!)
check "the sound server answers" wait_for 10 pactl info
pactl set-default-sink game

# 16-bit stereo at 44.1 kHz, written as it comes in: the file's length tells how far the
# recording has got.
parec -d game.monitor --file-format=wav --format=s16le --channels=2 --rate=44100 \
    --latency-msec=20 "$work/heard.wav" &
recorder=$!
pids+=("$recorder")
recorded_seconds() { stat -c %s "$work/heard.wav" | awk '{ print ($1 - 44) / 176400 }'; }

QT_QPA_PLATFORM=xcb "$program" 2>>"$work/stderr" &
pid=$!
pids+=("$pid")
wid=$(timeout 10 xdotool search --sync --onlyvisible --name '^Ka ludnik$' | head -n 1)
check "main window appears" test -n "$wid"

# The game-over label's place, below the grid; nothing else draws there.
label_shot() { import -window "$wid" -crop 183x51+368+256 "$1" 2>/dev/null; }
differs() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != "0" ]; }

label_shot "$work/before.png"
xdotool mousemove --window "$wid" 190 185 click 1
# Every cell counts down from 10 at one count a second, so the game ends after about 11 s.
game_over=""
for _ in $(seq 200); do
    label_shot "$work/now.png"
    if differs "$work/before.png" "$work/now.png"; then
        game_over=$(recorded_seconds)
        break
    fi
    sleep 0.05
done
check "the game-over label appears" test -n "$game_over"
sleep 1.5
kill -INT "$recorder"
wait "$recorder" 2>/dev/null || true

# Arithmetic on decimals; awk is on every Debian system.
calc() { awk "BEGIN { print $1 }"; }
holds() { awk "BEGIN { exit !($1) }"; }
peak() { # peak <from s> <length s>: the largest sample in that part of the recording
    sox "$work/heard.wav" -n trim "$1" "$2" stat 2>&1 | sed -n 's/^Maximum amplitude: *//p'
}
if [ -n "$game_over" ]; then
    at=$game_over
    # The label is seen up to one screenshot late: the sound may start 0.2 s before it is seen.
    before=$(peak 0 "$(calc "$at - 0.2")")
    after=$(peak "$(calc "$at - 0.2")" 1.2)
    echo "game over seen at ${at} s of the recording; peak before ${before}, in the second after ${after}"
    check "silent while the game runs (peak $before)" holds "$before < 0.001"
    check "the game-over sound is heard (peak $after)" holds "$after > 0.05"
fi
check "the program wrote no warnings: $(head -c 300 "$work/stderr")" test ! -s "$work/stderr"

summary
