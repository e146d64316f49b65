#!/bin/sh
# Sets up the machine, then builds and runs every test twice: a normal
# build, and one under AddressSanitizer and UndefinedBehaviorSanitizer;
# then the fuzz targets, built with clang under both, each for a fixed
# number of runs (tools/fuzz.sh TARGET SECONDS fuzzes one for longer).
# Here, unlike in a plain build, a warning fails the build.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh test
jobs=$(nproc)
# The options are given in full: tools/run.sh may have configured the same
# build without the tests.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTELLARION_WERROR=ON \
  -DSTELLARION_TESTS=ON -DSTELLARION_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTELLARION_SANITIZE=ON \
  -DSTELLARION_WERROR=ON -DSTELLARION_BENCH=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTELLARION_SANITIZE=ON \
  -DSTELLARION_FUZZ=ON -DSTELLARION_WERROR=ON -DSTELLARION_TESTS=OFF -DSTELLARION_BENCH=OFF \
  -DSTELLARION_HOST_TOOLS="$PWD/build" >/dev/null
cmake --build build-fuzz -j "$jobs" --target stellarion-fuzz
ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
