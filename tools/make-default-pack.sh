#!/usr/bin/env bash
# Builds the default data pack beside the pelvaron executable (build/default/cli/DataQuran):
# the default build's default_pack step (cmake/default_pack.cmake), which fetches the npm
# package quran-json once into build/quran-json/, checks its pinned SHA-512 and runs
# `pelvaron pack`. Installs npm when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v npm >/dev/null || bash tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target default_pack
