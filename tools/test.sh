#!/usr/bin/env bash
# Every test: the unit and command-line tests in the default and the sanitizer builds, the
# default data pack against its source and LibreOffice, the damaged-pack suite, and the
# readers under libFuzzer, the web page in Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

# A plain build, as someone who has never seen the presets would make it.
# Warnings are errors here, so the -O3 code stays free of them for people who turn them on.
cmake -S . -B out -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELVARON_WERROR=ON >/dev/null
cmake --build out

# The default pack comes first: the round trip and the damaged-pack suite run over it.
cmake --preset default >/dev/null
cmake --build --preset default
bash tools/make-default-pack.sh >/dev/null
export PELVARON_PACK_APP_PATH="$PWD/build/default/cli" PELVARON_REQUIRE_PACK=1

for preset in default sanitize; do
  cmake --preset "$preset" -DPELVARON_PACK_DIR="$PELVARON_PACK_APP_PATH" \
    -DPELVARON_QURAN_JSON_DIR="$PWD/build/quran-json/package" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done
bash tests/docx/libreoffice_check.sh
bash tests/writer/run.sh
bash tests/web/run.sh

# The readers under libFuzzer (ASan + UBSan), a short bounded run per target.
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

# The add-in DLLs, registered and driven under Wine by a stand-in for Word.
bash tests/wine/run.sh
