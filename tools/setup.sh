#!/bin/sh
# Installs the Debian packages one task needs, in layers listed under
# tools/packages/: `run` (building and running the desktop program), and on
# top of it `package` (making the Debian package) or `test` (the tests, the
# browser and the web tool chain, and the browser tests' npm packages).
#
#   tools/setup.sh run|package|test
set -eu
here=$(cd "$(dirname "$0")" && pwd)
# Building and running need no recommended extras; the test layer keeps
# them, as the browser and the web tool chain are tested with them.
recommends=--no-install-recommends
case "${1:-}" in
  run) lists=run.txt ;;
  package) lists="run.txt package.txt" ;;
  test) lists="run.txt test.txt" recommends="" ;;
  *) echo "usage: tools/setup.sh run|package|test" >&2; exit 2 ;;
esac

missing=""
for list in $lists; do
  for package in $(grep -v '^#' "$here/packages/$list"); do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing="$missing $package"
  done
done
# A node from elsewhere brings its own npm; Debian's would not fit it.
[ "$1" != test ] || command -v npm >/dev/null || missing="$missing npm"

# apt-get's own output goes to a log, shown only when it fails. Another
# apt-get or dpkg holding a lock is waited for, up to ten minutes, rather
# than failed on: apt-get waits for dpkg's lock itself, and `update` is
# tried again while the lock of the package lists is taken.
apt() {
  log=$(mktemp)
  deadline=$(($(date +%s) + 600))
  until $sudo env DEBIAN_FRONTEND=noninteractive apt-get -q -y -o DPkg::Lock::Timeout=600 \
        -o Dpkg::Use-Pty=0 "$@" >"$log" 2>&1; do
    if grep -q 'Could not get lock' "$log" && [ "$(date +%s)" -lt "$deadline" ]; then
      echo "setup: waiting for another package manager to finish"
      sleep 10
      continue
    fi
    tail -n 30 "$log" >&2
    rm -f "$log"
    exit 1
  done
  rm -f "$log"
}

if [ -n "$missing" ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "setup: installing$missing (and what they depend on)"
  apt update
  apt install $recommends $missing
  echo "setup: installed"
fi

# The browser tests' driver and the measures' Lighthouse, at the versions
# the lock file names; again when the lock file has changed since (npm keeps
# its own copy of it there).
web=$here/web
if [ "$1" = test ] && { [ ! -f "$web/node_modules/.package-lock.json" ] ||
                        [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; }; then
  (cd "$web" && npm ci --no-audit --no-fund --loglevel=error)
fi
