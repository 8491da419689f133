#!/usr/bin/env bash
# The real program over a damaged settings file: it comes up, keeps the
# damaged bytes beside the file before its first write and counts the run;
# a count that is no number is reported in one box and counted from 0.
. "$2/common.bash" "$@" cmp

# A run closed with the options window's close box; every box on the way is
# answered with Return and counted in BOXES.
run_and_close() {
  start_app
  wait_window "Lumari !"
  close_window "$WIN"
  BOXES=0
  local n box
  for n in $(seq 300); do
    kill -0 "$APP_PID" 2>/dev/null || break
    for box in $(boxes); do answer "$box"; BOXES=$((BOXES + 1)); done
    sleep 0.1
  done
  wait_end
}

# Years of counts, then a cut and garbage: the bytes are kept, the counts go on.
{ printf '[Statistics]\nShown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=4\n[GeneralSettings]\nImagesSet=def'
  head -c 3000 /dev/urandom; } >"$WORK/damaged.ini"
cp "$WORK/damaged.ini" "$INI"
run_and_close
[ "$BOXES" = 0 ] || fail "$BOXES boxes over a damaged file"
copies=("$INI".damaged-*)
[ -e "${copies[0]}" ] || fail "no copy of the damaged file was kept"
cmp -s "${copies[0]}" "$WORK/damaged.ini" || fail "the kept copy differs from the damaged file"
[ "$(totals)" = "20 15 3 5" ] || fail "shown, right, wrong, used: $(totals), not 20 15 3 5"
# The repaired file counts on, without another copy.
run_and_close
[ "$BOXES" = 0 ] || fail "$BOXES boxes over the repaired file"
[ "$(setting Statistics Used)" = 6 ] || fail "Used is $(setting Statistics Used) after the repair"
copies=("$INI".damaged-*)
[ "${#copies[@]}" = 1 ] || fail "the repaired file was copied again"

# A count that is no number: one box from the closing, then 1.
printf '[Statistics]\nUsed=many\n' >"$INI"
run_and_close
[ "$BOXES" = 1 ] || fail "$BOXES boxes for a count that is no number"
[ "$(setting Statistics Used)" = 1 ] || fail "Used is $(setting Statistics Used)"
echo "PASS: damaged settings"
