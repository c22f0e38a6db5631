#!/usr/bin/env bash
# LibreOffice opens the .docx that `pelvaron insert` writes: Al-Fatihah, mode all, from the
# default pack, converted to text by soffice, must hold every verse's Arabic text and
# translation in order. Needs the default build and pack (tools/make-default-pack.sh);
# installs LibreOffice Writer and an Arabic font.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh libreoffice-writer fonts-hosny-amiri

exe=build/default/cli/pelvaron
source_json=build/quran-json/package/dist/quran_id.json
for f in "$exe" "$(dirname "$exe")/DataQuran/AQO2.TXT" "$source_json"; do
  [ -e "$f" ] || { echo "libreoffice_check: $f is missing (tools/make-default-pack.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$exe" insert --surah 1 --first 1 --last 7 --mode all -o "$work/al-fatihah.docx"
# A profile of its own: no clash with a running LibreOffice or another test.
timeout 120 soffice --headless "-env:UserInstallation=file://$work/profile" \
  --convert-to 'txt:Text (encoded):UTF8' --outdir "$work" "$work/al-fatihah.docx" >/dev/null 2>&1
[ -s "$work/al-fatihah.txt" ] || { echo "libreoffice_check: soffice did not convert the document" >&2; exit 1; }
node tests/docx/expect_surah_text.js "$work/al-fatihah.txt" "$source_json" 1

# The Arabic citation: LibreOffice lays its paragraph out right to left, and the next one not.
"$exe" insert --surah 2 --first 255 --last 255 --mode translation --cite arabic -o "$work/cited.docx"
timeout 120 soffice --headless "-env:UserInstallation=file://$work/profile" \
  --convert-to fodt --outdir "$work" "$work/cited.docx" >/dev/null 2>&1
[ -s "$work/cited.fodt" ] || { echo "libreoffice_check: soffice did not convert the cited document" >&2; exit 1; }
node tests/docx/expect_rtl_paragraph.js "$work/cited.fodt" "[البقرة: ٢٥٥]"
