#!/usr/bin/env bash
# A teacher's journey: "lumari-teacher import --language de,en" on a folder of a sideways 12-megapixel photo with a GPS
# position, a PNG, a BMP, a damaged JPEG and a text file makes the pairs apple, cat and dog (upright, fitted
# whole, no GPS, each with a coloured pictogram proposed for review), names the two bad files and leaves the
# originals alone; imported again the pictures add nothing; "check" finds the set sound and a broken one not;
# the game then plays the set with no box; the teachers' window opens and closes by its close box.
. "$2/common.bash" "$@" exiftool identify md5sum
IN="$WORK/pictures" SET="$WORK/app/Set_Zoo"
mkdir -p "$IN"
# Stored lying on its side, its top left quarter blue: upright, that quarter is the top right.
convert -size 4000x3000 xc:yellow -fill blue -draw "rectangle 0,0 1999,1499" -quality 92 "$IN/cat.jpg"
exiftool -q -overwrite_original -n -Orientation=6 -GPSLatitude=45.4642 -GPSLatitudeRef=N \
  -GPSLongitude=9.19 -GPSLongitudeRef=E -SerialNumber=CAM123 "$IN/cat.jpg"
[ -n "$(exiftool -s3 -GPSLatitude "$IN/cat.jpg")" ] || fail "the photo was not given a GPS position"
convert -size 500x400 gradient:red-white "$IN/apple.png"
convert -size 300x300 xc:green "$IN/dog.bmp"
head -c 40000 "$IN/cat.jpg" >"$IN/broken.jpg"
echo "apples and dogs" >"$IN/notes.txt"
(cd "$IN" && md5sum ./* >"$WORK/originals.md5")

# Usage errors and a set name leading out of the program's folder: status 2, nothing made.
for args in "import $IN" "import --set" "export --set Zoo $IN" "import --set ../Zoo $IN" "import --set Zoo:1 $IN" \
  "import --language --set Zoo $IN" "check --set Zoo" "check"; do
  status=0 && "$WORK/app/lumari-teacher" $args >/dev/null 2>&1 || status=$?
  [ "$status" = 2 ] || fail "lumari-teacher $args: exit status $status, not 2"
done
[ -z "$(ls -d "$WORK"/app/Set_Zoo "$WORK"/Set_Zoo 2>/dev/null)" ] || fail "a refused import made a set"

status=0
"$WORK/app/lumari-teacher" import --language de,en --set Zoo "$IN" >"$WORK/import.out" 2>"$WORK/import.err" || status=$?
cat "$WORK/import.out"
[ "$status" = 1 ] || fail "import exit status $status, not 1"
for line in "added: apple: pictogram .+, to review" "added: cat: pictogram .+, to review" \
  "added: dog: pictogram .+, to review" "skipped: broken.jpg: damaged picture" "skipped: notes.txt: not a picture"; do
  grep -qxE "$line" "$WORK/import.out" || fail "no line \"$line\""
done
# The set keeps its languages and the proposals awaiting review.
tr -d ' \n' <"$SET/set.json" | grep -qF '"languages":["de","en"]' || fail "set.json: $(cat "$SET/set.json")"
[ "$(grep -c '"review": true' "$SET/set.json")" = 3 ] || fail "set.json: $(cat "$SET/set.json")"
(cd "$IN" && md5sum --quiet -c "$WORK/originals.md5") || fail "an original was changed"
[ "$(ls "$SET/Images" | tr '\n' ' ')" = "apple.jpg cat.jpg dog.jpg " ] || fail "images: $(ls "$SET/Images")"
[ "$(ls "$SET/Symbols" | tr '\n' ' ')" = "apple.jpg cat.jpg dog.jpg " ] || fail "symbols: $(ls "$SET/Symbols")"
for name in apple cat dog; do
  [ "$(identify -format %wx%h "$SET/Images/$name.jpg")" = 1200x600 ] || fail "$name's image is not 1200x600"
  [ "$(identify -format %wx%h "$SET/Symbols/$name.jpg")" = 600x600 ] || fail "$name's symbol is not 600x600"
  saturation=$(convert "$SET/Symbols/$name.jpg" -colorspace HSB -format '%[fx:mean.g]' info:)
  awk -v s="$saturation" 'BEGIN { exit !(s > 0.05) }' || fail "$name's symbol has no colour (saturation $saturation)"
done
# Upright and whole: 300 px wide in the middle, white beside it, its blue quarter at the top right.
pixel() { convert "$SET/Images/cat.jpg" -format "%[fx:p{$1,$2}.r>0.8&&p{$1,$2}.g>0.8&&p{$1,$2}.b>0.8?1:(p{$1,$2}.b>0.7&&p{$1,$2}.r<0.3?2:(p{$1,$2}.r>0.7&&p{$1,$2}.g>0.7?3:0))]" info:; }
[ "$(pixel 100 300)$(pixel 1100 300)" = 11 ] || fail "the photo is not centred on white"
[ "$(pixel 525 150)$(pixel 675 150)$(pixel 600 450)" = 323 ] || fail "the photo is not upright"
[ -z "$(exiftool -s3 -gps:all -SerialNumber "$SET/Images/cat.jpg")" ] || fail "the stored photo keeps its GPS position or camera"

# Imported again, the pictures add nothing and the set stays as it was.
(cd "$SET" && find . -type f -exec md5sum {} + | sort >"$WORK/set.md5")
"$WORK/app/lumari-teacher" import --set Zoo "$IN/cat.jpg" "$IN/apple.png" "$IN/dog.bmp" >"$WORK/again.out" 2>&1 \
  || fail "the import again: exit status $?: $(cat "$WORK/again.out")"
for name in cat apple dog; do grep -qxF "unchanged: $name" "$WORK/again.out" || fail "no line \"unchanged: $name\""; done
(cd "$SET" && find . -type f -exec md5sum {} + | sort | cmp -s - "$WORK/set.md5") || fail "the import again changed the set"

# The set is sound; a set with a half pair is not, and says which.
"$WORK/app/lumari-teacher" check --set zoo >"$WORK/check.out" 2>>"$WORK/check.err" || fail "check: exit status $?: $(cat "$WORK/check.out")"
[ ! -s "$WORK/check.out" ] || fail "check on a sound set printed: $(cat "$WORK/check.out")"
colour_set Broken red blue
rm "$WORK/app/Set_Broken/Symbols/blue.jpg"
status=0 && "$WORK/app/lumari-teacher" check --set Broken >"$WORK/check.out" 2>>"$WORK/check.err" || status=$?
[ "$status" = 1 ] && [ "$(cat "$WORK/check.out")" = "half pair: blue: no symbol" ] \
  || fail "check on a broken set: exit status $status: $(cat "$WORK/check.out")"
# --help prints the manual page's synopsis, without a display.
for program in lumari lumari-teacher; do
  env -u DISPLAY "$WORK/app/$program" --help >"$WORK/help.out" || fail "$program --help: exit status $?"
  MANWIDTH=200 man -l "$2/../../packaging/$program.1" 2>/dev/null | sed -n '/^SYNOPSIS/,/^DESCRIPTION/{//!s/^ *//p}' \
    | sed '/^$/d' | diff - "$WORK/help.out" || fail "$program --help is not its manual page's synopsis"
done

# The game plays the new set, chosen as the options window stores it, with no box.
printf '[GeneralSettings]\nImagesSet=Zoo\nMaxPlaceholders=3\nPlaySounds=0\n' >"$INI"
start_game
settle "$game"
[ -z "$(boxes)" ] || fail "a box came with the game"
grep -q "Images OK !" "$WORK/app/LumariCheck.log" && grep -q "Symbols OK !" "$WORK/app/LumariCheck.log" \
  || fail "the check found a half pair: $(cat "$WORK/app/LumariCheck.log")"
# A round is shown: a picture in the image's box, not an empty one.
shot "$game"
spread=$(convert "$WORK/shot.png" -crop 300x150+198+131 -colorspace Gray -format '%[fx:standard_deviation]' info:)
awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }' || fail "no picture in the image's box (spread $spread)"
close_window "$game"
close_results

# The teachers' window opens on its own and closes by its close box.
"$WORK/app/lumari-teacher" >>"$WORK/app.log" 2>&1 &
APP_PID=$!
wait_window "Lumari ! for teachers"
settle "$WIN"
[ -z "$(boxes)" ] || fail "a box came with the teachers' window"
close_window "$WIN"
wait_end
echo "PASS: teacher import"
