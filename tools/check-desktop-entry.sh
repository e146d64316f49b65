#!/bin/sh
# Validates the desktop entry. Debian 12's desktop-file-validate predates
# version 1.5 of the format and calls its SingleMainWindow key unknown;
# every other error or warning fails.
#   tools/check-desktop-entry.sh ENTRY
set -u
complaints=$(desktop-file-validate "$1" 2>&1 | grep -v 'key "SingleMainWindow"')
[ -z "$complaints" ] || { echo "$complaints"; exit 1; }
grep -qx 'SingleMainWindow=true' "$1" || { echo "$1: not marked SingleMainWindow=true"; exit 1; }
