#!/usr/bin/env bash
# Every test: the unit and command-line tests in the default and the sanitizer builds,
# then the suites that need more of the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

for preset in default sanitize; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done
bash tests/wine/run.sh
