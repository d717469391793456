#!/usr/bin/env bash
# Makes the default alert sounds in resources/Sound with sox: short, mono, 16-bit PCM at
# 22050 Hz, written as plain PCM WAV so that PlaySound on any Windows plays them.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OUT=$ROOT/resources/Sound
command -v sox >/dev/null || { echo "sox is needed: apt-get install -y sox" >&2; exit 1; }
mkdir -p "$OUT"

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

FMT=(-r 22050 -c 1 -b 16)
sox() { command sox -R "$@"; }  # repeatable dither: the same files every run

# A bell-like note: fundamental plus a quiet octave, quick attack, exponential-ish decay.
note() { # note <file> <frequency> <length> <fade-out length>
  sox -n "${FMT[@]}" "$1" synth "$3" sine "$2" sine "$(($2 * 2))" remix 1v0.8,2v0.2 \
    fade q 0.004 "$3" "$4"
}

# Plug pulled out: one tone gliding down an octave, fading away.
sox -n "${FMT[@]}" -t wavpcm "$OUT/BatterySource.wav" \
  synth 0.32 sine 1175/587 fade q 0.005 0.32 0.18 gain -5

# Plug pushed in: three rising bell notes (C6, E6, G6), each ringing into the next.
note "$TMP/c.wav" 1047 0.30 0.26
note "$TMP/e.wav" 1319 0.30 0.26
note "$TMP/g.wav" 1568 0.36 0.31
sox -m "$TMP/c.wav" "|sox $TMP/e.wav -p pad 0.08" "|sox $TMP/g.wav -p pad 0.16" \
  "${FMT[@]}" -t wavpcm "$OUT/ACPowerSource.wav" gain -n -4

# Volume change: a tiny soft tick.
sox -n "${FMT[@]}" -t wavpcm "$OUT/VolumeChange.wav" \
  synth 0.035 sine 1600 fade q 0.002 0.035 0.03 gain -8

# Connection lost: a two-tone "uh-oh", high then low.
note "$TMP/hi.wav" 988 0.16 0.08
note "$TMP/lo.wav" 740 0.26 0.2
sox "$TMP/hi.wav" "$TMP/lo.wav" "${FMT[@]}" -t wavpcm "$OUT/NoConnection.wav" gain -n -4

# Low charge: three bell notes falling, the last one longer (G5, E5, C5).
note "$TMP/l1.wav" 784 0.18 0.12
note "$TMP/l2.wav" 659 0.18 0.12
note "$TMP/l3.wav" 523 0.40 0.34
sox "$TMP/l1.wav" "$TMP/l2.wav" "$TMP/l3.wav" "${FMT[@]}" -t wavpcm "$OUT/LowCharge.wav" gain -n -4

# Unplug reminder: two short high notes, a gentle knock.
note "$TMP/u.wav" 1397 0.12 0.08
sox "$TMP/u.wav" "|sox $TMP/u.wav -p pad 0.06" "${FMT[@]}" -t wavpcm "$OUT/Unplug.wav" gain -n -4

ls -l "$OUT"
