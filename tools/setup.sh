#!/bin/sh
# Installs the Debian packages listed in tools/debian-packages.txt that are
# not installed yet, and the browser tests' npm packages (tools/web).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
missing=""
for package in $(grep -v '^#' "$here/debian-packages.txt"); do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $package"
done
# A node from elsewhere brings its own npm; Debian's would not fit it.
command -v npm >/dev/null || missing="$missing npm"
if [ -n "$missing" ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing:$missing"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
fi
# The browser tests' driver and the measures' Lighthouse, at the versions
# the lock file names.
[ -d "$here/web/node_modules/puppeteer-core" ] && [ -d "$here/web/node_modules/lighthouse" ] ||
  (cd "$here/web" && npm ci --no-audit --no-fund --loglevel=error)
