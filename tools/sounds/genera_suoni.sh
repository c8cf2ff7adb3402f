#!/bin/sh
# Makes the reward and error sounds in data/suoni/si and data/suoni/no with sox.
# Rewards: bright bells and plucks going up. Errors: soft, low, going down,
# never a buzz. Every sound ends up at the same RMS level, under 1.5 s.
# Usage: tools/sounds/genera_suoni.sh [destination folder, default data/suoni]
set -eu

dest=${1:-$(dirname "$0")/../../data/suoni}
rate=44100
livello=-20   # target RMS, dBFS
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# nota FILE DURATA FORMA FREQUENZA VOLUME: one note with a quick attack and a
# long fade, so nothing clicks.
nota() {
    sox -n -r $rate -c 1 -b 16 "$1" synth "$2" "$3" "$4" vol "$5" \
        fade q 0.008 "$2" "$(echo "$2 * 0.85" | bc -l)"
}

# campana FILE DURATA FREQUENZA: a bell, the tone with a softer octave and twelfth.
campana() {
    nota "$tmp/c1.wav" "$2" sine "$3" 0.6
    nota "$tmp/c2.wav" "$2" sine "$(echo "$3 * 2" | bc -l)" 0.25
    nota "$tmp/c3.wav" "$(echo "$2 * 0.6" | bc -l)" sine "$(echo "$3 * 3" | bc -l)" 0.1
    sox -m "$tmp/c1.wav" "$tmp/c2.wav" "$tmp/c3.wav" "$1" fade l 0 "$2" "$(echo "$2 * 0.9" | bc -l)"
}

# ritarda FILE SECONDI OUT: the same sound starting later.
ritarda() { sox "$1" "$3" pad "$2" 0; }

# mescola OUT FILE...: plays the files together.
mescola() { out=$1; shift; if [ $# -eq 1 ]; then cp "$1" "$out"; else sox -m "$@" "$out"; fi; }

# livella IN OUT: brings the RMS level to $livello and fades the very ends.
livella() {
    rms=$(sox "$1" -n stats 2>&1 | awk '/RMS lev dB/ {print $4}')
    sox "$1" -r $rate -b 16 "$2" gain "$(echo "$livello - ($rms)" | bc -l)" fade 0.003 -0 0.02
}

mkdir -p "$dest/si" "$dest/no"

# Rewards ----------------------------------------------------------------
# 1: a rising arpeggio of bells, C E G and the high C held.
campana "$tmp/a.wav" 0.30 523.25; campana "$tmp/b.wav" 0.30 659.25
campana "$tmp/c.wav" 0.30 783.99; campana "$tmp/d.wav" 0.60 1046.50
ritarda "$tmp/b.wav" 0.10 "$tmp/b2.wav"; ritarda "$tmp/c.wav" 0.20 "$tmp/c2.wav"
ritarda "$tmp/d.wav" 0.30 "$tmp/d2.wav"
mescola "$tmp/si1.wav" "$tmp/a.wav" "$tmp/b2.wav" "$tmp/c2.wav" "$tmp/d2.wav"

# 2: a sparkle: a quick upward sweep, then two twinkles.
sox -n -r $rate -c 1 -b 16 "$tmp/sw.wav" synth 0.25 sine 700-1800 vol 0.5 fade q 0.01 0.25 0.05
campana "$tmp/t1.wav" 0.35 1567.98; campana "$tmp/t2.wav" 0.55 2093.00
ritarda "$tmp/t1.wav" 0.22 "$tmp/t1b.wav"; ritarda "$tmp/t2.wav" 0.36 "$tmp/t2b.wav"
mescola "$tmp/si2.wav" "$tmp/sw.wav" "$tmp/t1b.wav" "$tmp/t2b.wav"

# 3: ding-dong upwards: G then high C, two long bells.
campana "$tmp/g.wav" 0.55 783.99; campana "$tmp/cc.wav" 0.85 1046.50
ritarda "$tmp/cc.wav" 0.22 "$tmp/cc2.wav"
mescola "$tmp/si3.wav" "$tmp/g.wav" "$tmp/cc2.wav"

# 4: a plucked arpeggio, G B D G, like a little harp.
nota "$tmp/p1.wav" 0.35 pluck 392.00 0.7; nota "$tmp/p2.wav" 0.35 pluck 493.88 0.7
nota "$tmp/p3.wav" 0.35 pluck 587.33 0.7; nota "$tmp/p4.wav" 0.70 pluck 783.99 0.7
ritarda "$tmp/p2.wav" 0.08 "$tmp/p2b.wav"; ritarda "$tmp/p3.wav" 0.16 "$tmp/p3b.wav"
ritarda "$tmp/p4.wav" 0.24 "$tmp/p4b.wav"
mescola "$tmp/si4r.wav" "$tmp/p1.wav" "$tmp/p2b.wav" "$tmp/p3b.wav" "$tmp/p4b.wav"
# The pluck starts with a burst of noise: keep only its warm part.
sox "$tmp/si4r.wav" "$tmp/si4.wav" lowpass 4000

# 5: a tiny fanfare, short-short-long on soft triangle waves: C C G.
nota "$tmp/f1.wav" 0.12 triangle 523.25 0.6; nota "$tmp/f2.wav" 0.12 triangle 523.25 0.6
nota "$tmp/f3.wav" 0.50 triangle 783.99 0.6
nota "$tmp/f3o.wav" 0.50 sine 1567.98 0.15
mescola "$tmp/f3m.wav" "$tmp/f3.wav" "$tmp/f3o.wav"
sox "$tmp/f1.wav" "$tmp/f2.wav" "$tmp/f3m.wav" "$tmp/si5.wav"

# 6: three rising bubbles.
for i in 1 2 3; do
    lo=$(echo "400 + $i * 180" | bc); hi=$(echo "$lo * 2" | bc)
    sox -n -r $rate -c 1 -b 16 "$tmp/bo$i.wav" synth 0.09 sine "$lo-$hi" vol 0.6 fade q 0.005 0.09 0.04
done
campana "$tmp/bf.wav" 0.45 1318.51
sox "$tmp/bo1.wav" "$tmp/bo2.wav" "$tmp/bo3.wav" "$tmp/bf.wav" "$tmp/si6.wav"

# Errors -----------------------------------------------------------------
# 1: "oh-oh": two soft low notes going down, E then C.
nota "$tmp/e1.wav" 0.22 sine 329.63 0.6; nota "$tmp/e2.wav" 0.45 sine 261.63 0.6
sox "$tmp/e1.wav" "$tmp/e2.wav" "$tmp/no1.wav"

# 2: a slow, soft slide down, like a gentle "hmm".
sox -n -r $rate -c 1 -b 16 "$tmp/no2a.wav" synth 0.55 sine 440-300 vol 0.6 fade q 0.04 0.55 0.3
sox -n -r $rate -c 1 -b 16 "$tmp/no2b.wav" synth 0.55 sine 880-600 vol 0.12 fade q 0.04 0.55 0.3
mescola "$tmp/no2.wav" "$tmp/no2a.wav" "$tmp/no2b.wav"

# 3: two soft wooden taps going down, A then E.
nota "$tmp/w1.wav" 0.25 pluck 220.00 0.7; nota "$tmp/w2.wav" 0.40 pluck 164.81 0.7
sox "$tmp/w1.wav" "$tmp/w2.wav" "$tmp/no3.wav" lowpass 900 lowpass 900

# 4: "uh-uh": G then D, round triangle tones, the second a little longer.
nota "$tmp/u1.wav" 0.18 triangle 392.00 0.45; nota "$tmp/u2.wav" 0.38 triangle 293.66 0.45
sox "$tmp/u1.wav" "$tmp/u2.wav" "$tmp/no4.wav"

# 5: a soft low bell that sinks a tone.
campana "$tmp/lb1.wav" 0.30 349.23; campana "$tmp/lb2.wav" 0.55 311.13
sox "$tmp/lb1.wav" "$tmp/lb2.wav" "$tmp/no5.wav"

for i in 1 2 3 4 5 6; do livella "$tmp/si$i.wav" "$dest/si/$i.wav"; done
for i in 1 2 3 4 5; do livella "$tmp/no$i.wav" "$dest/no/$i.wav"; done

# The scan's step: a short soft wooden tick, well under the other sounds.
nota "$tmp/tick.wav" 0.06 pluck 1318.51 0.5
sox "$tmp/tick.wav" "$tmp/passo.wav" lowpass 2500
rms=$(sox "$tmp/passo.wav" -n stats 2>&1 | awk '/RMS lev dB/ {print $4}')
sox "$tmp/passo.wav" -r $rate -b 16 "$dest/passo.wav" gain "$(echo "$livello - 8 - ($rms)" | bc -l)" fade 0.002 -0 0.02

# A press held too long and let go: two quick soft ticks going down, nothing
# like an error, as quiet as the step.
nota "$tmp/t1.wav" 0.06 pluck 987.77 0.5; nota "$tmp/t2.wav" 0.09 pluck 659.25 0.5
sox "$tmp/t1.wav" "$tmp/t2.wav" "$tmp/annullata.wav" lowpass 2500
rms=$(sox "$tmp/annullata.wav" -n stats 2>&1 | awk '/RMS lev dB/ {print $4}')
sox "$tmp/annullata.wav" -r $rate -b 16 "$dest/annullata.wav" gain "$(echo "$livello - 8 - ($rms)" | bc -l)" fade 0.002 -0 0.02

for f in "$dest"/si/*.wav "$dest"/no/*.wav "$dest"/passo.wav "$dest"/annullata.wav; do
    printf '%s %ss RMS %s dB peak %s dB\n' "$f" "$(soxi -D "$f")" \
        "$(sox "$f" -n stats 2>&1 | awk '/RMS lev dB/ {print $4}')" \
        "$(sox "$f" -n stats 2>&1 | awk '/Pk lev dB/ {print $4}')"
done
