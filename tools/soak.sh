#!/bin/sh
# Random use at length: N random events (default 1000000) spread over every
# display mode and the tall and wide variants, under AddressSanitizer and
# UndefinedBehaviorSanitizer, checking every state variable's value after
# each event. Prints the events run, the findings and the events per second.
#
#   tools/soak.sh [EVENTS [SEED]]
set -eu
cd "$(dirname "$0")/.."
events=${1:-1000000}
seed=${2:-2010}
case "$events$seed" in
  *[!0-9]*) echo "usage: tools/soak.sh [EVENTS [SEED]]" >&2; exit 2 ;;
esac
tools/setup.sh test
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTELLARION_SANITIZE=ON \
  -DSTELLARION_BENCH=OFF >/dev/null
cmake --build build-sanitize --target stellarion_tests
log=build-sanitize/soak.log
start=$(date +%s.%N)
status=0
STELLARION_MONKEY_EVENTS=$events STELLARION_MONKEY_SEED=$seed \
  build-sanitize/tests/stellarion_tests --gtest_filter='Monkey.*' >"$log" 2>&1 || status=$?
end=$(date +%s.%N)
summary=$(grep '^monkey: ' "$log" || true)
if [ -z "$summary" ]; then
  # The sanitizers stop the program at their first finding.
  summary="monkey: ? events, 1 findings (the run stopped; see $log)"
fi
echo "$summary" | awk -v start="$start" -v end="$end" -v seed="$seed" '{
  seconds = end - start
  rate = ($2 ~ /^[0-9]+$/ && seconds > 0) ? sprintf("%.0f", $2 / seconds) : "?"
  printf "events: %s  findings: %s  seconds: %.1f  events per second: %s  (seed %s)\n",
         $2, $4, seconds, rate, seed
}'
[ "$status" -eq 0 ] || { grep -v '^\[' "$log" | head -40 >&2; exit 1; }
