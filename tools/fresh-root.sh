#!/bin/sh
# Tries the project as a newcomer would, on fresh Debian 12 roots made with
# mmdebstrap (the important variant, plus git and sudo). Not part of the
# tests: it needs root, the network, many minutes and several gigabytes.
#
#   tools/fresh-root.sh commands WORK     the README's two commands, run by a
#                                         user with sudo in a clone of this
#                                         repository's current branch
#   tools/fresh-root.sh package WORK DEB  installs DEB with apt in another
#                                         fresh root and starts it
#
# WORK is a folder for the roots (WORK/base.tar is made once and kept). The
# windows open on a virtual X server of this machine (Xvfb and xdotool must
# be installed here); the root sees its socket. Prints for each step its
# time, the root's disk use and its count of installed packages.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-}
work=${2:-}
case "$mode" in
  commands) [ -n "$work" ] ;;
  package) [ -n "$work" ] && [ -f "${3:-}" ] ;;
  *) false ;;
esac || { echo "usage: tools/fresh-root.sh commands WORK | package WORK DEB" >&2; exit 2; }
mkdir -p "$work"
work=$(cd "$work" && pwd)
root=$work/$mode
server=""
cleanup() {
  [ -z "$server" ] || kill "$server" 2>/dev/null || true
  for point in tmp/.X11-unix dev/shm dev/pts dev proc; do
    ! mountpoint -q "$root/$point" || umount -l "$root/$point"
  done
}
trap cleanup EXIT

[ -f "$work/base.tar" ] ||
  mmdebstrap --variant=important --include=git,sudo,ca-certificates bookworm "$work/base.tar"

# A fresh root with a user who may use sudo, as on a newly installed machine.
rm -rf "$root"
mkdir -p "$root"
tar -C "$root" -xf "$work/base.tar"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount -t devpts devpts "$root/dev/pts"
mount -t tmpfs shm "$root/dev/shm"
chroot "$root" useradd --create-home --shell /bin/bash newcomer
echo 'newcomer ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/newcomer"
# Where this machine's node trusts more certificate authorities (a network
# that inspects TLS brings its own), the newcomer's npm trusts them too.
extra_ca=""
if [ -n "${NODE_EXTRA_CA_CERTS:-}" ] && [ -f "$NODE_EXTRA_CA_CERTS" ]; then
  cp "$NODE_EXTRA_CA_CERTS" "$root/etc/ssl/extra-authorities.pem"
  extra_ca="export NODE_EXTRA_CA_CERTS=/etc/ssl/extra-authorities.pem;"
fi

rm -f "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
until [ -s "$work/display" ]; do sleep 0.1; done
display=":$(cat "$work/display")"
install -d -m 1777 "$root/tmp/.X11-unix"  # as X makes it, for the tests' own servers later
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

as_newcomer() { chroot "$root" su - newcomer -c "$extra_ca $*"; }
packages() { chroot "$root" dpkg-query -W -f='${db:Status-Abbrev}\n' | grep -c '^ii'; }
disk() { du -sxm "$root" | cut -f1; }
note() { echo "fresh-root: $*"; }

# Runs a command in the root that opens the window and is measured until the
# window is shown; then the window is closed.
until_window() {
  start=$(date +%s)
  as_newcomer "export DISPLAY=$display; $1" >"$work/$2.log" 2>&1 &
  runner=$!
  until window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Stellarion$' 2>/dev/null); do
    kill -0 "$runner" 2>/dev/null || { tail -n 30 "$work/$2.log" >&2; note "$2: no window"; exit 1; }
    sleep 1
  done
  seconds=$(($(date +%s) - start))
  # The program that owns the window on this script's own X server.
  kill "$(DISPLAY=$display xdotool getwindowpid "$window")"
  wait "$runner" || true
  note "$2: window shown after $seconds s"
}

measure() {
  note "$1: $(packages) packages installed, $(disk) MB used"
}

measure "fresh root"
if [ "$mode" = commands ]; then
  git clone -q --no-local --branch "$(git -C "$here" branch --show-current)" "$here" \
    "$root/home/newcomer/stellarion"
  chroot "$root" chown -R newcomer:newcomer /home/newcomer/stellarion
  until_window "cd stellarion && tools/run.sh" run.sh
  measure "after tools/run.sh"
  start=$(date +%s)
  as_newcomer "cd stellarion && tools/test.sh" >"$work/test.sh.log" 2>&1 ||
    { tail -n 60 "$work/test.sh.log" >&2; note "tools/test.sh failed"; exit 1; }
  note "tools/test.sh: passed in $(($(date +%s) - start)) s"
  grep -E 'tests passed|tests failed' "$work/test.sh.log" | sed 's/^/fresh-root:   /'
  measure "after tools/test.sh"
else
  cp "$3" "$root/tmp/"
  start=$(date +%s)
  as_newcomer "sudo apt-get update -q && sudo apt-get install -y -q /tmp/$(basename "$3")" \
    >"$work/install.log" 2>&1 || { tail -n 30 "$work/install.log" >&2; exit 1; }
  note "apt-get install: $(($(date +%s) - start)) s"
  measure "after installing the package"
  until_window stellarion installed
  status=0
  as_newcomer "env -u DISPLAY stellarion" >"$work/nodisplay.log" 2>&1 || status=$?
  note "without a display: status $status, \"$(cat "$work/nodisplay.log")\""
fi
