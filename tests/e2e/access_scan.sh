#!/usr/bin/env bash
# A learner set to scan every 0.7 s: Space while the frame stands on the right symbol brings the next image.
E2E_SCREEN=1600x1200
. "$2/common.bash" "$@"
colour_set three red blue '#00ff00'
printf '[GeneralSettings]\nImagesSet=three\nMaxPlaceholders=2\nPlaySounds=0\nWayToWork=2\n' >"$INI"
"$WORK/app/lumari-teacher" learner Ann --scan 700 --plays-next >/dev/null || fail "the learner command refused --scan 700"

start_game
wait_until drawn none || fail "the first round was not drawn"
# The frame's yellow just left of a placeholder: at 40 before the left one (x 48), at 437 before the right one (x 445).
framed() { shot "$game"; [ "$(colour "$(( RIGHT == 148 ? 40 : 437 ))" 548)" = yellow ]; }
select_right() {
  local previous=$IMAGE
  wait_until framed || return 1
  xdotool windowfocus --sync "$game" key space
  # The frame may have moved on between the look and the press: then the press was a wrong answer; look again.
  local n; for n in $(seq 10); do drawn "$previous" && return 0; sleep 0.1; done; return 1
}
wait_until select_right || fail "Space on the framed right symbol did not bring the next image"
close_window "$game"
close_results
[ "$(setting Statistics Shown)" = 2 ] || fail "$(setting Statistics Shown) rounds shown, not 2"
echo "PASS: access scan"
