#!/bin/sh
# Measures what the desktop window's accessibility bridge adds to a paint
# with no screen reader listening: the paint benchmark's BridgeCost, run on
# a session bus of its own with the accessibility bus started on it, the
# bridged and plain paints alternating in one run.
#
#   bench/bridge.sh [BENCH]      (default build/bench/stellarion_bench)
set -eu
cd "$(dirname "$0")/.."
bench=$(realpath "${1:-build/bench/stellarion_bench}")
if [ -z "${STELLARION_BENCH_SESSION:-}" ]; then
  STELLARION_BENCH_SESSION=1 exec dbus-run-session -- "$0" "$bench"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
trap 'kill $launcher 2>/dev/null || true' EXIT
until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; do
  sleep 0.1
done
"$bench" --benchmark_filter='^BridgeCost/'
