#!/bin/sh
# Checks the desktop program in a real window under a virtual X server:
# clicks land on what is drawn after resizing, maximising and shrinking the
# window, Tab shows a focus ring and Enter taps what it rings, a run of
# keys reaches the very screen the same keys reach in the simulator, Ctrl+C copies
# the reading on screen, and Ctrl+S saves the screen in the pictures folder
# and says so in the title for a few seconds.
#
#   tools/check-window.sh [PROGRAM]      (default build/stellarion)
#
# There is no window manager: a maximised window is sized to the whole
# screen at its top left, as one would place it.
#
# Nothing here waits a fixed time for the program: beside other tests (a
# browser among them) on a loaded machine, any step can take seconds. Each
# check is repeated until it holds, within a generous limit; the program
# handles its events in order, so a key sent after a click acts after it.
set -eu
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/stellarion}")
simulator=$(dirname "$program")/stellarion-sim
texts=resources/texts/compatibility
work=$(mktemp -d)
pid=""
server=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; [ -z "$server" ] || kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT

check=check-window
. tools/virtual-display.sh

geometry() { eval "$(xdotool getwindowgeometry --shell "$window")"; }

# True when the window is $1 x $2.
sized() { geometry && [ "$WIDTH" -eq "$1" ] && [ "$HEIGHT" -eq "$2" ]; }

# Where the program draws the device screen (240 x 320) in a window of
# WIDTH x HEIGHT: the largest fit, by a whole factor when one fills at least
# nine tenths of it, centred.
# Prints the window pixel showing the centre of device pixel ($1, $2).
device_to_window() {
  awk -v W="$WIDTH" -v H="$HEIGHT" -v x="$1" -v y="$2" 'BEGIN {
    dw = 240; dh = 320; fit = W / dw < H / dh ? W / dw : H / dh; k = int(fit)
    if (k >= 1 && k >= 0.9 * fit) { w = dw * k; h = dh * k }
    else if (W * dh <= H * dw) { w = W; h = int(dh * W / dw + 0.5) }
    else { h = H; w = int(dw * H / dh + 0.5) }
    printf "%d %d\n", int((W - w) / 2) + (x + 0.5) * w / dw, int((H - h) / 2) + (y + 0.5) * h / dh
  }'
}

tap() {
  geometry
  set -- $(device_to_window "$1" "$2")
  xdotool mousemove --window "$window" "$1" "$2" mousedown 1 mouseup 1
}

resize() {
  xdotool windowmove "$window" "$1" "$2" windowsize "$window" "$3" "$4"
  until_true 30 sized "$3" "$4" || fail "the window is ${WIDTH}x$HEIGHT, not $3x$4"
}

# True when the clipboard holds the page's heading, its rating in words and
# then $work/expected.
copied() {
  xclip -o -selection clipboard >"$work/copied" 2>/dev/null &&
    [ "$(sed -n 1p "$work/copied")" = "$heading" ] &&
    sed -n 2p "$work/copied" | grep -Eq '^[A-Za-z]+: [0-9]+ out of 10$' &&
    tail -n +3 "$work/copied" | cmp -s - "$work/expected"
}

# The clipboard after Ctrl+C must be the page's heading ($2), its rating,
# then the reading's source text ($1) one paragraph a line. Until the
# program has handled the key it holds the previous copy, or nothing.
expect_copy() {
  grep -v '^$' "$1" >"$work/expected"
  heading=$2
  xdotool key ctrl+c
  until_true 30 copied || fail "the copy is not $2 and $1 ($3)"
}

saved_picture() {
  saved=$(ls "$HOME"/Pictures/Stellarion-*.png 2>/dev/null | head -1)
  [ -n "$saved" ]
}

title_is() {
  title=$(xdotool getwindowname "$window")
  case "$title" in $1) return 0 ;; esac
  return 1
}

STELLARION_SCREEN=240x320 STELLARION_ZOOM=2 start
wait_for_window "zoom 2"
until_true 30 sized 480 640 || fail "zoom 2 gave ${WIDTH}x$HEIGHT"

# The colour of window pixel ($1, $2) as R,G,B.
window_pixel() {
  import -window "$window" "$work/window.png"
  /usr/bin/python3 -c 'import sys; from PIL import Image
print("%d,%d,%d" % Image.open(sys.argv[1]).convert("RGB").getpixel((int(sys.argv[2]), int(sys.argv[3]))))' \
    "$work/window.png" "$1" "$2"
}

# The keyboard: the first Tab rings the first control in reading order, the
# About icon (device 183, 2 to 200, 19: window 366, 4 to 402, 40 at zoom
# 2), in yellow just outside it; Tabs to the fourth, Matchmaker by Sign, and
# Enter opens the compatibility picker (its sky blue at device 230, 75);
# Escape taps its Back.
pixel_is() { [ "$(window_pixel "$1" "$2")" = "$3" ]; }
pixel_is_not() { ! pixel_is "$@"; }
xdotool mousemove --window "$window" 10 600 key Tab
until_true 30 pixel_is 364 20 255,212,0 || fail "Tab showed no focus ring round About ($(window_pixel 364 20))"
xdotool key Tab Tab Tab Return
until_true 30 pixel_is 461 151 153,204,255 || fail "four Tabs and Enter did not open the compatibility picker"
xdotool key Escape
until_true 30 pixel_is_not 461 151 153,204,255 || fail "Escape did not leave the compatibility picker"

# Ctrl+S: a 240 x 320 PNG in ~/Pictures, named in the title, which returns.
xdotool mousemove --window "$window" 10 10 key ctrl+s
until_true 30 saved_picture || fail "Ctrl+S saved nothing"
until_true 30 title_is "*$saved*" || fail "the title \"$title\" does not name $saved"
size=$(/usr/bin/python3 -c 'import sys; from PIL import Image; print("%dx%d" % Image.open(sys.argv[1]).size)' "$saved")
[ "$size" = 240x320 ] || fail "the saved screen is $size"

# Resized wider than the device's aspect: scaled smoothly, margins at the sides.
resize 0 0 900 600
tap 52 233     # Matchmaker by Sign
tap 120 303    # Match: Aries and Aries
expect_copy "$texts/aries-aries-1.txt" "Aries and Aries: Relationship, page 1 of 4" "900 x 600"

# Maximised: a whole factor of 3 with wide margins.
resize 0 0 1280 1024
tap 210 295    # Next page
expect_copy "$texts/aries-aries-2.txt" "Aries and Aries: Sex, page 2 of 4" "maximised"

# Smaller than the device itself.
resize 100 100 200 250
tap 210 295
expect_copy "$texts/aries-aries-3.txt" "Aries and Aries: Life, page 3 of 4" "200 x 250"

# The note lasts four seconds from the save.
until_true 30 title_is Stellarion || fail "the title did not return to Stellarion"
stop

# Keys reach the very screen the same keys reach in the simulator: from a
# fresh start, Tabs and Enter open the compatibility picker and Escape
# leaves it; in it again, the arrows and Space pick Sagittarius, Down, Left
# and Enter Leo, Tabs find Match, and Page Down and Down scroll the report.
# Ctrl+S saves the device screen the keys reached.
rm -f "$HOME"/Pictures/Stellarion-*.png
STELLARION_SCREEN=240x320 STELLARION_ZOOM=2 start
wait_for_window "the keys"
keys="Tab Tab Tab Tab Return Escape Tab Tab Tab Tab Return Tab Tab Right Right space Down Down Left Return"
keys="$keys Down Tab shift+Tab Up Down Tab Tab Tab Tab Tab Return Next Down"
xdotool mousemove --window "$window" 10 600 key $keys ctrl+s
for key in $keys; do
  case $key in
    Return) echo "key enter" ;;
    shift+Tab) echo "key shift-tab" ;;
    Next) echo "key pagedown" ;;
    *) echo "key $key" | tr '[:upper:]' '[:lower:]' ;;
  esac
done >"$work/keys.sim"
echo "shot $work/simulated.png" >>"$work/keys.sim"
"$simulator" --config-dir "$work/simulator" "$work/keys.sim" >/dev/null || fail "the simulator could not play the keys"
# Until the program has written it whole, the saved picture may be missing or short.
same_screen() {
  saved_picture && /usr/bin/python3 -c 'import sys; from PIL import Image
a, b = (Image.open(p).convert("RGB") for p in sys.argv[1:])
sys.exit(a.size != b.size or a.tobytes() != b.tobytes())' "$saved" "$work/simulated.png" 2>/dev/null
}
until_true 30 same_screen ||
  fail "the keys reached another screen in the window than in the simulator ($keys)"
stop

# A starting size far beyond the display (32768 pixels wide) is made to fit.
fits() { geometry && [ "$WIDTH" -le 1280 ] && [ "$HEIGHT" -le 1024 ]; }
STELLARION_SCREEN=4096x480 STELLARION_ZOOM=8 start
wait_for_window "4096 x 480 at zoom 8"
until_true 30 fits || fail "a ${WIDTH}x$HEIGHT window on a 1280 x 1024 screen"
stop
echo "check-window: resize, maximise, taps, the focus ring, keys as in the simulator, Ctrl+C and Ctrl+S all work"
