#!/usr/bin/env bash
# The access settings' timings, from outside the real program under Xvfb
# (1600 x 1200, window mode, two placeholders): a learner who scans every
# 0.7 s (the frame's first step and the later ones; Space on the framed right
# symbol until the next image), then one who dwells 1 s (the pointer onto the
# right symbol until the next image). Prints the median and 95th percentile of each, and
# the least and the most.
#   bench/access_timing.sh <the program's folder, e.g. build/app> [rounds, 20]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
app=$(cd "$1" && pwd) rounds=${2:-20}
figures=$(mktemp)
trap 'rm -f "$figures"' EXIT
for setting in "--scan 700" "--dwell 1000"; do
  (
    E2E_SCREEN=1600x1200 what=${setting%% *}
    what=${what#--}
    . "$here/../tests/e2e/common.bash" "$app" "$here/../tests/e2e" ""
    set=$WORK/app/Set_access
    mkdir -p "$set/Images" "$set/Symbols"
    # One saturated hue per pair, each shown once: every round's image differs from the last.
    pairs=$((rounds + 3))
    for h in $(seq 0 $((pairs - 1))); do
      c="hsb($((h * 360 / pairs)),100%,100%)"
      convert -size 320x160 "xc:$c" "$set/Images/h$h.jpg"
      convert -size 200x200 "xc:$c" "$set/Symbols/h$h.jpg"
    done
    printf '[GeneralSettings]\nImagesSet=access\nMaxPlaceholders=2\nPlaySounds=0\nWayToWork=2\n' >"$INI"
    # shellcheck disable=SC2086 # the setting is an option and its value
    "$WORK/app/lumari-teacher" learner Ann $setting --plays-next >/dev/null 2>>"$WORK/app.log"
    start_game
    settle "$game"
    # The described window: the image's centre, the placeholders' centres (at x 48 and 445, 201 wide),
    # and the scan frame's yellow 8 px left of each placeholder.
    /usr/bin/python3 "$here/access_timing.py" "$what" "$game" "$rounds" 348,206 148,548 545,548 40,548 437,548 \
      >>"$figures" || fail "$setting could not be timed"
    close_window "$game"
    close_results
  )
done
/usr/bin/python3 - "$figures" <<'PY'
import statistics, sys
figures = {}
for line in open(sys.argv[1]):
    name, ms = line.split()
    figures.setdefault(name, []).append(float(ms))
for name, title in (("first", "--scan 700, image appears -> frame's first step (1.5 steps: 1050 ms)"),
                    ("step", "--scan 700, frame's later steps, each (700 ms)"),
                    ("select", "--scan 700, Space on the framed right symbol -> next image (<= 100 ms)"),
                    ("dwell", "--dwell 1000, pointer onto the right symbol -> next image (0.9 to 1.6 s)")):
    ms = sorted(figures.get(name, []))
    if not ms:
        sys.exit("no figures for " + name)
    p95 = ms[min(len(ms) - 1, round(0.95 * (len(ms) - 1)))]
    print("%-76s median %7.1f ms, 95th percentile %7.1f ms (%.1f to %.1f), %d times"
          % (title + ":", statistics.median(ms), p95, ms[0], ms[-1], len(ms)))
PY
