#!/usr/bin/env bash
# The real program over a settings file with years of counts, then a cut and garbage: it comes up with no box,
# its close box ends it, the damaged bytes are kept beside the file and the counts go on.
. "$2/common.bash" "$@" cmp
{ printf '[Statistics]\nShown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=4\n[GeneralSettings]\nImagesSet=def'
  for _ in $(seq 100); do printf '\x00\xff\xfe\x01garbage\x1b[\xc3\x28\n=\x7f'; done; } >"$WORK/damaged.ini"
cp "$WORK/damaged.ini" "$INI"
open_options
! is_box "$WIN" || fail "a box over a damaged file"
close_window "$WIN"
wait_end  # a box left open would keep it from ending
copies=("$INI".damaged-*)
cmp -s "${copies[0]}" "$WORK/damaged.ini" || fail "the damaged bytes were not kept beside the file"
[ "$(totals)" = "20 15 3 5" ] || fail "shown, right, wrong, used: $(totals), not 20 15 3 5"
echo "PASS: damaged settings"
