#!/bin/sh
# Sets up the machine, builds Stellarion and opens its window.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target stellarion
exec ./build/stellarion
