# Shared by the end-to-end journeys: the real program in a copy of its folder, its own settings folder and its
# own X server, all in one work folder that goes at the end. Arguments: the program's folder, this folder, the
# build folder; then the extra tools the journey needs.
set -euo pipefail
APP_DIR=$1 E2E_DIR=$2 BUILD_DIR=$3
shift 3
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; if [ -s "$WORK/app.log" ]; then echo "--- program output:"; cat "$WORK/app.log"; fi; exit 1; }
for tool in Xvfb xdotool xprop import convert /usr/bin/python3 "$@"; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
/usr/bin/python3 -c "import Xlib" 2>/dev/null || skip "python3-xlib is not installed"

WORK=$(mktemp -d)
APP_PID="" XVFB_PID="" EXTRA_PIDS=""
cleanup() {
  local pid
  for pid in $APP_PID $EXTRA_PIDS $XVFB_PID; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT
# Nothing the journey or the program writes by a relative path lands in the checkout.
cd "$WORK"
cp -r "$APP_DIR" "$WORK/app"
export HOME=$WORK XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data XDG_CACHE_HOME=$WORK/cache QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME"
INI=$XDG_CONFIG_HOME/K.Orvel-Lumari.ini

# Polls a command until it succeeds, at most about 30 s.
wait_until() { local n; for n in $(seq 300); do "$@" && return 0; sleep 0.1; done; return 1; }

# An X server on a display nobody else holds, of the size a journey sets in E2E_SCREEN (1280x1024 by default); -noreset: a client that leaves (a probe) does not reset it under
# the program. It writes its display number once it takes connections.
exec 3>"$WORK/display"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${E2E_SCREEN:-1280x1024}x24" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
exec 3>&-
wait_until test -s "$WORK/display" || { cat "$WORK/xvfb.log"; fail "Xvfb did not start"; }
export DISPLAY=:$(head -n 1 "$WORK/display")

# Starts the program, after an optional command prefix; open_options waits for its first window,
# $options; start_game presses its "Start program" and waits for the game window, $game.
start_app() { "$@" "$WORK/app/lumari" >>"$WORK/app.log" 2>&1 & APP_PID=$!; }
open_options() { start_app "$@"; wait_window "Lumari !"; options=$WIN; }
start_game() { open_options "$@"; click "$options" 352 492; wait_window "Lumari !" "$options"; game=$WIN; }

# The program's shown windows with exactly this title.
windows() { xdotool search --all --onlyvisible --pid "$APP_PID" --name "^$1\$" 2>/dev/null || true; }
# Message boxes are dialogs; the program's own windows are not.
is_box() { xprop -id "$1" _NET_WM_WINDOW_TYPE | grep -q DIALOG; }
boxes() { local id; for id in $(windows ".*"); do if is_box "$id"; then echo "$id"; fi; done; }
# Waits for a shown window with this title other than those given: WIN.
new_window() {
  local title=$1 id; shift
  for id in $(windows "$title"); do case " $* " in *" $id "*) ;; *) WIN=$id; return 0 ;; esac; done
  return 1
}
wait_window() { wait_until new_window "$@" || fail "no window \"$1\" appeared"; }
gone() { ! xdotool search --onlyvisible --pid "$APP_PID" --name . 2>/dev/null | grep -qx "$1"; }
# Return on a box, then waits until it is gone.
answer() { xdotool windowfocus --sync "$1" key Return; wait_until gone "$1" || fail "a box did not close on Return"; }

# What a window manager sends: the close box, and a ping answered only once
# the program has handled everything before it.
close_window() { /usr/bin/python3 "$E2E_DIR/xwm.py" close "$1"; }
settle() { /usr/bin/python3 "$E2E_DIR/xwm.py" sync "$1" || fail "the program does not answer"; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# A picture of a window, then the colour of its pixels: red, blue, green (#00ff00), yellow or other.
shot() { import -window "$1" "$WORK/shot.png"; }
colour() {
  local p="p{$1,$2}" names=(other red blue green yellow)
  local low="$p.b<0.3" high="$p.r>0.7"
  echo "${names[$(convert "$WORK/shot.png" -format \
    "%[fx:$high&&$p.g<0.3&&$low?1:($p.b>0.7&&$p.r<0.3&&$p.g<0.3?2:($p.g>0.7&&$p.r<0.3&&$low?3:($high&&$p.g>0.7&&$low?4:0)))]" info:)]}"
}

# The game window of two placeholders in $game: once a round whose image is not $1 is drawn, its colour IMAGE
# and the x of the placeholder of that colour (RIGHT) and of the other one (WRONG).
drawn() {
  settle "$game"; shot "$game"
  IMAGE=$(colour 348 206)
  [ "$IMAGE" != other ] && [ "$IMAGE" != "$1" ] || return 1
  local left right
  left=$(colour 148 548) right=$(colour 545 548)
  if [ "$left" = "$IMAGE" ] && [ "$right" != "$IMAGE" ]; then RIGHT=148 WRONG=545
  elif [ "$right" = "$IMAGE" ] && [ "$left" != "$IMAGE" ]; then RIGHT=545 WRONG=148
  else return 1; fi
}
# Answers the placeholder at that x by its key: two presses on one spot this quick would be a double-click.
key() { xdotool windowfocus --sync "$game" key "$(( $1 == 148 ? 1 : 2 ))"; }

# Waits for the program to end by itself; its exit status must be 0.
wait_end() {
  wait_until eval '! kill -0 "$APP_PID" 2>/dev/null' || fail "the program did not end"
  local status=0
  wait "$APP_PID" || status=$?
  APP_PID="" && [ "$status" = 0 ] || fail "exit status $status"
}
# OK on the results a game leaves: the program ends.
close_results() { wait_window "About Lumari !"; answer "$WIN"; wait_end; }

# A set of one-colour pairs, named for their colours: colour_set SET COLOUR...
colour_set() {
  local set=$WORK/app/Set_$1 c
  shift
  mkdir -p "$set/Images" "$set/Symbols"
  for c in "$@"; do
    convert -size 320x160 "xc:$c" "$set/Images/${c#\#}.jpg"
    convert -size 200x200 "xc:$c" "$set/Symbols/${c#\#}.jpg"
  done
}

# A PulseAudio server of the journey's own with one null sink "e2e" (16-bit
# mono at 44.1 kHz), whose monitor parec can record: the program's sound goes there.
start_sound_server() {
  export XDG_RUNTIME_DIR=$WORK/run PULSE_SERVER=unix:$WORK/run/native
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=false --disable-shm=yes --log-target=stderr \
    --load="module-null-sink sink_name=e2e rate=44100 channels=1" \
    --load="module-native-protocol-unix socket=$XDG_RUNTIME_DIR/native auth-anonymous=1" >"$WORK/pulse.log" 2>&1 &
  EXTRA_PIDS="$EXTRA_PIDS $!"
  wait_until test -S "$XDG_RUNTIME_DIR/native" || { cat "$WORK/pulse.log"; fail "no PulseAudio server"; }
}

setting() {
  awk -v section="[$1]" -v key="$2" '/^\[/ { inside = ($0 == section) }
    inside && index($0, key "=") == 1 { print substr($0, length(key) + 2) }' "$INI"
}
totals() { echo "$(setting Statistics Shown) $(setting Statistics CorrectAnswers) $(setting Statistics WrongAnswers) $(setting Statistics Used)"; }

# A speech-dispatcher of the journey's own, speaking on its sound server (start_sound_server first): the
# program's speech synthesis connects to it rather than starting one that would outlive the journey.
start_speech_server() {
  speech-dispatcher --run-single --timeout 0 >"$WORK/speech.log" 2>&1 &
  EXTRA_PIDS="$EXTRA_PIDS $!"
  wait_until test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" || { cat "$WORK/speech.log"; fail "no speech-dispatcher"; }
}
