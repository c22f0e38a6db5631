#!/usr/bin/env bash
# The default data pack against its source and against LibreOffice: builds the pack beside
# the default build's pelvaron, runs the round trip over every verse (here it must run, not
# skip), then opens Al-Fatihah's .docx in LibreOffice. Needs the default build.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/make-default-pack.sh >/dev/null
PELVARON_REQUIRE_PACK=1 ctest --preset default -R '^PackRoundTrip\.'
bash tests/docx/libreoffice_check.sh
