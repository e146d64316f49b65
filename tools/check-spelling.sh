#!/bin/sh
# Spell-checks every reading text with hunspell (US English) and the
# project's word lists (resources/texts/words/*.txt). Prints the unknown
# words and fails when there are any.
set -eu
# The texts are UTF-8: without a UTF-8 locale (none is set on a fresh
# system) hunspell splits words at every apostrophe and accent.
export LC_ALL=C.UTF-8
texts="$(cd "$(dirname "$0")/../resources/texts" && pwd)"
words=$(mktemp)
trap 'rm -f "$words"' EXIT
cat "$texts"/words/*.txt 2>/dev/null | sort -u > "$words"
unknown=$(find "$texts" -name '*.txt' ! -path "$texts/words/*" ! -path "$texts/about/*" ! -name aliases.txt -print0 |
  xargs -0 cat | sed "s/\xe2\x80\x98\|\xe2\x80\x99/'/g" | hunspell -d en_US -l -p "$words" | sort -u)
if [ -n "$unknown" ]; then
  echo "Unknown words in the reading texts:"
  echo "$unknown"
  exit 1
fi
echo "Spelling: all reading texts clean."
