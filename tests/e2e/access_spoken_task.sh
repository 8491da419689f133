#!/usr/bin/env bash
# "Find the one I say", with no recordings: the image box shows no photo, and the word is heard, synthesised by
# the journey's own speech-dispatcher with espeak-ng; R says it again.
. "$2/common.bash" "$@" pulseaudio parec speech-dispatcher
start_sound_server
start_speech_server
colour_set three red blue '#00ff00'
printf '[GeneralSettings]\nImagesSet=three\nMaxPlaceholders=2\nPlaySounds=0\nShowLabels=1\n' >"$INI"
"$WORK/app/lumari-teacher" learner Ann --task spoken --plays-next >/dev/null || fail "the learner command refused --task spoken"

REC=$WORK/rec.raw
parec -d e2e.monitor --format=s16le --channels=1 --rate=44100 --raw --latency-msec=20 >"$REC" &
EXTRA_PIDS="$EXTRA_PIDS $!"
peak() { /usr/bin/python3 -c 'import array, sys; b = open(sys.argv[1], "rb").read()[int(sys.argv[2]) // 2 * 2:]
print(max(map(abs, array.array("h", b)), default=0))' "$REC" "$1"; }
loud() { [ "$(peak "$1")" -gt 3000 ]; }
quiet() { local size; size=$(stat -c %s "$REC"); [ "$size" -gt 26460 ] && [ "$(peak $((size - 26460)))" -lt 200 ]; }  # the last 0.3 s

start_game
# The symbols are drawn in their colours; across the image box (600 x 300 from 48,56) no photo colour.
symbols() { settle "$game"; shot "$game"; [ "$(colour 148 548)" != other ] && [ "$(colour 545 548)" != other ]; }
wait_until symbols || fail "the round's symbols were not drawn"
for at in "60 70" "348 206" "630 340" "200 120" "500 300"; do
  # shellcheck disable=SC2086
  [ "$(colour $at)" = other ] || fail "the photo shows at $at: $(colour $at)"
done
wait_until loud 0 || fail "the word was not heard"
wait_until quiet || fail "the word did not end"
before=$(stat -c %s "$REC")
xdotool windowfocus --sync "$game" key r
wait_until loud "$before" || fail "R did not say the word again"
close_window "$game"
close_results
echo "PASS: access spoken task"
