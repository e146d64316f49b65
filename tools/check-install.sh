#!/bin/sh
# Checks what the Debian package would hold (tools/stage-package.sh) from a
# build: every folder 0755 and every file 0644 (the program 0755) whatever
# the packager's umask, a stripped program, the copyright and changelog, and
# one identity throughout: an application in /usr/bin whose manual is in
# section 1.
#   tools/check-install.sh BUILD
set -eu
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
(umask 077 && "$(dirname "$0")/stage-package.sh" "$1" "$staging")
usr=$staging/usr
fail() { echo "check-install: $*" >&2; exit 1; }

modes=$(find "$usr" \( -type d ! -perm 0755 \) -o \
  \( -type f ! -perm 0644 ! -path "$usr/bin/stellarion" \) -o \( -path "$usr/bin/stellarion" ! -perm 0755 \))
[ -z "$modes" ] || fail "wrong modes: $modes"
for file in bin/stellarion share/man/man1/stellarion.1.gz share/doc/stellarion/copyright \
            share/doc/stellarion/changelog.gz share/applications/com.example.Stellarion.desktop \
            share/metainfo/com.example.Stellarion.metainfo.xml; do
  [ -f "$usr/$file" ] || fail "no $file"
done
! readelf -S "$usr/bin/stellarion" | grep -q -e '\.symtab' -e '\.comment' || fail "the program is not stripped"
[ -z "$(find "$usr" -path '*/games*' -o -path '*/man6*')" ] || fail "a game's folder or manual section"
zcat "$usr/share/man/man1/stellarion.1.gz" | grep -q '^\.TH STELLARION 1 ' || fail "the manual is not in section 1"
! grep -q '^Categories=.*Game' "$usr/share/applications/com.example.Stellarion.desktop" ||
  fail "the desktop entry calls it a game"
echo "check-install: modes, documents and identity as the package needs them"
