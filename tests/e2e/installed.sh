#!/usr/bin/env bash
# The program installed into a temporary prefix, started by its menu entry's command with a fresh
# home: the user gets a copy of the bundled set and sounds, plays from it with no box, and keeps
# their changes at the next start. The menu entry and AppStream data validate; the .deb holds them.
. "$2/common.bash" "$@" identify cmake cpack desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps lintian
PREFIX="$WORK/prefix"
# Every install rule lives in one folder; its own script leaves the build folder untouched.
cmake --install "$BUILD_DIR/packaging" --prefix "$PREFIX" >"$WORK/install.log" || fail "cmake --install failed"
ENTRY=$(grep -l '^Exec=lumari$' "$PREFIX"/share/applications/*.desktop) && ID=$(basename "$ENTRY" .desktop)
TEACHER_ENTRY=$(grep -l '^Exec=lumari-teacher$' "$PREFIX"/share/applications/*.desktop) || fail "no menu entry for lumari-teacher"
COMMAND=$(sed -n 's/^Exec=//p' "$ENTRY")
export XDG_DATA_HOME="$WORK/data"
DATA="$XDG_DATA_HOME/lumari"

# Starts the program as the menu does and waits for its first window: WIN.
launch() {
  PATH="$PREFIX/bin:$PATH" $COMMAND >>"$WORK/app.log" 2>&1 & APP_PID=$!
  wait_window "Lumari !"
}
# Closes the window on show by its close box (and the results a game leaves); the program ends.
stop() { close_window "$WIN"; [ -z "${1:-}" ] || { wait_window "About Lumari !"; answer "$WIN"; }; wait_end; }

# First start: the options window, then "Start program" opens a game, no box on the way.
launch
! is_box "$WIN" || fail "a box came before the options window"
options=$WIN
click "$options" 352 492
wait_window "Lumari !" "$options"
! is_box "$WIN" || fail "a box came instead of the game window"
stop game
[ -s "$DATA/LumariCheck.log" ] || fail "no check log in $DATA"
for folder in Set_default Sounds; do
  diff -r "$PREFIX/share/lumari/$folder" "$DATA/$folder" || fail "$folder was not copied to $DATA"
done

# A user given the sounds before the prompted bell had a folder of its own gets that folder alone.
rm -r "$DATA/Sounds/Prompt"
sed -i '/^Sounds\/Prompt$/d' "$DATA/.bundled"
PATH="$PREFIX/bin:$PATH" lumari-teacher check --set default >>"$WORK/app.log" 2>&1 || true
diff -r "$PREFIX/share/lumari/Sounds" "$DATA/Sounds" || fail "the prompted bell's folder was not given to an earlier user"

# The user deletes the sounds and changes a picture: a second start keeps both.
rm -r "$DATA/Sounds"
picture="$DATA/Set_default/Images/$(ls "$DATA/Set_default/Images" | head -n 1)"
echo mine >>"$picture"
cp "$picture" "$WORK/mine.jpg"
launch
! is_box "$WIN" || fail "a box came at the second start"
stop
[ ! -e "$DATA/Sounds" ] || fail "the deleted sounds came back"
cmp -s "$picture" "$WORK/mine.jpg" || fail "the changed picture was overwritten"

# A data folder that cannot be made: one box, then the options window over the bundled set.
export XDG_DATA_HOME="$WORK/not-a-folder"
: >"$XDG_DATA_HOME"
launch
is_box "$WIN" || fail "no box told that the data folder could not be made"
answer "$WIN"
wait_window "Lumari !"
! is_box "$WIN" || fail "a second box came"
stop

desktop-file-validate "$ENTRY" || fail "the desktop entry does not validate"
desktop-file-validate "$TEACHER_ENTRY" || fail "the teachers' desktop entry does not validate"
grep -qx 'Name=Lumari ! for teachers' "$TEACHER_ENTRY" && grep -qx 'Categories=Education;' "$TEACHER_ENTRY" \
  || fail "the teachers' entry is not \"Lumari ! for teachers\" under Education"
appstreamcli validate --no-net "$PREFIX/share/metainfo/$ID.metainfo.xml" || fail "the AppStream data do not validate"
icons=() && for size in 16 32 48 64 128 256; do
  icon="share/icons/hicolor/${size}x${size}/apps/$(sed -n 's/^Icon=//p' "$ENTRY").png"
  [ "$(identify -format %wx%h "$PREFIX/$icon")" = "${size}x${size}" ] || fail "no ${size} px icon"
  icons+=("./usr/$icon")
done

cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$WORK/package" >"$WORK/cpack.log" 2>&1 \
  || fail "cpack failed: $(cat "$WORK/cpack.log")"
deb=$(ls "$WORK"/package/lumari_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' >"$WORK/contents"
for file in ./usr/bin/lumari ./usr/bin/lumari-teacher "./usr/share/applications/$ID.desktop" \
  "./usr/share/applications/$(basename "$TEACHER_ENTRY")" ./usr/share/man/man1/lumari.1.gz \
  ./usr/share/man/man1/lumari-teacher.1.gz ./usr/share/doc/lumari/changelog.gz "./usr/share/metainfo/$ID.metainfo.xml" "${icons[@]}"; do
  grep -qxF "$file" "$WORK/contents" || fail "the package lacks $file"
done
for dependency in libsndfile1 fonts-noto-color-emoji unicode-cldr-core; do
  dpkg-deb -f "$deb" Depends | grep -q "$dependency" || fail "the package's Depends lack $dependency"
done
# Clean: no error and no warning (lintian refuses to judge as root without this).
lintian --allow-root --fail-on error,warning "$deb" >"$WORK/lintian.log" 2>&1 || fail "lintian: $(cat "$WORK/lintian.log")"
echo "PASS: installed program"
