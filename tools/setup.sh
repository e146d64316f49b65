#!/bin/sh
# Installs the Debian packages listed in tools/debian-packages.txt that are
# not installed yet.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
missing=""
for package in $(grep -v '^#' "$here/debian-packages.txt"); do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $package"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
