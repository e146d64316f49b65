#!/bin/sh
# Builds the page and the desktop build, then measures them side by side
# (bench/web/Measure.mjs says what and against which targets).
set -eu
cd "$(dirname "$0")/../.."
tools/web/build.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target stellarion stellarion_bench
exec node bench/web/Measure.mjs build-web/site build
