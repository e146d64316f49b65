#!/bin/sh
# Builds the page and runs the browser tests against the simulator's shots.
#   tools/web/test.sh SIMULATOR
set -eu
simulator=$(realpath "$1")
cd "$(dirname "$0")/../.."
[ -d tools/web/node_modules/puppeteer-core ] ||
  { echo "test.sh: puppeteer-core is missing; run tools/setup.sh test" >&2; exit 1; }
tools/web/build.sh
exec node tests/web/BrowserTest.mjs build-web/site "$simulator"
