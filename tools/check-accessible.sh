#!/bin/sh
# Checks the desktop program as a screen reader reads it, under a virtual X
# server with a session bus of its own and the accessibility bus on it:
# the application and its frame, the main menu's heading and buttons (where
# they are drawn), a button's click action, the sign grid's radio buttons,
# focus events as Tab moves the ring, a dialog closed with Escape, the
# compatibility picker's labelled groups, a report's heading, text and page
# turn announced, an alert, the frame named by the place and the title, and
# the birth date's Day, Month and Year entries (tools/check-accessible.py). Then the program is started without a bus,
# with a bus address that leads nowhere, and on the bus that is then taken
# away: it runs as before and says nothing about it.
#
#   tools/check-accessible.sh [PROGRAM]         (default build/stellarion)
#   tools/check-accessible.sh --read [PROGRAM]  prints what the bus shows
#                                               on three screens
set -eu
cd "$(dirname "$0")/.."
mode=check
if [ "${1:-}" = --read ]; then
  mode=read
  shift
fi
program=$(realpath "${1:-build/stellarion}")

# The whole check runs on a session bus of its own.
if [ -z "${STELLARION_CHECK_SESSION:-}" ]; then
  STELLARION_CHECK_SESSION=1 exec dbus-run-session -- "$0" $([ $mode = read ] && echo --read) "$program"
fi

work=$(mktemp -d)
pid=""
server=""
launcher=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true
      [ -z "$launcher" ] || kill "$launcher" 2>/dev/null || true
      [ -z "$server" ] || kill "$server" 2>/dev/null || true
      rm -rf "$work"' EXIT

check=check-accessible
. tools/virtual-display.sh

# The accessibility bus, switched on as a desktop does when a screen reader
# is wanted.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/launcher.log" 2>&1 &
launcher=$!
bus_ready() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
until_true 60 bus_ready || fail "the accessibility bus did not start: $(tail -n 5 "$work/launcher.log")"
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null

export STELLARION_SCREEN=240x320 STELLARION_ZOOM=2
start
wait_for_window "on the accessibility bus"
/usr/bin/python3 tools/check-accessible.py $mode "$PWD" || fail "on the accessibility bus"
stop "on the accessibility bus"
[ "$mode" = check ] || exit 0
[ ! -s "$work/program.log" ] || fail "the program printed something on the accessibility bus"

# Without a bus, with one that cannot be reached, and with the
# accessibility bus gone from under a program that joined it: the window
# comes up, the keyboard's focus ring works (Tab, Tab, Tab, Tab, Enter opens
# the compatibility picker, whose sky blue shows at device 230, 75) and the
# program says nothing.
# The main menu shows its dark blue there; the keys wait for it, as the
# program takes them only once it has drawn the menu.
pixel_is() {
  import -window "$window" "$work/window.png"
  [ "$(/usr/bin/python3 -c 'import sys; from PIL import Image
print("%d,%d,%d" % Image.open(sys.argv[1]).convert("RGB").getpixel((461, 151)))' "$work/window.png")" = "$1" ]
}
keyboard_works() {
  until_true 30 pixel_is 24,31,70 || fail "the main menu was not drawn ($1)"
  xdotool mousemove --window "$window" 10 600 key Tab Tab Tab Tab Return
  until_true 30 pixel_is 153,204,255 || fail "the keyboard did not open the compatibility picker ($1)"
  stop "$1"
  [ ! -s "$work/program.log" ] || fail "the program printed something ($1)"
}
runs_as_before() {
  start env "$@"
  wait_for_window "$*"
  keyboard_works "$*"
}
runs_as_before -u DBUS_SESSION_BUS_ADDRESS -u AT_SPI_BUS_ADDRESS XDG_RUNTIME_DIR="$work"
runs_as_before DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"

start
wait_for_window "the accessibility bus to be taken away"
/usr/bin/python3 tools/check-accessible.py present || fail "not on the accessibility bus"
for bus in $(ps -o pid= --ppid "$launcher"); do kill "$bus"; done
kill "$launcher"
wait "$launcher" || true
launcher=""
keyboard_works "the accessibility bus gone"
echo "check-accessible: the program on the accessibility bus is read as it is drawn, and runs as before without one"
