#!/usr/bin/env bash
# Ann on a 2 s constant delay: a round left for 3 s shows its prompt (the other symbol dimmed over the window's
# background, the right one as it was), then is answered; the next one is answered at once. The history holds the
# prompt of the first and none for the second. Then Bob, with no plan: nothing changes in 5 s.
. "$2/common.bash" "$@"
colour_set four red blue '#00ff00' yellow
printf '[GeneralSettings]\nImagesSet=four\nMaxPlaceholders=2\nPlaySounds=0\nWayToWork=2\n' >"$INI"
HISTORY=$XDG_DATA_HOME/lumari/history.sqlite
sql() { /usr/bin/python3 -c 'import sqlite3, sys; print(" ".join(":".join(map(str, r)) for r in sqlite3.connect(sys.argv[1]).execute(sys.argv[2])))' "$HISTORY" "$1"; }
teacher() { "$WORK/app/lumari-teacher" learner "$@" >>"$WORK/teacher.log" 2>&1 || fail "lumari-teacher learner $*: $(cat "$WORK/teacher.log")"; }
# A pixel of the last shot as "R G B", 0 to 255.
rgb() { convert "$WORK/shot.png" -format "%[fx:round(255*p{$1,$2}.r)] %[fx:round(255*p{$1,$2}.g)] %[fx:round(255*p{$1,$2}.b)]" info:; }
# Whether pixel $1 is $2 at 20 % over $3, within a few steps per channel.
dimmed() { /usr/bin/python3 -c 'import sys; p, c, b = (list(map(int, a.split())) for a in sys.argv[1:]); sys.exit(any(abs(x - (0.2 * y + 0.8 * z)) > 12 for x, y, z in zip(p, c, b)))' "$1" "$2" "$3"; }
next_round() { local previous=$IMAGE; wait_until drawn "$previous" || fail "$1"; }

teacher Ann --procedure constant-delay --delay 2 --zero-delay-sessions 0 --plays-next
start_game
wait_until drawn none || fail "the first round was not drawn"
right=$(rgb $RIGHT 548) wrong=$(rgb $WRONG 548) background=$(rgb 900 300)
sleep 3
settle "$game"; shot "$game"
[ "$(rgb $RIGHT 548)" = "$right" ] || fail "the right symbol changed with the prompt: $(rgb $RIGHT 548), was $right"
dimmed "$(rgb $WRONG 548)" "$wrong" "$background" || fail "the other symbol is $(rgb $WRONG 548), not $wrong dimmed over $background"
key $RIGHT
next_round "a right answer did not bring the next image"
key $RIGHT
next_round "a right answer did not bring the third image"
close_window "$game"
close_results
[ "$(sql "SELECT procedure, delay_ms FROM sessions")" = "constant-delay:2000" ] || fail "the session's plan: $(sql "SELECT procedure, delay_ms FROM sessions")"
prompts=$(sql "SELECT prompt_ms BETWEEN 1900 AND 2400, prompt_ms FROM rounds ORDER BY seq LIMIT 2")
case "$prompts" in "1:"*" None:None") ;; *) fail "the rounds' prompts: $prompts" ;; esac

teacher Bob --plays-next
start_game
wait_until drawn none || fail "the first round without a plan was not drawn"
before="$(rgb $RIGHT 548) $(rgb $WRONG 548)"
sleep 5
settle "$game"; shot "$game"
[ "$(rgb $RIGHT 548) $(rgb $WRONG 548)" = "$before" ] || fail "without a plan the symbols changed: $(rgb $RIGHT 548) $(rgb $WRONG 548), were $before"
key $RIGHT
next_round "a right answer without a plan did not bring the next image"
close_window "$game"
close_results
[ "$(sql "SELECT count(*) FROM rounds WHERE prompt_ms IS NOT NULL")" = 1 ] || fail "a prompt recorded without a plan"
echo "PASS: teaching plan"
