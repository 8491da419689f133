# Shared helpers of the end-to-end tests: a private X server, a private
# settings folder and a copy of the program's folder, all in one work folder.

skip() { echo "SKIP: $*"; exit 77; }
fail() {
  echo "FAIL: $*"
  [ -s "${WORK:-/nonexistent}/app.log" ] && { echo "--- program output:"; cat "$WORK/app.log"; }
  exit 1
}

need() {
  for tool in "$@"; do command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"; done
}

# Starts Xvfb on a free display (no window manager) and exports DISPLAY; the
# program then runs on the real X server whatever platform the caller chose.
start_xvfb() {
  export QT_QPA_PLATFORM=xcb
  local n
  for n in $(seq 90 140); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
      # Ready when it answers, not merely when its socket exists.
      [ -e /tmp/.X11-unix/X$n ] && DISPLAY=:$n xdpyinfo >/dev/null 2>&1 && { export DISPLAY=:$n; return 0; }
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  fail "could not start Xvfb"
}

# Starts the program; APP_PID is its process.
start_app() {
  "$WORK/app/lumari" >"$WORK/app.log" 2>&1 &
  APP_PID=$!
}

# Waits for a mapped window with exactly this title, other than the ones
# given, and prints its id.
wait_window() {
  local title=$1; shift
  local id
  for _ in $(seq 150); do
    for id in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null); do
      case " $* " in *" $id "*) ;; *) echo "$id"; return 0 ;; esac
    done
    sleep 0.1
  done
  return 1
}

# Client-area geometry of a window: "x y width height".
window_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

# Colour of one pixel of a window, as "r,g,b".
pixel() {
  import -window "$1" "$WORK/shot.png" 2>/dev/null
  convert "$WORK/shot.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Asks a window to close, the message its close box sends.
close_window() {
  /usr/bin/python3 "$E2E_DIR/xclose.py" "$1"
}

# Reads one key of the settings file.
setting() {
  awk -v section="[$1]" -v key="$2" '
    /^\[/ { inside = ($0 == section) }
    inside && index($0, key "=") == 1 { print substr($0, length(key) + 2) }' "$XDG_CONFIG_HOME/K.Orvel-Lumari.ini"
}

cleanup() {
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
