#!/bin/sh
# Measures the desktop program under a virtual X server: the time from exec
# to the first frame handed to the window system (start-up's 50 ms wait
# included), the peak memory over a session of 2,000 random taps, and how
# often the idle program wakes.
#
#   bench/desktop.sh [PROGRAM]      (default build/stellarion)
set -eu
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/stellarion}")
runs=${RUNS:-10}
taps=${TAPS:-2000}
work=$(mktemp -d)
server=
trap 'kill $server 2>/dev/null || true; rm -rf "$work"' EXIT

cc -O2 -shared -fPIC $(pkg-config --cflags sdl2) bench/FirstFrame.c -o "$work/first-frame.so" -ldl
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
while [ ! -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work" STELLARION_SCREEN=480x640
unset STELLARION_ZOOM

# ---- exec to first frame ----
for run in $(seq "$runs"); do
  rm -f "$work/frame"
  FIRST_FRAME_FILE="$work/frame" LD_PRELOAD="$work/first-frame.so" \
    sh -c 'date +%s%N >"$0/start"; exec "$1"' "$work" "$program" &
  pid=$!
  while [ ! -s "$work/frame" ]; do sleep 0.01; done
  kill "$pid"; wait "$pid" || true
  echo $(( ($(cat "$work/frame") - $(cat "$work/start")) / 1000000 ))
done | sort -n >"$work/times"
echo "exec to first frame over $runs runs: median $(sed -n "$(( (runs + 1) / 2 ))p" "$work/times") ms," \
  "slowest $(tail -1 "$work/times") ms"

# ---- a session of random taps ----
"$program" &
pid=$!
while ! window=$(xdotool search --name '^Stellarion$' 2>/dev/null | head -1) || [ -z "$window" ]; do sleep 0.05; done
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$window")"
# Taps anywhere but the main menu's exit icon at the top right.
awk -v n="$taps" -v x="$X" -v y="$Y" -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN {
  srand(7)
  for (i = 0; i < n; ) {
    px = int(rand() * w); py = int(rand() * h)
    if (px > w - 80 && py < 60) continue
    printf "mousemove %d %d mousedown 1 mouseup 1\n", x + px, y + py; i++
  }
}' >"$work/taps"
started=$(date +%s%N)
split -l 100 "$work/taps" "$work/batch."
for batch in "$work"/batch.*; do xdotool $(cat "$batch"); done
sleep 1
finished=$(date +%s%N)
kill -0 "$pid" 2>/dev/null || { echo "the program ended during the taps"; exit 1; }
echo "$taps taps in $(( (finished - started) / 1000000 )) ms;" \
  "peak memory $(awk '/VmHWM/ { printf "%.1f MB", $2 / 1024 }' /proc/$pid/status)"

# ---- idle ----
sleep 1
# Every sleep the program's threads end is one voluntary switch.
wakes() { cat /proc/"$pid"/task/*/status | awk '/^voluntary_ctxt_switches/ { s += $2 } END { print s }'; }
before=$(wakes)
sleep 10
after=$(wakes)
echo "idle: $(( after - before )) wake-ups in 10 s"
kill "$pid"; wait "$pid" || true
