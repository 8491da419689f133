#!/usr/bin/env bash
# A game played for the learner "Ann" on a four-picture set: a right answer, a wrong then a right one, "Change
# set", then the window closed on the fourth round. The statistics count it as always, the learners' history
# holds the game round by round, and lumari-teacher reports it as CSV and PDF. Then a history overwritten with
# noise: kept aside, one box, the statistics still stored, a new history with that game.
. "$2/common.bash" "$@" pdftotext
colour_set four red blue '#00ff00' yellow
printf '[GeneralSettings]\nImagesSet=four\nMaxPlaceholders=2\nPlaySounds=0\nWayToWork=2\n[Learners]\nCurrent=Ann\n' >"$INI"
HISTORY=$XDG_DATA_HOME/lumari/history.sqlite
sql() { /usr/bin/python3 -c 'import sqlite3, sys; print(" ".join(":".join(map(str, r)) for r in sqlite3.connect(sys.argv[1]).execute(sys.argv[2])))' "$HISTORY" "$1"; }

# A new game's first round drawn; the next round drawn, or the failure.
first_round() { start_game; wait_until drawn none || fail "the first round was not drawn"; }
next_round() { local previous=$IMAGE; wait_until drawn "$previous" || fail "$1"; }
first_round
click "$game" $RIGHT 548
next_round "a right answer did not bring the next image"
key $WRONG
key $RIGHT
next_round "a right answer did not bring the third image"
xdotool windowfocus --sync "$game" key Return  # "Change set", which has the focus
next_round "\"Change set\" did not bring the fourth image"
close_window "$game"
close_results
[ "$(totals)" = "4 1 1 1" ] || fail "shown, right, wrong, used: $(totals), not 4 1 1 1"
session=$(sql "SELECT l.name, s.set_name, s.placeholders, s.way_to_work, s.shown, s.correct, s.wrong FROM sessions s JOIN learners l ON l.id = s.learner_id")
[ "$session" = "Ann:four:2:2:4:1:1" ] || fail "the sessions row: $session"
rounds=$(sql "SELECT first_answer, answers, skipped FROM rounds ORDER BY seq")
[ "$rounds" = "right:1:0 wrong:2:0 none:0:1 none:0:0" ] || fail "the rounds: $rounds"
timed=$(sql "SELECT response_ms > 0 FROM rounds ORDER BY seq")
[ "$timed" = "1 1 None None" ] || fail "response times given: $timed"
ways=$(sql "SELECT s.task, r.answered_by FROM rounds r JOIN sessions s ON s.id = r.session_id ORDER BY r.seq")
[ "$ways" = "match:click match:key match:None match:None" ] || fail "the task and each first answer's way: $ways"

"$WORK/app/lumari-teacher" report --learner ann --csv "$WORK/ann.csv" --pdf "$WORK/ann.pdf" >"$WORK/report.log" 2>&1 ||
  fail "report: $(cat "$WORK/report.log")"
grep -qE "^Ann, .*: 1 game, 4 rounds shown" "$WORK/report.log" || fail "the totals line: $(cat "$WORK/report.log")"
[ "$(wc -l <"$WORK/ann.csv")" = 5 ] || fail "the CSV holds $(wc -l <"$WORK/ann.csv") lines, not a header and 4 rounds"
[ "$(sed -n 3p "$WORK/ann.csv" | tr -d "\r" | cut -d, -f1,4,9,10,12)" = "Ann,four,wrong,2,0" ] || fail "the CSV's second round: $(sed -n 3p "$WORK/ann.csv")"
[ "$(sed -n 3p "$WORK/ann.csv" | tr -d "\r" | cut -d, -f17,18)" = "match,key" ] || fail "the CSV's second round's task and way: $(sed -n 3p "$WORK/ann.csv")"
pdftotext "$WORK/ann.pdf" - | grep -q "Progress of Ann" || fail "the PDF does not name Ann"
status=$("$WORK/app/lumari-teacher" report --learner Zed >/dev/null 2>&1; echo $?)
[ "$status" = 1 ] || fail "report for an unknown learner: exit status $status, not 1"

# A history overwritten with noise.
head -c 20000 /dev/urandom >"$HISTORY"
first_round
click "$game" $RIGHT 548
next_round "a right answer did not bring the next image"
close_window "$game"
# The box, beside the results window, which opens at once.
history_box() { local id; for id in $(windows "Lumari !"); do if is_box "$id"; then BOX=$id; return 0; fi; done; return 1; }
wait_until history_box || fail "no box told of the damaged history"
answer "$BOX"
close_results
[ "$(totals)" = "6 2 1 2" ] || fail "shown, right, wrong, used after the damaged history: $(totals), not 6 2 1 2"
ls "$HISTORY".damaged-* >/dev/null 2>&1 || fail "the damaged history was not kept aside"
[ "$(sql "SELECT count(*), sum(shown) FROM sessions")" = "1:2" ] || fail "the new history: $(sql "SELECT count(*), sum(shown) FROM sessions")"
echo "PASS: learner history"
