#!/bin/sh
# Installs what building and running need, builds the desktop program and
# opens its window.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh run
# A first configuration leaves the tests and measures out: they need the
# test layer (tools/test.sh), which reconfigures the same build.
[ -f build/CMakeCache.txt ] ||
  cmake -S . -B build -G Ninja -DSTELLARION_TESTS=OFF -DSTELLARION_BENCH=OFF >/dev/null
cmake --build build --target stellarion
exec ./build/stellarion
