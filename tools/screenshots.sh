#!/bin/sh
# Renews the README's screenshots in docs/ from a screen tour of the built
# program: build/stellarion-tour must exist (cmake --build build).
set -eu
cd "$(dirname "$0")/.."
tour=build/stellarion-tour
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 240x320 640x480; do
  mkdir -p "$work/$size"
  "$tour" "$size" "$work/$size"
done
# The tour names its shots NN-name.png; pick them by name.
shot() { ls "$work/$1"/[0-9][0-9]-"$2".png; }
cp "$(shot 240x320 main-menu)" docs/main-menu-240x320.png
cp "$(shot 640x480 main-menu)" docs/main-menu-640x480.png
cp "$(shot 640x480 compatibility-1)" docs/report-640x480.png
montage $(for name in main-menu compatibility-picker-chosen compatibility-1 forecast-picker forecast-5 \
                      profile-topics profile-6 birth-date keyboard-digits numerology-4-1 extras \
                      extras-chinese; do shot 240x320 "$name"; done) \
  -tile 6x -geometry +4+4 -background white docs/screens-240x320.png
