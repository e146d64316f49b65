#!/bin/sh
# Serves the page that tools/web/build.sh built, on http://127.0.0.1:PORT/
# (default 8080). Open it in a browser; from there it can be installed.
set -eu
cd "$(dirname "$0")/../.."
[ -f build-web/site/index.html ] || { echo "serve.sh: run tools/web/build.sh first" >&2; exit 1; }
exec node tools/web/Serve.mjs build-web/site "${1:-8080}"
