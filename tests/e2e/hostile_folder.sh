#!/usr/bin/env bash
# The real program over a set anyone could have filled: good pictures (one a PNG under a .jpg name) beside
# damaged, cut, disguised, empty and unreadable ones. Drawn once each (one answered, the others skipped with
# "Change set"), every bad picture is reported in a box of its own and no good one; the game ends normally and
# the totals count every round and the answer.
. "$2/common.bash" "$@" setpriv
set=$WORK/app/Set_e2e
mkdir -p "$set/Images" "$set/Symbols"
convert -size 320x160 xc:red "$set/Images/red.jpg"
convert -size 320x160 xc:blue "png:$set/Images/png.jpg"
head -c 100 "$set/Images/red.jpg" >"$set/Images/cut.jpg"
head -c 3000 /dev/urandom >"$set/Images/random.jpg"
echo "no picture" >"$set/Images/text.jpg"
: >"$set/Images/empty.jpg"
cp "$set/Images/red.jpg" "$set/Images/locked.jpg"
chmod 0 "$set/Images/locked.jpg"
for image in "$set"/Images/*; do convert -size 200x200 xc:green "$set/Symbols/${image##*/}"; done
printf '[GeneralSettings]\nImagesSet=e2e\nMaxPlaceholders=2\nPlaySounds=0\nWayToWork=2\n[Statistics]\nShown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=4\n' >"$INI"
# Root reads any file: its program runs without that right.
if [ "$(id -u)" = 0 ]; then open_options setpriv --inh-caps=-all --bounding-set=-dac_override,-dac_read_search
else open_options; fi
click "$options" 352 492  # "Start program"

# Each round brings at most one box (its image's), the first one before the game window shows.
BOXES=0 game="" answered=""
for n in $(seq 300); do
  [ -z "$(windows "End of set")" ] || break
  box=$(boxes | head -n 1)
  if [ -n "$box" ]; then answer "$box"; BOXES=$((BOXES + 1))
  elif [ -z "$game" ]; then { new_window "Lumari !" "$options" && ! is_box "$WIN" && game=$WIN; } || sleep 0.1
  elif [ -z "$answered" ]; then click "$game" 148 548; settle "$game"; answered=1  # a placeholder
  else click "$game" 872 72; settle "$game"; fi  # "Change set"
done
wait_window "End of set"; answer "$WIN"
close_results
[ "$BOXES" = 5 ] || fail "$BOXES boxes for 5 bad pictures"
read -r shown right wrong used < <(totals)
[ "$shown $((right + wrong)) $used" = "27 19 5" ] || fail "shown, right, wrong, used: $(totals), not 27 and one answer more"
echo "PASS: hostile folder"
