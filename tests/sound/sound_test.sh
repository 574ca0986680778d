#!/usr/bin/env bash
# The game's sounds, heard for real: a private PulseAudio server with a null
# sink, the game's own sound output (zemra6-soundcheck) playing into it, and
# sox measuring recordings of the sink's monitor. Works as root without a
# desktop session. Usage: sound_test.sh PATH/TO/zemra6-soundcheck
set -uo pipefail

check=${1:?usage: sound_test.sh zemra6-soundcheck}
check=$(cd "$(dirname "$check")" && pwd)/$(basename "$check")
for tool in pulseaudio pactl parec sox; do
    command -v "$tool" >/dev/null || { echo "sound test: $tool is missing (apt-get install -y pulseaudio pulseaudio-utils sox)"; exit 1; }
done

source "$(dirname "${BASH_SOURCE[0]}")/null_sink_server.sh"

# Raw samples on standard output: parec writing a file itself loses most of
# what it buffered when it is stopped.
raw=(-t raw -r 44100 -e signed-integer -b 16 -c 2)
# A stream of silence keeps the null sink rendering at a steady pace; without
# one its monitor delivers in bursts and short recordings come out empty.
pacat -p --latency-msec=20 --format=s16le --rate=44100 --channels=2 </dev/zero &
keepalive=$!

record_start() {
    parec --latency-msec=20 --format=s16le --rate=44100 --channels=2 -d zsink.monitor >"$work/$1.raw" &
    recorder=$!
    sleep 0.3
}
record_stop() {
    sleep 0.2
    kill "$recorder"; wait "$recorder" 2>/dev/null
    recorder=
}
stat_of() { sox "${raw[@]}" "$work/$1.raw" -n stat 2>&1 | awk -v key="$2" -F: '$1 ~ key {gsub(/ /, "", $2); print $2}'; }
peak() { stat_of "$1" "Maximum amplitude"; }
seconds() { stat_of "$1" "Length"; }

passed=0
failed=0
verdict() {  # verdict RESULT NAME DETAILS
    if [ "$1" = 0 ]; then passed=$((passed + 1)); echo "ok   $2"
    else failed=$((failed + 1)); echo "FAIL $2: $3"; fi
}
loud() { awk -v p="$(peak "$1")" 'BEGIN { exit !(p > 0.05) }'; }
quiet() { awk -v p="$(peak "$1")" -v s="$(seconds "$1")" 'BEGIN { exit !(p < 0.001 && s >= 0.5) }'; }

# Runs the check in MODE; the recording is split where it prints CUT, if it does.
play() {  # play NAME MODE [FILE]
    local name=$1; shift
    record_start "$name"
    "$check" "$@" >"$work/$name.out" 2>"$work/$name.err" &
    local player=$!
    while kill -0 "$player" 2>/dev/null; do
        if grep -qs '^CUT$' "$work/$name.out"; then
            record_stop; sleep 0.3; record_start "$name.after"; break
        fi
        sleep 0.02
    done
    wait "$player"
    echo $? >"$work/$name.rc"
    record_stop
    sed 's/^/     /' "$work/$name.out"
}

start_ms() { sed -n 's/.* started after \([0-9]*\) ms$/\1/p' "$work/$1.out" | head -1; }

play popon play dat/popon.wav
loud popon && [ "$(cat "$work/popon.rc")" = 0 ] && [ "$(start_ms popon)" -lt 100 ]
verdict $? "a loaded one-shot is heard at once" "peak $(peak popon), started after $(start_ms popon) ms, exit $(cat "$work/popon.rc")"

play early early dat/water.wav
loud early && [ "$(cat "$work/early.rc")" = 0 ]
verdict $? "a sound asked for while loading is heard" "peak $(peak early), exit $(cat "$work/early.rc")"

play again again dat/popon.wav
loud again && [ "$(cat "$work/again.rc")" = 0 ]
verdict $? "a sound asked for again while it plays starts over" "peak $(peak again), exit $(cat "$work/again.rc")"

play muted muted dat/popon.wav
quiet muted && [ "$(cat "$work/muted.rc")" = 0 ]
verdict $? "a muted sound plays silently" "peak $(peak muted), exit $(cat "$work/muted.rc")"

play quieter quieter dat/popon.wav
loud quieter && awk -v q="$(peak quieter)" -v f="$(peak popon)" 'BEGIN { exit !(q < 0.6 * f) }'
verdict $? "at 30 % volume a sound is heard, softer" "peak $(peak quieter) against $(peak popon)"

play missing early dat/no_such_sound.wav
quiet missing && [ "$(cat "$work/missing.rc")" = 1 ]
verdict $? "a missing file is silent and harmless" "peak $(peak missing), exit $(cat "$work/missing.rc")"

play cut cut
loud cut && quiet cut.after && [ "$(cat "$work/cut.rc")" = 0 ]
verdict $? "a one-shot cuts the looping music" \
    "peak before $(peak cut), after $(peak cut.after) over $(seconds cut.after) s, exit $(cat "$work/cut.rc")"

grep -q "^sounds through the server directly" "$work/cut.out"
verdict $? "sounds go to the audio server directly" "$(grep '^sounds' "$work/cut.out")"

play mute_music mute-music
loud mute_music && quiet mute_music.after && [ "$(cat "$work/mute_music.rc")" = 0 ]
verdict $? "muting silences the music at once, buffered sound too" \
    "peak before $(peak mute_music), after $(peak mute_music.after) over $(seconds mute_music.after) s, exit $(cat "$work/mute_music.rc")"

# Another game's stream, by its role: the game muted while its music played,
# and that must not have become the volume the server gives every game.
record_start other_game
paplay --property=media.role=game dat/popon.wav
record_stop
awk -v o="$(peak other_game)" -v f="$(peak popon)" 'BEGIN { exit !(o > 0.9 * f) }'
verdict $? "the game's volume stays the game's own" "another game's peak $(peak other_game) against $(peak popon)"

play cut_early cut-early
loud cut_early && quiet cut_early.after && [ "$(cat "$work/cut_early.rc")" = 0 ]
verdict $? "music replaced before it loaded never starts" \
    "peak before $(peak cut_early), after $(peak cut_early.after) over $(seconds cut_early.after) s, exit $(cat "$work/cut_early.rc")"

# The same output through Qt Multimedia, as where no PulseAudio server answers.
play qt_popon --qt play dat/popon.wav
loud qt_popon && [ "$(cat "$work/qt_popon.rc")" = 0 ] && [ "$(start_ms qt_popon)" -lt 100 ]
verdict $? "through Qt: a loaded one-shot is heard at once" "peak $(peak qt_popon), started after $(start_ms qt_popon) ms"

play qt_cut --qt cut
loud qt_cut && quiet qt_cut.after && [ "$(cat "$work/qt_cut.rc")" = 0 ] && grep -q "^sounds through Qt" "$work/qt_cut.out"
verdict $? "through Qt: a one-shot cuts the looping music" \
    "peak before $(peak qt_cut), after $(peak qt_cut.after), exit $(cat "$work/qt_cut.rc")"

# A stream the server will not start (here: no sink at all) falls back to Qt
# rather than leaving the output waiting for it.
kill "$keepalive" 2>/dev/null; keepalive=
pactl unload-module "$(pactl list short modules | awk '$2 == "module-null-sink" {print $1}')"
timeout 20 "$check" play dat/popon.wav >"$work/refused.out" 2>&1
rc=$?
[ "$rc" -le 1 ] && grep -q "^played through Qt" "$work/refused.out"
verdict $? "a sound the server refuses falls back to Qt" "exit $rc; $(tail -2 "$work/refused.out")"
pactl load-module module-null-sink sink_name=zsink >/dev/null && pactl set-default-sink zsink

# Last, since it ends the server: the music playing when the server goes
# away, the output must carry on without it and end on its own.
"$check" cut >"$work/gone.out" 2>"$work/gone.err" &
player=$!
for _ in $(seq 100); do grep -qs '^sounds' "$work/gone.out" && break; sleep 0.05; done
kill "$server"; wait "$server" 2>/dev/null; server=
timeout 20 tail --pid="$player" -f /dev/null || kill -9 "$player" 2>/dev/null
wait "$player"
rc=$?
[ "$rc" -le 1 ]
verdict $? "the sound output carries on when the audio server goes away" "exit $rc; $(tail -3 "$work/gone.out" "$work/gone.err")"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
