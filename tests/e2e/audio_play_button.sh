#!/usr/bin/env bash
# Real audio: "Play it" heard on the test's own PulseAudio server through a null sink recorded on
# its monitor: the bundled ok.wav, then a tone in every WAV encoding of teachers' collections.
# Damaged copies, other containers named .wav and a missing ok.wav are silence, and show no box.
. "$2/common.bash" "$@" pulseaudio parec sox
start_sound_server
open_options

REC=$WORK/rec.raw
recorded() { [ "$(stat -c %s "$REC")" -ge "$1" ]; }
# Peak sample of the recording (16-bit mono) from a byte offset on.
peak() { /usr/bin/python3 -c 'import array, sys; b = open(sys.argv[1], "rb").read()[int(sys.argv[2]) // 2 * 2:]
print(max(map(abs, array.array("h", b)), default=0))' "$REC" "$1"; }
loud() { [ "$(peak "$1")" -gt 3000 ]; }
over() { [ "$(peak $(($(stat -c %s "$REC") - 17640)))" -lt 100 ]; }  # the last 0.2 s
# Clicks "Play it" while the sink is recorded: heard (then waits for its end), or silent over 1.5 s of
# recording after the click was handled; no box either way.
play() {
  parec -d e2e.monitor --format=s16le --channels=1 --rate=44100 --raw --latency-msec=20 >"$REC" &
  EXTRA_PIDS="$EXTRA_PIDS $!"
  wait_until recorded 8820 || fail "nothing is recorded"
  local before start
  before=$(stat -c %s "$REC")
  click "$options" 356 394
  settle "$options"
  [ -z "$(boxes)" ] || fail "a box after $2"
  start=$(stat -c %s "$REC")
  if [ "$1" = heard ]; then
    wait_until loud "$before" || fail "$2 was not heard"
    wait_until over || fail "$2 does not end"
  else
    wait_until recorded $((start + 132300))
    [ "$(peak "$start")" -lt 100 ] || fail "$2 was heard (peak $(peak "$start"))"
  fi
  kill "${EXTRA_PIDS##* }"
}
play heard "the bundled ok.wav"
OK=$WORK/app/Sounds/ok.wav
for encoding in "wav -e unsigned -b 8" "wav -c 2 -e signed -b 16" "wav -e signed -b 24" "wav -e signed -b 32" \
  "wav -e floating-point -b 32" "wav -e ima-adpcm" "wav -e ms-adpcm" "wav -e u-law" "wav -e a-law" \
  "wav -r 8000 -e gsm-full-rate" aiff flac; do
  # shellcheck disable=SC2086
  sox -n -r 22050 -c 1 -t $encoding "$OK" synth 0.5 sine 660 vol 0.8
  case $encoding in wav*) ;; *) play silent "$encoding named .wav"; continue ;; esac
  play heard "$encoding"
  cp "$OK" "$WORK/tone" && head -c 30 "$WORK/tone" >"$OK"
  play silent "$encoding cut short"
done
sox -n -r 22050 -c 1 -t wav -B "$OK" synth 0.5 sine 660 vol 0.8  # big-endian: "RIFX", not "RIFF"
play silent "a RIFX file named .wav"
printf 'RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00garbage' >"$OK"
play silent "a damaged ok.wav"
rm "$OK"
play silent "a missing ok.wav"
close_window "$options"; wait_end
echo "PASS: audio"
