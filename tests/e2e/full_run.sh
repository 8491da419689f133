#!/usr/bin/env bash
# A whole run as a user makes it: "Start program" over a two-image set drawn once each, a right
# answer clicked, a wrong and a right one keyed, the end of the set and the results window; the
# stored totals count each round's first answer only.
. "$2/common.bash" "$@"
colour_set e2e red blue
printf '[GeneralSettings]\nImagesSet=e2e\nMaxPlaceholders=2\nPlaySounds=0\nWayToWork=2\n[Statistics]\nShown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=4\n' >"$INI"
start_game
is_box "$game" && fail "a box at the start of the game"

wait_until drawn none || fail "the first round was not drawn"
click "$game" $RIGHT 548
first=$IMAGE
wait_until drawn "$first" || fail "a right answer did not bring the other image"
# Keys answer the second image.
key $WRONG
key $RIGHT
wait_window "End of set"; answer "$WIN"
close_results
# 20 shown, 15 right, 3 wrong, 4 runs before; this run: 2 shown, 1 right, 1 wrong.
[ "$(totals)" = "22 16 4 5" ] || fail "shown, right, wrong, used: $(totals), not 22 16 4 5"
echo "PASS: full run"
