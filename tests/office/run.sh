#!/usr/bin/env bash
# The Word task pane: built as tools/office.sh builds it, then driven in Debian's Chromium
# against a stand-in office.js, its manifest validated offline and its JavaScript type-checked.
# The npm packages (puppeteer-core, axe-core, Microsoft's office.js and manifest tools, types,
# typescript) are pinned by tests/office/package-lock.json and installed for the tests only.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh office
bash tools/office.sh --build-only
(cd tests/office && npm ci --no-audit --no-fund --silent --ignore-scripts &&
  node --test --test-concurrency=1 pane.test.mjs manifest.test.mjs)
