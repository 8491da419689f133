#!/usr/bin/env bash
# Real audio through the real program: the options window's "Play it" button
# beside the right-answer list, under a real X server, with the test's own
# PulseAudio server whose null sink is recorded with parec. The bundled
# ok.wav must reach the sink; a damaged and a vanished ok.wav must put
# nothing there and show no box.
set -euo pipefail
APP_DIR=$1
E2E_DIR=$2
. "$E2E_DIR/common.bash"
need pulseaudio parec
need Xvfb xdotool xwininfo /usr/bin/python3

WORK=$(mktemp -d)
cleanup_audio() {
  [ -n "${PAREC_PID:-}" ] && kill "$PAREC_PID" 2>/dev/null || true
  [ -n "${PULSE_PID:-}" ] && kill "$PULSE_PID" 2>/dev/null || true
  cleanup
}
trap cleanup_audio EXIT
cp -r "$APP_DIR" "$WORK/app"
export XDG_CONFIG_HOME="$WORK/config"
mkdir -p "$XDG_CONFIG_HOME"

# The test's own audio server: its own runtime folder and socket, so it
# neither meets nor disturbs a user's session; allowed to run as root.
export HOME="$WORK" XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/native"
pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=false --disable-shm=yes --log-target=stderr \
  --load="module-null-sink sink_name=lumari_test rate=44100 channels=1" \
  --load="module-native-protocol-unix socket=$XDG_RUNTIME_DIR/native auth-anonymous=1" \
  >"$WORK/pulse.log" 2>&1 &
PULSE_PID=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/native" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/native" ] || { cat "$WORK/pulse.log"; fail "the test's PulseAudio server did not start"; }

start_xvfb
start_app
options=$(wait_window "Lumari !") || fail "the options window did not appear"
read -r x y _ _ < <(window_geometry "$options")
# cmdPlayOk: 4920, 810, 375 x 375 twips inside Frame1 at 240, 4920.
play_x=$((x + (240 + 4920 + 187) / 15))
play_y=$((y + (4920 + 810 + 187) / 15))

# Peak sample of a raw recording (16-bit mono).
peak() {
  /usr/bin/python3 -c '
import array, sys
a = array.array("h", open(sys.argv[1], "rb").read())
print(max((abs(v) for v in a), default=-1), len(a))' "$1"
}

# Records the sink while the button is clicked once; prints "peak samples".
record_click() {
  local out=$WORK/$1.raw
  parec -d lumari_test.monitor --format=s16le --channels=1 --rate=44100 --raw --latency-msec=20 >"$out" &
  PAREC_PID=$!
  for _ in $(seq 100); do [ "$(stat -c %s "$out")" -gt 8820 ] && break; sleep 0.05; done
  xdotool mousemove "$play_x" "$play_y" click 1
  sleep 1.5
  kill "$PAREC_PID"; wait "$PAREC_PID" 2>/dev/null || true
  PAREC_PID=""
  peak "$out"
}

no_box() {
  sleep 0.3
  local id
  for id in $(xdotool search --onlyvisible --name "." 2>/dev/null); do
    [ "$id" = "$options" ] && continue
    fail "a window appeared after $1: $(xdotool getwindowname "$id")"
  done
}

read -r loud samples < <(record_click ok)
[ "$samples" -gt 44100 ] || fail "the recording holds only $samples samples"
[ "$loud" -gt 3000 ] || fail "the bundled ok.wav did not reach the sink (peak $loud)"
no_box "playing ok.wav"

# The same name, now a damaged file: silence and no box.
printf 'RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00garbage' >"$WORK/app/Sounds/ok.wav"
read -r damaged _ < <(record_click damaged)
[ "$damaged" -lt 100 ] || fail "a damaged ok.wav was heard (peak $damaged)"
no_box "a damaged ok.wav"

# The file gone while the program runs: silence and no box.
rm "$WORK/app/Sounds/ok.wav"
read -r missing _ < <(record_click missing)
[ "$missing" -lt 100 ] || fail "a missing ok.wav was heard (peak $missing)"
no_box "a missing ok.wav"

kill -0 "$APP_PID" 2>/dev/null || fail "the program ended"
echo "ok.wav peak $loud; damaged $damaged; missing $missing"
