#!/usr/bin/env bash
# A right answer's click until the next round is painted, timed from outside
# the real program under Xvfb, for a learner who plays full screen: on a
# screen of each size given. Prints the median and 95th percentile of each.
#   bench/full_screen_click_to_paint.sh <the program's folder> [rounds, 40] [sizes, 1600x1200 3840x2160]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
app=$(cd "$1" && pwd) rounds=${2:-40}
sizes=${3:-"1600x1200 3840x2160"}
for size in $sizes; do
  (
    E2E_SCREEN=$size
    . "$here/../tests/e2e/common.bash" "$app" "$here/../tests/e2e" ""
    set=$WORK/app/Set_clicks
    mkdir -p "$set/Images" "$set/Symbols"
    # Photos of the size a camera gives, decoded at the size shown.
    for c in red blue green yellow magenta cyan; do
      convert -size 3000x1500 xc:$c "$set/Images/$c.jpg"
      convert -size 1000x1000 xc:$c "$set/Symbols/$c.jpg"
    done
    printf '[GeneralSettings]\nImagesSet=clicks\nMaxPlaceholders=2\nPlaySounds=0\nWayToWork=1\n' >"$INI"
    "$WORK/app/lumari-teacher" learner Bench --screen full --plays-next >/dev/null
    start_game
    settle "$game"
    # The described centres of the image and of both placeholders, scaled to fit the screen; centred
    # is what full screen shows of the layout, the image, both placeholders and their captions
    # (601 x 641 from 48,8), "Change set" being out of the child's reach.
    read -r image left right < <(/usr/bin/python3 - "${size%x*}" "${size#*x}" <<'PY'
import sys
w, h = map(int, sys.argv[1:3])
s = min(w / 1009, h / 676)
ox, oy = round((w - 601 * s) / 2 - 48 * s), round((h - 641 * s) / 2 - 8 * s)
print(" ".join("%d,%d" % (round(ox + x * s), round(oy + y * s)) for x, y in ((348, 206), (148, 548), (545, 548))))
PY
)
    /usr/bin/python3 "$here/click_to_paint.py" "$game" "$rounds" 600 "$image" "$left" "$right" >"$WORK/ms" ||
      fail "the clicks could not be timed"
    close_window "$game"
    wait_window "About Lumari !"; answer "$WIN"
    wait_end
    /usr/bin/python3 - "$size" "$WORK/ms" <<'PY'
import statistics, sys
ms = sorted(float(line) for line in open(sys.argv[2]))
p95 = ms[min(len(ms) - 1, round(0.95 * (len(ms) - 1)))]
print("%-10s full screen, click -> next round painted: median %6.1f ms, 95th percentile %6.1f ms, %d rounds"
      % (sys.argv[1], statistics.median(ms), p95, len(ms)))
PY
  )
done
