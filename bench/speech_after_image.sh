#!/usr/bin/env bash
# The word spoken after its image appears, timed from outside the real
# program under Xvfb with its own PulseAudio and speech-dispatcher (with
# espeak-ng): a right answer's click brings the next image (the first DAMAGE
# report of the window), and its word starts at the first loud sample on the
# sound server's null sink. Once with a recording of each word, once with
# speech synthesis. Prints the median and 95th percentile of each.
#   bench/speech_after_image.sh <the program's folder> [rounds, 20]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
app=$(cd "$1" && pwd) rounds=${2:-20}
for way in recorded synthesised; do
  (
    . "$here/../tests/e2e/common.bash" "$app" "$here/../tests/e2e" "" pulseaudio parec sox speech-dispatcher
    start_sound_server
    start_speech_server
    colour_set words red blue '#00ff00'
    if [ "$way" = recorded ]; then
      mkdir "$WORK/app/Set_words/Words"
      # A word of half a second, as a teacher's trimmed recording.
      for name in red blue 00ff00; do sox -n -r 22050 -c 1 -b 16 "$WORK/app/Set_words/Words/$name.wav" synth 0.5 sine 880 vol 0.8; done
    fi
    printf '[GeneralSettings]\nImagesSet=words\nMaxPlaceholders=2\nPlaySounds=0\nWayToWork=1\n' >"$INI"
    "$WORK/app/lumari-teacher" learner Bench --speak word --plays-next >/dev/null
    start_game
    wait_until drawn none || fail "the first round was not drawn"
    /usr/bin/python3 "$here/word_heard.py" "$game" "$rounds" 300 348,206 148,548 545,548 >"$WORK/ms" ||
      fail "the words could not be timed"
    close_window "$game"
    wait_window "About Lumari !"; answer "$WIN"
    wait_end
    /usr/bin/python3 - "$way" "$WORK/ms" <<'PY'
import statistics, sys
ms = sorted(float(line.split()[0]) for line in open(sys.argv[2]))
p95 = ms[min(len(ms) - 1, round(0.95 * (len(ms) - 1)))]
print("%-12s word, image appears -> word heard: median %6.1f ms, 95th percentile %6.1f ms, %d rounds"
      % (sys.argv[1], statistics.median(ms), p95, len(ms)))
PY
  )
done
