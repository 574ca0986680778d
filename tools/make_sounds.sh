#!/usr/bin/env bash
# Synthesises the game's sound effects and title music into dat/ with sox.
# Output is byte-for-byte repeatable: no dither, and seeded noise (-R).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
dat="$here/../dat"
mkdir -p "$dat"
dat="$(cd "$dat" && pwd)"

command -v sox >/dev/null || { echo "make_sounds: sox is needed (apt-get install -y sox)" >&2; exit 1; }

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Layers stay in 32-bit float between steps; only the final write is 16-bit.
work=(-r 22050 -c 1 -e floating-point -b 32)
final=(-r 22050 -c 1 -e signed-integer -b 16)

# syn PART "SYNTH-ARGS" [EFFECTS...]: render one layer into the scratch folder.
# synth writes at full scale; the gain right after it leaves room for filters
# and mixing, and finish brings the level back up.
syn() {
    local part=$1 tone=$2; shift 2
    # shellcheck disable=SC2086  # the synth arguments are meant to split
    sox -R -D -n "${work[@]}" "$tmp/$part.wav" synth $tone gain -12 "$@"
}

# layer PART SECONDS: delay an existing layer so it starts later in the mix.
layer() {
    fx "$1" pad "$2" 0
}

# fx PART EFFECTS...: run effects over a layer in place.
fx() {
    local part=$1; shift
    sox -R -D "$tmp/$part.wav" "$tmp/$part.d.wav" "$@"
    mv "$tmp/$part.d.wav" "$tmp/$part.wav"
}

# mixto PART PART:VOLUME... : mix layers into a new layer, each at its own volume.
mixto() {
    local out=$1; shift
    local args=() p
    for p in "$@"; do
        args+=(-v "${p#*:}" "$tmp/${p%%:*}.wav")
    done
    if (($# == 1)); then
        sox -R -D "${args[@]}" "${work[@]}" "$tmp/$out.wav"
    else
        sox -R -D -m "${args[@]}" "${work[@]}" "$tmp/$out.wav"
    fi
}

# finish NAME PART [EFFECTS...]: shape a layer into dat/NAME.wav, with short
# fades against clicks and the peak set at -3 dBFS.
finish() {
    local name=$1 part=$2; shift 2
    sox -R -D "$tmp/$part.wav" "${final[@]}" "$dat/$name.wav" "$@" \
        fade q 0.004 -0 0.03 norm -3
}

# Exponential sweeps (a/b) are only used on sines: this sox puts a large DC
# offset on swept triangle, square and sawtooth waves, so those sweep linearly.

# note PART FREQ SECONDS [WAVE]: a soft note with a quick attack and a
# natural (exponential) decay.
note() {
    syn "$1" "$3 ${4:-sine} $2" fade l 0.004 -0 "$3"
}

# ---------------------------------------------------------------- title music
# Eight seconds in A minor: Am - F - C - G, each chord an arpeggio over a
# slow pad. The last chord thins out and its pad is gone by the loop point,
# so the seam sits in a quiet spot.
title_music() {
    local step=0.3333 bar=2 i=0 t
    local -a notes=(
        220.00 329.63 440.00 523.25 440.00 329.63   # Am
        174.61 261.63 349.23 440.00 349.23 261.63   # F
        261.63 392.00 523.25 659.26 523.25 392.00   # C
        196.00 293.66 392.00 493.88 - -             # G, left open
    )
    local -a pads=(
        "110.00 164.81 261.63"   # Am
        "87.31 130.81 220.00"    # F
        "130.81 196.00 329.63"   # C
        "98.00 146.83 246.94"    # G
    )
    local parts=() f len out
    for f in "${notes[@]}"; do
        if [[ $f != - ]]; then
            t=$(awk -v i="$i" -v s="$step" 'BEGIN { printf "%.4f", i * s }')
            syn "n$i" "1.8 triangle $f" lowpass 2500 fade l 0.006 -0 1.8
            layer "n$i" "$t"
            parts+=("n$i:0.5")
        fi
        i=$((i + 1))
    done
    i=0
    for f in "${pads[@]}"; do
        read -r a b c <<<"$f"
        # Slightly detuned pairs give the pad a slow, soft shimmer.
        len=2.8 out=1.3; ((i == 3)) && len=2.0 out=1.1
        syn "p$i" "$len sine $a sine $(awk -v x="$a" 'BEGIN{print x*1.004}') sine $b sine $c" \
            fade h 0.9 -0 "$out"
        layer "p$i" "$((i * bar))"
        parts+=("p$i:0.09")
        i=$((i + 1))
    done
    mixto cycle "${parts[@]}"
    # Three cycles end to end, then keep the last: the tails of one cycle
    # (and the reverb) fall into the start of the next, so the loop is seamless.
    # The cut sits just before a downbeat, and the short fades at both ends
    # meet at silence, so the seam cannot click.
    cp "$tmp/cycle.wav" "$tmp/c0.wav"
    cp "$tmp/cycle.wav" "$tmp/c1.wav"
    cp "$tmp/cycle.wav" "$tmp/c2.wav"
    layer c1 8
    layer c2 16
    mixto three c0:1 c1:1 c2:1
    fx three reverb 35 50 70
    sox -R -D "$tmp/three.wav" "${final[@]}" "$dat/04b.wav" trim 15.95 8 \
        fade q 0.02 -0 0.02 norm -3
}

# ---------------------------------------------------------------- one-shots
water() {   # a drop, a smaller echo drop and a soft splash
    syn d1 "0.12 sine 480/1700" fade l 0.002 -0 0.12
    syn d2 "0.10 sine 700/2100" fade l 0.002 -0 0.10
    layer d2 0.17
    syn sp "0.30 whitenoise" highpass 700 lowpass 3200 fade l 0.004 -0 0.30
    layer sp 0.015
    mixto all d1:1 d2:0.45 sp:0.12
    fx all pad 0 0.4
    fx all reverb 30 40 60
    finish water all trim 0 0.65
}

popon() {   # "po" then a higher "pon"
    note po 783.99 0.10
    syn po2 "0.10 sine 1567.98" fade l 0.003 -0 0.10
    note pon 1174.66 0.35
    syn pon2 "0.35 sine 2349.32" fade l 0.003 -0 0.25
    layer pon 0.09
    layer pon2 0.09
    mixto all po:0.8 po2:0.15 pon:1 pon2:0.15
    finish popon all
}

bub() {     # two low buzzy "bu-bu" bubbles, the second lower
    syn b1 "0.17 square 118" lowpass 850 tremolo 28 70 fade h 0.01 -0 0.08
    syn b2 "0.26 square 92" lowpass 750 tremolo 24 70 fade h 0.01 -0 0.15
    layer b2 0.2
    mixto all b1:0.8 b2:1
    finish bub all
}

weak() {    # a soft wavering tone sinking an octave
    syn w1 "1.1 triangle 494:247" lowpass 2200 tremolo 5.5 35 fade h 0.03 -0 0.7
    syn w2 "1.1 sine 329.6/164.8" tremolo 5.5 35 fade h 0.05 -0 0.7
    mixto all w1:1 w2:0.35
    finish weak all
}

hyuun() {   # a sword swung: air rushing past with a rising whistle
    syn a "0.30 sine 360/1300" fade h 0.05
    syn b "0.35 sine 1300/1050" fade h 0 -0 0.3
    layer b 0.30
    mixto whistle a:1 b:1
    syn air "0.65 pinknoise" bandpass 1600 1.3q fade h 0.35 -0 0.3
    mixto all whistle:0.35 air:1
    finish hyuun all
}

break_() {  # a crack, bright shards scattering, a short dull snap under them
    syn crack "0.06 whitenoise" highpass 1500 fade l 0.001 -0 0.06
    syn crk2 "0.03 whitenoise" highpass 2500 fade l 0.001 -0 0.03
    layer crk2 0.07
    syn crk3 "0.025 whitenoise" highpass 3000 fade l 0.001 -0 0.025
    layer crk3 0.15
    syn snap "0.12 sine 190/70" fade l 0.002 -0 0.12
    local parts=(crack:1 crk2:0.5 crk3:0.35 snap:0.8) i=0 f d
    for f in 2930 3710 4660 5390 6280 3240; do
        d=$(awk -v i="$i" 'BEGIN { printf "%.3f", i * 0.035 }')
        syn "s$i" "0.3 sine $f" fade l 0.001 -0 0.3
        layer "s$i" "$d"
        parts+=("s$i:0.22")
        i=$((i + 1))
    done
    mixto all "${parts[@]}"
    finish break all
}

dh() {      # a dull body hit
    syn body "0.24 sine 140/55" fade l 0.002 -0 0.24
    syn slap "0.05 brownnoise" lowpass 900 fade l 0.001 -0 0.05
    mixto all body:1 slap:0.6
    finish dh all overdrive 4
}

dun() {     # a heavy blow, lower and longer
    syn body "0.6 sine 95/36" fade l 0.002 -0 0.6
    syn sub "0.6 sine 48" fade l 0.02 -0 0.6
    syn slap "0.12 brownnoise" lowpass 450 fade l 0.001 -0 0.12
    mixto all body:1 sub:0.4 slap:0.7
    finish dun all overdrive 8 lowpass 1200
}

duty() {    # a critical: sharp crack, ringing edge, punchy thud
    syn crack "0.04 whitenoise" highpass 2000 fade l 0.001 -0 0.04
    syn ring1 "0.3 sine 1830" fade l 0.001 -0 0.3
    syn ring2 "0.25 sine 2790" fade l 0.001 -0 0.25
    syn thud "0.22 sine 170/60" fade l 0.002 -0 0.22
    syn blip "0.06 square 880:440" lowpass 3000 fade l 0.001 -0 0.06
    mixto all crack:1 ring1:0.35 ring2:0.25 thud:0.9 blip:0.2
    finish duty all overdrive 3
}

kin() {     # a metallic clink: inharmonic partials with their own decays
    syn k1 "0.9 sine 2380" fade l 0.001 -0 0.9
    syn k2 "0.6 sine 3290" fade l 0.001 -0 0.6
    syn k3 "0.35 sine 5010" fade l 0.001 -0 0.35
    syn k4 "0.2 sine 6570" fade l 0.001 -0 0.2
    syn tick "0.006 whitenoise" highpass 4000 fade l 0 -0 0.006
    mixto all k1:1 k2:0.6 k3:0.35 k4:0.25 tick:0.4
    finish kin all
}

open_() {   # a bright chime climbing C6 E6 G6 C7
    local parts=() i=0 f
    for f in 1046.50 1318.51 1567.98 2093.00; do
        syn "c$i" "0.75 sine $f" fade l 0.002 -0 0.75
        syn "h$i" "0.4 sine $(awk -v x="$f" 'BEGIN{print x*2.76}')" fade l 0.002 -0 0.4
        layer "c$i" "$(awk -v i="$i" 'BEGIN { printf "%.2f", i * 0.07 }')"
        layer "h$i" "$(awk -v i="$i" 'BEGIN { printf "%.2f", i * 0.07 }')"
        parts+=("c$i:1" "h$i:0.12")
        i=$((i + 1))
    done
    mixto all "${parts[@]}"
    fx all pad 0 0.3
    fx all reverb 30 40 70
    finish open all trim 0 1.1
}

roar() {    # a low growl swelling in and rolling away
    syn g1 "1.3 sawtooth 78:50" lowpass 650 tremolo 23 60
    syn g2 "1.3 sawtooth 80.5:51.5" lowpass 650 tremolo 17 50
    syn rum "1.3 brownnoise" lowpass 260 tremolo 11 60
    mixto all g1:1 g2:0.8 rum:0.7
    finish roar all overdrive 10 lowpass 900 fade h 0.18 -0 0.7
}

suka() {    # a miss: a quick swish of air
    syn air "0.32 pinknoise" highpass 1100 lowpass 6500 fade h 0.11 -0 0.2
    syn air2 "0.32 whitenoise" bandpass 3200 2q fade h 0.14 -0 0.16
    mixto all air:1 air2:0.4
    finish suka all
}

thathatha() {   # three quick footsteps, fading as they run away
    local parts=() i=0 t v
    for t in 0 0.11 0.22; do
        v=$(awk -v i="$i" 'BEGIN { print 1 - i * 0.17 }')
        syn "s$i" "0.06 brownnoise" lowpass 1300 fade l 0.001 -0 0.06
        syn "b$i" "0.08 sine 125/70" fade l 0.001 -0 0.08
        layer "s$i" "$t"
        layer "b$i" "$t"
        parts+=("s$i:$v" "b$i:$(awk -v v="$v" 'BEGIN { print v * 0.7 }')")
        i=$((i + 1))
    done
    mixto all "${parts[@]}"
    finish thathatha all
}

turn() {    # a short soft tick, like a wooden counter
    syn t1 "0.07 sine 1320" fade l 0.001 -0 0.07
    syn t2 "0.04 sine 2640" fade l 0.001 -0 0.04
    mixto all t1:1 t2:0.2
    finish turn all
}

up() {      # three notes climbing C5 E5 G5; the last one rings
    local parts=() i=0 f d
    for f in 523.25 659.26 783.99; do
        d=0.18; ((i == 2)) && d=0.6
        syn "u$i" "$d triangle $f" lowpass 3000 fade l 0.003 -0 "$d"
        syn "o$i" "$d sine $(awk -v x="$f" 'BEGIN{print x*2}')" fade l 0.003 -0 "$d"
        layer "u$i" "$(awk -v i="$i" 'BEGIN { printf "%.2f", i * 0.1 }')"
        layer "o$i" "$(awk -v i="$i" 'BEGIN { printf "%.2f", i * 0.1 }')"
        parts+=("u$i:1" "o$i:0.2")
        i=$((i + 1))
    done
    mixto all "${parts[@]}"
    finish up all
}

zurl() {    # a slithering slide down: two near tones beat against each other
    syn s1 "0.95 sine 700/160" tremolo 9 45
    syn s2 "0.95 sine 728/166"
    syn s3 "0.95 triangle 350:80" lowpass 900
    mixto all s1:1 s2:0.7 s3:0.4
    finish zurl all fade h 0.05 -0 0.35
}

title_music
water
popon
bub
weak
hyuun
break_
dh
dun
duty
kin
open_
roar
suka
thathatha
turn
up
zurl
echo "make_sounds: wrote 18 sounds to $dat"
