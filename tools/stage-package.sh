#!/bin/sh
# Puts what the Debian package holds into a staging folder, from a build:
# `cmake --install` under /usr, the program stripped as Debian strips it,
# every folder 0755 whatever the umask (CMake makes them through it), and,
# when SOURCE_DATE_EPOCH is set, every time stamp at that moment.
#   tools/stage-package.sh BUILD STAGING
set -eu
build=$1
staging=$(mkdir -p "$2" && cd "$2" && pwd)
DESTDIR="$staging" cmake --install "$build" --prefix /usr >/dev/null
strip --remove-section=.comment --remove-section=.note --strip-unneeded "$staging/usr/bin/stellarion"
find "$staging" -type d -exec chmod 0755 {} +
[ -z "${SOURCE_DATE_EPOCH:-}" ] ||
  find "$staging" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
