#!/usr/bin/env bash
# The program installed into a temporary prefix, started by its menu entry's
# command with a fresh home under a real X server: the user gets a copy of the
# bundled set and sounds, plays from it with no box, and keeps their changes at
# the next start. The menu entry and AppStream data validate; the .deb holds them.
set -euo pipefail
E2E_DIR=$2
BUILD_DIR=$3
. "$E2E_DIR/common.bash"
need Xvfb xdotool xwininfo identify cmake cpack desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps /usr/bin/python3
/usr/bin/python3 -c "import Xlib" 2>/dev/null || skip "python3-xlib is not installed"

WORK=$(mktemp -d)
trap cleanup EXIT
PREFIX="$WORK/prefix"
# Every install rule lives in one folder; its own script leaves the build folder untouched.
cmake --install "$BUILD_DIR/packaging" --prefix "$PREFIX" >"$WORK/install.log" || fail "cmake --install failed"
ENTRY=$(ls "$PREFIX"/share/applications/*.desktop) && ID=$(basename "$ENTRY" .desktop)
COMMAND=$(sed -n 's/^Exec=//p' "$ENTRY")
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/config" XDG_DATA_HOME="$WORK/home/data"
DATA="$XDG_DATA_HOME/lumari"
start_xvfb
# A client held until the server ends, so it does not reset between the runs.
xdotool search --sync --name '^no window has this name$' >/dev/null 2>&1 &

# Starts the program as the menu does and waits for its first window.
launch() {
  PATH="$PREFIX/bin:$PATH" $COMMAND >>"$WORK/app.log" 2>&1 &
  APP_PID=$!
  FIRST=$(wait_window "Lumari !") || fail "no window appeared"
}
sized() { read -r X Y W H < <(window_geometry "$1"); [ "$W $H" = "$2" ]; }
stop() { kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=""; }

# First start: the options window, then "Start program" opens a game.
launch
sized "$FIRST" "406 520" || fail "a box came before the options window"
xdotool mousemove $((X + 352)) $((Y + 492)) click 1
game=$(wait_window "Lumari !" "$FIRST") || fail "the game window did not appear"
sized "$game" "1009 676" || fail "a box came instead of the game window"
[ "$(xdotool search --onlyvisible --name '^Lumari !$')" = "$game" ] || fail "a box is open beside the game"
stop
[ -s "$DATA/LumariCheck.log" ] || fail "no check log in $DATA"
for folder in Set_default Sounds; do
  diff -r "$PREFIX/share/lumari/$folder" "$DATA/$folder" || fail "$folder was not copied to $DATA"
done

# The user deletes the sounds and changes a picture: a second start keeps both.
rm -r "$DATA/Sounds"
picture="$DATA/Set_default/Images/$(ls "$DATA/Set_default/Images" | head -n 1)"
echo mine >>"$picture"
cp "$picture" "$WORK/mine.jpg"
launch
sized "$FIRST" "406 520" || fail "a box came at the second start"
stop
[ ! -e "$DATA/Sounds" ] || fail "the deleted sounds came back"
cmp -s "$picture" "$WORK/mine.jpg" || fail "the changed picture was overwritten"

# A data folder that cannot be made: one box, then the options window over the bundled set.
export XDG_DATA_HOME="$WORK/not-a-folder"
: >"$XDG_DATA_HOME"
launch
sized "$FIRST" "406 520" && fail "no box told that the data folder could not be made"
xdotool windowfocus --sync "$FIRST" key Return
options=$(wait_window "Lumari !" "$FIRST") || fail "no options window after the box"
sized "$options" "406 520" || fail "a second box came"
stop

desktop-file-validate "$ENTRY" || fail "the desktop entry does not validate"
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
for file in ./usr/bin/lumari "./usr/share/applications/$ID.desktop" "./usr/share/metainfo/$ID.metainfo.xml" "${icons[@]}"; do
  grep -qxF "$file" "$WORK/contents" || fail "the package lacks $file"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package's Depends lack the Qt libraries"
echo "PASS: installed program"
