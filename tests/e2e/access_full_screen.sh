#!/usr/bin/env bash
# A learner set to play full screen on a 1600x1200 screen: the game covers the screen with the image scaled up,
# a short Esc changes nothing, Esc held 3.5 s opens the adult's menu, whose "End game" ends the game as the close box does.
E2E_SCREEN=1600x1200
. "$2/common.bash" "$@"
colour_set three red blue '#00ff00'
printf '[GeneralSettings]\nImagesSet=three\nMaxPlaceholders=2\nPlaySounds=0\n' >"$INI"
"$WORK/app/lumari-teacher" learner Ann --screen full --plays-next >/dev/null || fail "the learner command refused --screen full"

start_game
settle "$game"
geometry() { xdotool getwindowgeometry "$game" | awk '/Position|Geometry/ { printf "%s ", $2 }'; }
covers() { [ "$(geometry)" = "0,0 1600x1200 " ]; }
wait_until covers || fail "the game window does not cover the screen: $(geometry)"
# The image, 600 px wide as described, scaled by 1.59 and centred with the placeholders (from x=323, its
# middle at y=406): both ends of a 937 px span are its colour.
image_wide() { shot "$game"; local c; c=$(colour 330 406); [ "$c" != other ] && [ "$(colour 1267 406)" = "$c" ]; }
wait_until image_wide || fail "the image is not shown at least 1.4 times its described width"
count() { xdotool search --onlyvisible --pid "$APP_PID" . 2>/dev/null | wc -l; }
before=$(count)

xdotool windowfocus --sync "$game" key Escape
settle "$game"
[ "$(count)" = "$before" ] && covers || fail "a short Esc changed the game: $(count) windows, $(geometry)"

xdotool windowfocus --sync "$game" keydown Escape; sleep 3.5; xdotool keyup Escape
wait_until eval '[ "$(count)" -gt "$before" ]' || fail "Esc held 3.5 s did not open the adult's menu ($(count) windows)"
xdotool key Down Down Return  # "End game"
close_results

echo "PASS: access full screen"
