#!/bin/sh
# Builds Stellarion for the browser with the system's emscripten, offline:
# the build's own tools natively in build-web/host, then the program and its
# page in build-web; the page ends up in build-web/site.
set -eu
cd "$(dirname "$0")/../.."
# Debian's emscripten finds its JavaScript modules (acorn) only here when the
# machine's node is not Debian's own.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
jobs="${JOBS:-$(nproc)}"
cmake -S . -B build-web/host -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTELLARION_TESTS=OFF \
  -DSTELLARION_BENCH=OFF >/dev/null
cmake --build build-web/host -j "$jobs" --target stellarion-host-tools
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DSTELLARION_HOST_TOOLS="$PWD/build-web/host" >/dev/null
cmake --build build-web -j "$jobs"
