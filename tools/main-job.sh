#!/usr/bin/env bash
# Builds pelvaron and inserts Al-Fatihah, all verses, Arabic and translation.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
