#!/usr/bin/env bash
# A learner set to hear the words, on a set with a recording of each word (one in capitals): as each new image
# appears, its recording (a pure 880 Hz tone, not a synthetic voice) is heard on the sound server within 500 ms.
. "$2/common.bash" "$@" pulseaudio parec sox
start_sound_server
# Only so that the program's synthesis finds one of the journey's own and starts none that would outlive it.
if command -v speech-dispatcher >/dev/null; then start_speech_server; fi
colour_set three red blue '#00ff00'
words=$WORK/app/Set_three/Words
mkdir "$words"
for name in RED blue 00ff00; do sox -n -r 22050 -c 1 -b 16 "$words/$name.wav" synth 0.4 sine 880 vol 0.8; done
mv "$words/RED.wav" "$words/RED.WAV"
printf '[GeneralSettings]\nImagesSet=three\nMaxPlaceholders=2\nPlaySounds=0\nWayToWork=1\n' >"$INI"
"$WORK/app/lumari-teacher" learner Ann --speak word --plays-next >/dev/null || fail "the learner command refused --speak word"

start_game
wait_until drawn none || fail "the first round was not drawn"
/usr/bin/python3 "$E2E_DIR/../../bench/word_heard.py" "$game" 5 300 348,206 148,548 545,548 >"$WORK/heard" || fail "a word was not heard"
cat "$WORK/heard"
# Each word the tone, the median within the 500 ms (a loaded machine may be late once).
awk '$2 < 800 || $2 > 960 { exit 1 }' "$WORK/heard" || fail "a word heard was not its recording"
median=$(sort -n "$WORK/heard" | awk '{ ms[NR] = $1 } END { print ms[int((NR + 1) / 2)] }')
awk -v m="$median" 'BEGIN { exit !(m <= 500) }' || fail "the recordings were heard a median $median ms after their images"
close_window "$game"
close_results
echo "PASS: access speak word (median $median ms)"
