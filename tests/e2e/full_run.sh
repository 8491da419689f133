#!/usr/bin/env bash
# A whole run of the real program as a user makes it, under a real X server:
# the options window, "Start program", a right and a wrong answer, closing the
# game window, Enter on the results window; then the statistics are read back
# from the settings file.
set -euo pipefail
APP_DIR=$1
E2E_DIR=$2
. "$E2E_DIR/common.bash"
need Xvfb xdotool xwininfo import convert /usr/bin/python3
/usr/bin/python3 -c "import Xlib" 2>/dev/null || skip "python3-xlib is not installed"

WORK=$(mktemp -d)
trap cleanup EXIT
cp -r "$APP_DIR" "$WORK/app"
# A coherent set whose right symbol can be told by its colour: each image
# has the colour of its symbol.
mkdir -p "$WORK/app/Set_e2e/Images" "$WORK/app/Set_e2e/Symbols"
for colour in red blue; do
  convert -size 320x160 xc:$colour "$WORK/app/Set_e2e/Images/$colour.jpg"
  convert -size 200x200 xc:$colour "$WORK/app/Set_e2e/Symbols/$colour.jpg"
done

export XDG_CONFIG_HOME="$WORK/config"
mkdir -p "$XDG_CONFIG_HOME"
printf '[GeneralSettings]\nImagesSet=e2e\nMaxPlaceholders=2\nShowLabels=1\nPlaySounds=0\nWayToWork=1\n[Statistics]\nShown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=4\n' \
  > "$XDG_CONFIG_HOME/K.Orvel-Lumari.ini"

start_xvfb
start_app

options=$(wait_window "Lumari !") || fail "the options window did not appear"
read -r x y w h < <(window_geometry "$options")
[ "$w $h" = "406 520" ] || fail "options window client area is ${w}x${h}, not 406x520"
[ "$x $y" = "184 250" ] || fail "options window is at ($x, $y), not (184, 250)"

# "Start program": 4680, 7200, 1215 x 375 twips in the client area.
xdotool mousemove $((x + 312 + 40)) $((y + 480 + 12)) click 1
game=$(wait_window "Lumari !" "$options") || fail "the game window did not appear"
sleep 0.5
read -r gx gy gw gh < <(window_geometry "$game")
[ "$gw $gh" = "1009 676" ] || fail "game window client area is ${gw}x${gh}, not 1009x676"

# Two placeholders: left edges 720 and 6675 twips, top 6720, 3015 square;
# the image at 720, 840, 9000 x 4500.
centre_y=$((448 + 100))
is_red() { IFS=, read -r r g b <<<"$1"; [ "$r" -gt 180 ] && [ "$b" -lt 80 ]; }
# Prints the x of the placeholder whose colour matches the image (or not).
placeholder() {
  local want=$1 image cx
  image=$(pixel "$game" 348 206)
  for cx in 148 545; do
    local same=no
    if is_red "$image"; then is_red "$(pixel "$game" "$cx" "$centre_y")" && same=yes
    else is_red "$(pixel "$game" "$cx" "$centre_y")" || same=yes; fi
    [ "$same" = "$want" ] && { echo "$cx"; return 0; }
  done
  return 1
}

right=$(placeholder yes) || fail "no placeholder matches the image"
xdotool mousemove $((gx + right)) $((gy + centre_y)) click 1   # right: a new round
sleep 0.5
wrong=$(placeholder no) || fail "no placeholder differs from the image"
xdotool mousemove $((gx + wrong)) $((gy + centre_y)) click 1   # wrong: counted once
sleep 0.3

close_window "$game"
about=$(wait_window "About Lumari !") || fail "the results window did not appear"
xdotool windowfocus --sync "$about" key Return

for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end after the results window closed"
wait "$APP_PID" && status=0 || status=$?
APP_PID=""
[ "$status" -eq 0 ] || fail "exit status $status"

# 20/15/3 before; this session: 2 shown, 1 right, 1 wrong; "Used" counted once.
[ "$(setting Statistics Shown)" = "22" ] || fail "Shown is $(setting Statistics Shown)"
[ "$(setting Statistics CorrectAnswers)" = "16" ] || fail "CorrectAnswers is $(setting Statistics CorrectAnswers)"
[ "$(setting Statistics WrongAnswers)" = "4" ] || fail "WrongAnswers is $(setting Statistics WrongAnswers)"
[ "$(setting Statistics Used)" = "5" ] || fail "Used is $(setting Statistics Used)"
echo "PASS: full run"
