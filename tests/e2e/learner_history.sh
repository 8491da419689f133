#!/usr/bin/env bash
# A game played for the learner "Ann" on a four-picture set: a right answer, a wrong then a right
# one, "Change set", then the window closed on the fourth round. The statistics count it as
# always, and the learners' history holds the game round by round. Then a history overwritten
# with noise: kept aside, one box, the statistics still stored, a new history with that game.
. "$2/common.bash" "$@"
for c in red blue '#00ff00' yellow; do
  mkdir -p "$WORK/app/Set_four/Images" "$WORK/app/Set_four/Symbols"
  convert -size 320x160 "xc:$c" "$WORK/app/Set_four/Images/${c#\#}.jpg"
  convert -size 200x200 "xc:$c" "$WORK/app/Set_four/Symbols/${c#\#}.jpg"
done
printf '[GeneralSettings]\nImagesSet=four\nMaxPlaceholders=2\nPlaySounds=0\nWayToWork=2\n[Learners]\nCurrent=Ann\n' >"$INI"
HISTORY=$HOME/.local/share/lumari/history.sqlite
sql() { /usr/bin/python3 -c 'import sqlite3, sys; print(" ".join(":".join(map(str, r)) for r in sqlite3.connect(sys.argv[1]).execute(sys.argv[2])))' "$HISTORY" "$1"; }

# From the options window to the first round drawn, in $game.
start_game() {
  start_app
  wait_window "Lumari !"; local options=$WIN
  click "$options" 352 492  # "Start program"
  wait_window "Lumari !" "$options"; game=$WIN
  wait_until drawn none || fail "the first round was not drawn"
}
start_game
click "$game" $RIGHT 548
previous=$IMAGE; wait_until drawn "$previous" || fail "a right answer did not bring the next image"
key $WRONG
key $RIGHT
previous=$IMAGE; wait_until drawn "$previous" || fail "a right answer did not bring the third image"
xdotool windowfocus --sync "$game" key Return  # "Change set", which has the focus
previous=$IMAGE; wait_until drawn "$previous" || fail "\"Change set\" did not bring the fourth image"
close_window "$game"
wait_window "About Lumari !"; answer "$WIN"
wait_end
[ "$(totals)" = "4 1 1 1" ] || fail "shown, right, wrong, used: $(totals), not 4 1 1 1"
session=$(sql "SELECT l.name, s.set_name, s.placeholders, s.way_to_work, s.shown, s.correct, s.wrong FROM sessions s JOIN learners l ON l.id = s.learner_id")
[ "$session" = "Ann:four:2:2:4:1:1" ] || fail "the sessions row: $session"
rounds=$(sql "SELECT first_answer, answers, skipped FROM rounds ORDER BY seq")
[ "$rounds" = "right:1:0 wrong:2:0 none:0:1 none:0:0" ] || fail "the rounds: $rounds"
timed=$(sql "SELECT response_ms > 0 FROM rounds ORDER BY seq")
[ "$timed" = "1 1 None None" ] || fail "response times given: $timed"

# A history overwritten with noise.
head -c 20000 /dev/urandom >"$HISTORY"
start_game
click "$game" $RIGHT 548
previous=$IMAGE; wait_until drawn "$previous" || fail "a right answer did not bring the next image"
close_window "$game"
wait_until eval 'test -n "$(boxes)"' || fail "no box told of the damaged history"
answer "$(boxes)"
wait_window "About Lumari !"; answer "$WIN"
wait_end
[ "$(totals)" = "6 2 1 2" ] || fail "shown, right, wrong, used after the damaged history: $(totals), not 6 2 1 2"
ls "$HISTORY".damaged-* >/dev/null 2>&1 || fail "the damaged history was not kept aside"
[ "$(sql "SELECT count(*), sum(shown) FROM sessions")" = "1:2" ] || fail "the new history: $(sql "SELECT count(*), sum(shown) FROM sessions")"
echo "PASS: learner history"
