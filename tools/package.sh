#!/bin/sh
# Builds the Debian package of Stellarion into dist/: a release build of the
# program, installed under /usr by CPack, its library dependencies read from
# the binary.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh package
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DSTELLARION_TESTS=OFF -DSTELLARION_BENCH=OFF >/dev/null
cmake --build build-package --target stellarion stellarion_manual
(cd build-package && cpack -G DEB >/dev/null)
mkdir -p dist
cp build-package/stellarion_*.deb dist/
ls dist/stellarion_*.deb
