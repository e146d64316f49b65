#!/bin/sh
# Sets the profile titles of all twelve signs as two builds draw them side by
# side, for judging a change to the text face: the title band of each sign's
# famous-people page, read in sequence (so with the Back button that stands
# beside the title on the short layouts), from each build's screen tour on
# the 240 x 240 and 480 x 480 screens.
#
#   tools/title-sheet.sh BEFORE_TOUR AFTER_TOUR OUT.png
#
# BEFORE_TOUR and AFTER_TOUR are stellarion-tour binaries of the two builds.
set -eu
[ $# -eq 3 ] || { echo "usage: $0 BEFORE_TOUR AFTER_TOUR OUT.png" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
columns=""
for size in 240x240 480x480; do
  scale=1
  [ "${size%x*}" -ge 480 ] && scale=2
  for side in before after; do
    if [ $side = before ]; then tour=$1; else tour=$2; fi
    mkdir -p "$work/$side-$size"
    "$tour" "$size" "$work/$side-$size" >/dev/null
    # The band from the top down to the first row of text: 67 layout units.
    crops=""
    for sign in 1 2 3 4 5 6 7 8 9 10 11 12; do
      shot=$(ls "$work/$side-$size"/[0-9][0-9]-famous-$sign.png)
      convert "$shot" -crop "${size%x*}x$((67 * scale))+0+0" +repage "$work/$side-$size-$sign.png"
      crops="$crops $work/$side-$size-$sign.png"
    done
    convert $crops -background white -splice 0x4 -append "$work/$side-$size.png"
    columns="$columns -label $size-$side $work/$side-$size.png"
  done
done
montage $columns -tile 4x1 -geometry +8+8 -pointsize 16 -background white -depth 8 "$3"
