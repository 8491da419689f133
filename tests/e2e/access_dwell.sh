#!/usr/bin/env bash
# A learner set to dwell 1 s: the pointer parked on the right symbol brings the next image (each image once, so the next differs).
E2E_SCREEN=1600x1200
. "$2/common.bash" "$@"
colour_set four red blue '#00ff00' yellow
printf '[GeneralSettings]\nImagesSet=four\nMaxPlaceholders=2\nPlaySounds=0\nWayToWork=2\n' >"$INI"
"$WORK/app/lumari-teacher" learner Ann --dwell 1000 --plays-next >/dev/null || fail "the learner command refused --dwell 1000"

start_game
wait_until drawn none || fail "the first round was not drawn"
previous=$IMAGE
xdotool mousemove --window "$game" "$RIGHT" 548
wait_until drawn "$previous" || fail "the pointer resting on the right symbol did not bring the next image"
xdotool mousemove --window "$game" 900 100  # off the symbols: nothing more is chosen
close_window "$game"
close_results
[ "$(setting Statistics CorrectAnswers)" -ge 1 ] || fail "no right answer counted"
echo "PASS: access dwell"
