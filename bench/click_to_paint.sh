#!/usr/bin/env bash
# A right answer's click until the next round is painted, timed from outside
# the real program under Xvfb, with sound played on PulseAudio (a null sink):
# once with the bundled ok.wav as the right-answer sound, once with a
# 3-minute 48 kHz stereo WAV. Prints the median and 95th percentile of each.
#   bench/click_to_paint.sh <the program's folder, e.g. build/app> [rounds, 40]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
rounds=${2:-40}
. "$here/../tests/e2e/common.bash" "$(cd "$1" && pwd)" "$here/../tests/e2e" "" pulseaudio sox
start_sound_server

# Six images of six colours, each symbol of its image's colour: the right
# placeholder is the one of the image's colour.
set=$WORK/app/Set_clicks
mkdir -p "$set/Images" "$set/Symbols"
for c in red blue green yellow magenta cyan; do
  convert -size 640x320 xc:$c "$set/Images/$c.jpg"
  convert -size 200x200 xc:$c "$set/Symbols/$c.jpg"
done
sox -n -r 48000 -c 2 -b 16 "$WORK/app/Sounds/song.wav" synth 180 sine 440 vol 0.3

for sound in ok.wav song.wav; do
  printf '[GeneralSettings]\nImagesSet=clicks\nMaxPlaceholders=2\nPlaySounds=1\nWayToWork=1\nSoundOk=%s\nSoundWrong=\n' \
    "$sound" >"$INI"
  start_app
  wait_window "Lumari !"; options=$WIN
  click "$options" 352 492  # "Start program"
  wait_window "Lumari !" "$options"; game=$WIN
  settle "$game"
  # The image's centre, then both placeholders' (two placeholders in use).
  /usr/bin/python3 "$here/click_to_paint.py" "$game" "$rounds" 600 348,206 148,548 545,548 >"$WORK/$sound.ms" \
    || fail "the clicks with $sound could not be timed"
  close_window "$game"
  wait_window "About Lumari !"; answer "$WIN"
  wait_end
  /usr/bin/python3 - "$sound" "$WORK/$sound.ms" <<'EOF'
import statistics, sys
ms = sorted(float(line) for line in open(sys.argv[2]))
p95 = ms[min(len(ms) - 1, round(0.95 * (len(ms) - 1)))]
print("%-8s click -> next round painted: median %6.1f ms, 95th percentile %6.1f ms, %d rounds"
      % (sys.argv[1], statistics.median(ms), p95, len(ms)))
EOF
done
