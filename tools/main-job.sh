#!/usr/bin/env bash
# Builds pelvaron and inserts Al-Fatihah, all verses, Arabic and translation.
set -euo pipefail
work_dir=$PWD
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
bash tools/make-default-pack.sh
build/default/cli/pelvaron insert --surah 1 --first 1 --last 7 --mode all -o "$work_dir/pelvaron-al-fatihah.docx"
echo "Al-Fatihah, Arabic and translation: $work_dir/pelvaron-al-fatihah.docx"
