#!/bin/sh
# Builds the page and runs the browser tests against the simulator's shots:
# all of them in chromium, and what every engine must do in each engine
# installed here (chromium, Firefox ESR, WebKitGTK).
#   tools/web/test.sh SIMULATOR
set -eu
simulator=$(realpath "$1")
cd "$(dirname "$0")/../.."
[ -d tools/web/node_modules/puppeteer-core ] ||
  { echo "test.sh: puppeteer-core is missing; run tools/setup.sh test" >&2; exit 1; }
tools/web/build.sh
node tests/web/BrowserTest.mjs build-web/site "$simulator"
engines=$(node --input-type=module -e \
  'import { installedEngines } from "./tools/web/Browser.mjs"; console.log(installedEngines().join(" "))')
for engine in $engines; do
  node tests/web/EngineTest.mjs build-web/site "$simulator" "$engine"
done
