#!/usr/bin/env bash
# Builds the web page into build/web/site and serves it on http://127.0.0.1:8080/.
#   bash tools/web.sh [--build-only] [--port N]
# --build-only: build the static folder and stop (CI, other scripts). Installs what it needs:
# Debian's emscripten, fonttools (the WOFF2 font), node; the default data pack comes from the
# native build (tools/make-default-pack.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
build_only=0
port=8080
while [ $# -gt 0 ]; do
  case $1 in
    --build-only) build_only=1 ;;
    --port) port=$2; shift ;;
    *) echo "usage: bash tools/web.sh [--build-only] [--port N]" >&2; exit 2 ;;
  esac
  shift
done

bash tools/install-deps.sh web
# The pack builder stays native: the page carries the default pack it makes.
cmake --preset default >/dev/null
cmake --build --preset default --target pelvaron
[ -f build/default/cli/DataQuran/latin.txt ] || bash tools/make-default-pack.sh >/dev/null  # packs before the Latin lack it
bash tools/web-deps.sh
cmake --preset web >/dev/null
cmake --build --preset web --target web_site
[ "$build_only" = 1 ] && { echo "The page: $PWD/build/web/site"; exit 0; }
exec node web/serve.mjs build/web/site "$port"
