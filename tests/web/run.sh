#!/usr/bin/env bash
# The web page: the engine's unit tests as WebAssembly under node, then the page in Debian's
# Chromium (puppeteer-core, pinned by tests/web/package-lock.json; it never downloads a browser),
# and web/serve.mjs as a program.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh web
bash tools/web.sh --build-only
cmake --build --preset web
ctest --preset web -j2
(cd tests/web && npm ci --no-audit --no-fund --silent && node --test page.test.mjs serve.test.mjs)
