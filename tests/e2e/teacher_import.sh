#!/usr/bin/env bash
# A teacher's journey: "lumari-teacher import" on a folder of a sideways 12-megapixel photo with a GPS
# position, a PNG, a BMP, a damaged JPEG and a text file makes the pairs apple, cat and dog (upright, fitted
# whole, no GPS, each with a coloured pictogram), names the two bad files and leaves the originals alone; the
# game then plays the set with no box; the teachers' window opens and closes by its close box.
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
for args in "import $IN" "import --set" "export --set Zoo $IN" "import --set ../Zoo $IN"; do
  status=0 && "$WORK/app/lumari-teacher" $args >/dev/null 2>&1 || status=$?
  [ "$status" = 2 ] || fail "lumari-teacher $args: exit status $status, not 2"
done
[ -z "$(ls -d "$WORK"/app/Set_Zoo "$WORK"/Set_Zoo 2>/dev/null)" ] || fail "a refused import made a set"

status=0
"$WORK/app/lumari-teacher" import --set Zoo "$IN" >"$WORK/import.out" 2>"$WORK/import.err" || status=$?
cat "$WORK/import.out"
[ "$status" = 1 ] || fail "import exit status $status, not 1"
for line in "added: apple" "added: cat" "added: dog" "skipped: broken.jpg: damaged picture" \
  "skipped: notes.txt: not a picture"; do
  grep -qxF "$line" "$WORK/import.out" || fail "no line \"$line\""
done
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

# The game plays the new set, chosen as the options window stores it, with no box.
printf '[GeneralSettings]\nImagesSet=Zoo\nMaxPlaceholders=3\nPlaySounds=0\n' >"$INI"
start_game
settle "$game"
[ -z "$(boxes)" ] || fail "a box came with the game"
grep -q "Images OK !" "$WORK/app/LumariCheck.log" && grep -q "Symbols OK !" "$WORK/app/LumariCheck.log" \
  || fail "the check found a half pair: $(cat "$WORK/app/LumariCheck.log")"
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
