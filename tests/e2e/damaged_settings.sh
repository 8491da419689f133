#!/usr/bin/env bash
# The real program over a damaged settings file, under a real X server: it
# comes up with its options window, keeps the damaged bytes beside the file
# before its first write and counts the run; a count that is no number is
# reported in a box, answered with Return, and counted from 0.
set -euo pipefail
APP_DIR=$1
E2E_DIR=$2
. "$E2E_DIR/common.bash"
need Xvfb xdotool xwininfo head cmp /usr/bin/python3
/usr/bin/python3 -c "import Xlib" 2>/dev/null || skip "python3-xlib is not installed"

WORK=$(mktemp -d)
trap cleanup EXIT
cp -r "$APP_DIR" "$WORK/app"
export XDG_CONFIG_HOME="$WORK/config"
mkdir -p "$XDG_CONFIG_HOME"
INI="$XDG_CONFIG_HOME/K.Orvel-Lumari.ini"
start_xvfb

# Starts the program, waits for its options window and closes it with its
# close box; every box on the way is answered with Return, and counted in
# BOXES.
run_and_close() {
  "$WORK/app/lumari" >>"$WORK/app.log" 2>&1 &
  APP_PID=$!
  local options box
  BOXES=0
  options=$(wait_window "Lumari !") || fail "the options window did not appear"
  close_window "$options"
  for _ in $(seq 150); do
    kill -0 "$APP_PID" 2>/dev/null || break
    for box in $(xdotool search --onlyvisible --name "^Lumari !\$" 2>/dev/null); do
      [ "$box" = "$options" ] && continue
      xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
      BOXES=$((BOXES + 1))
      sleep 0.3
    done
    sleep 0.1
  done
  kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end"
  wait "$APP_PID" || fail "exit status $?"
  APP_PID=""
}

# Years of counts, then a cut and garbage: the bytes are kept, the counts go on.
{ printf '[Statistics]\nShown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=4\n[GeneralSettings]\nImagesSet=def'
  head -c 3000 /dev/urandom; } > "$WORK/damaged.ini"
cp "$WORK/damaged.ini" "$INI"
run_and_close
[ "$BOXES" = 0 ] || fail "$BOXES boxes over a damaged file"
copy=$(ls "$XDG_CONFIG_HOME"/K.Orvel-Lumari.ini.damaged-* 2>/dev/null | head -n 1)
[ -n "$copy" ] || fail "no copy of the damaged file was kept"
cmp -s "$copy" "$WORK/damaged.ini" || fail "the kept copy differs from the damaged file"
[ "$(setting Statistics Used)" = "5" ] || fail "Used is $(setting Statistics Used)"
[ "$(setting Statistics CorrectAnswers)" = "15" ] || fail "CorrectAnswers is $(setting Statistics CorrectAnswers)"
# The repaired file counts on, without another copy.
run_and_close
[ "$BOXES" = 0 ] || fail "$BOXES boxes over the repaired file"
[ "$(setting Statistics Used)" = "6" ] || fail "Used is $(setting Statistics Used) after the repair"
[ "$(ls "$XDG_CONFIG_HOME"/K.Orvel-Lumari.ini.damaged-* | wc -l)" = 1 ] || fail "a sound file was copied"

# A count that is no number: one box from the closing routine, then 1.
printf '[Statistics]\nUsed=many\n' > "$INI"
run_and_close
[ "$BOXES" = 1 ] || fail "$BOXES boxes for a count that is no number"
[ "$(setting Statistics Used)" = "1" ] || fail "Used is $(setting Statistics Used)"
echo "PASS: damaged settings"
