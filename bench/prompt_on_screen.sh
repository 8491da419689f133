#!/usr/bin/env bash
# The prompt on screen after the image, with errorless teaching (the prompt
# shows with each image), timed from outside the real program under Xvfb.
# Prints the median and the worst over the rounds.
#   bench/prompt_on_screen.sh <the program's folder, e.g. build/app> [rounds, 40]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
rounds=${2:-40}
. "$here/../tests/e2e/common.bash" "$(cd "$1" && pwd)" "$here/../tests/e2e" ""
set=$WORK/app/Set_prompts
mkdir -p "$set/Images" "$set/Symbols"
# One saturated hue per image, each shown once: every round's image differs from the last.
for h in $(seq 0 $((rounds + 1))); do
  c="hsb($((h * 360 / (rounds + 2))),100%,100%)"
  convert -size 640x320 "xc:$c" "$set/Images/h$h.jpg"
  convert -size 200x200 "xc:$c" "$set/Symbols/h$h.jpg"
done
printf '[GeneralSettings]\nImagesSet=prompts\nMaxPlaceholders=2\nPlaySounds=0\nWayToWork=2\n' >"$INI"
"$WORK/app/lumari-teacher" learner Ann --procedure errorless --plays-next >/dev/null
start_game
settle "$game"
/usr/bin/python3 "$here/prompt_on_screen.py" "$game" "$rounds" 348,206 148,548 545,548 >"$WORK/ms" || { import -window "$game" /tmp/wire27_fail.png; cat "$WORK/ms"; fail "the prompts could not be timed"; }
${KEEP_SHOT:+import -window "$game" "$KEEP_SHOT"}
close_window "$game"
wait_window "About Lumari !"; answer "$WIN"
wait_end
/usr/bin/python3 - "$WORK/ms" <<'PY'
import statistics, sys
ms = [float(line) for line in open(sys.argv[1])]
print("image -> prompt on screen (errorless): median %.1f ms, worst %.1f ms, %d rounds" % (statistics.median(ms), max(ms), len(ms)))
PY
