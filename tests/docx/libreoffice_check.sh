#!/usr/bin/env bash
# LibreOffice opens the .docx that `pelvaron insert` writes: Al-Fatihah, mode all, from the
# default pack, converted to text by soffice, must hold every verse's Arabic text and
# translation in order. Al-Baqarah 1-286 in Arabic: no line of its PDF holds half a verse-end
# mark (LibreOffice breaks lines where the text's direction changes). Then Al-Baqarah 1-20 on a font configuration without Amiri: the PDF
# must draw the Arabic in the Amiri Quran the document carries and in no other font, and
# without the carried font it must not (so an installed Amiri cannot make the check pass).
# PELVARON_RENDER_DIR=DIR keeps page 1 of that PDF as a PNG in DIR to look at.
# Needs the default build and pack (tools/make-default-pack.sh); installs LibreOffice
# Writer, poppler-utils and the fonts. Last, Juz 30: the surah headings laid out as they should be.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh libreoffice

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

"$exe" insert --surah 2 --first 1 --last 286 --mode arabic -o "$work/al-baqarah.docx"
timeout 300 soffice --headless "-env:UserInstallation=file://$work/profile" \
  --convert-to pdf --outdir "$work" "$work/al-baqarah.docx" >/dev/null 2>&1
[ -s "$work/al-baqarah.pdf" ] || { echo "libreoffice_check: soffice did not convert Al-Baqarah to PDF" >&2; exit 1; }
pdftotext -enc UTF-8 "$work/al-baqarah.pdf" "$work/al-baqarah.txt"
node tests/docx/expect_whole_verse_ends.js "$work/al-baqarah.txt" "surah 2 verses 1-286 from the .docx"

# Only Latin fonts: the Arabic can come from the document alone.
mkdir -p "$work/fonts"
for d in /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/dejavu; do
  [ -d "$d" ] || { echo "libreoffice_check: $d is missing" >&2; exit 1; }
done
cat >"$work/fonts/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/liberation2</dir>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>$work/fonts/cache</cachedir>
</fontconfig>
EOF
# The font names in the PDF that LibreOffice makes of $1 in folder $work/$2, one a line.
pdf_fonts() {
  FONTCONFIG_FILE="$work/fonts/fonts.conf" timeout 180 soffice --headless "-env:UserInstallation=file://$work/profile-$2" \
    --convert-to pdf --outdir "$work/$2" "$1" >/dev/null 2>&1
  local pdf="$work/$2/al-baqarah-1-20.pdf"
  [ -s "$pdf" ] || { echo "libreoffice_check: soffice did not convert $1 to PDF" >&2; exit 1; }
  pdffonts "$pdf" | tail -n +3 | awk '{ sub(/^[A-Z]+\+/, "", $1); print $1 }'
}
mkdir -p "$work/bare"
"$exe" insert --surah 2 --first 1 --last 20 --mode arabic -o "$work/al-baqarah-1-20.docx"
"$exe" insert --surah 2 --first 1 --last 20 --mode arabic --no-embed-font -o "$work/bare/al-baqarah-1-20.docx"
carried=$(pdf_fonts "$work/al-baqarah-1-20.docx" carried)
bare=$(pdf_fonts "$work/bare/al-baqarah-1-20.docx" bare)
if [ "$carried" != "AmiriQuran-Regular" ]; then
  echo "libreoffice_check: the PDF of the .docx that carries Amiri Quran uses: $(echo $carried)" >&2
  exit 1
fi
if grep -q Amiri <<<"$bare"; then
  echo "libreoffice_check: this font configuration has Amiri; the check would prove nothing" >&2
  exit 1
fi
if [ -n "${PELVARON_RENDER_DIR:-}" ]; then
  mkdir -p "$PELVARON_RENDER_DIR"
  pdftoppm -r 110 -f 1 -l 1 -png "$work/carried/al-baqarah-1-20.pdf" "$PELVARON_RENDER_DIR/al-baqarah-1-20"
fi
echo "surah 2 verses 1-20: the PDF draws the Arabic in the carried AmiriQuran-Regular alone (without it: $(echo $bare))"
# The Arabic citation: LibreOffice lays its paragraph out right to left, and the next one not.
"$exe" insert --surah 2 --first 255 --last 255 --mode translation --cite arabic -o "$work/cited.docx"
timeout 120 soffice --headless "-env:UserInstallation=file://$work/profile" \
  --convert-to fodt --outdir "$work" "$work/cited.docx" >/dev/null 2>&1
[ -s "$work/cited.fodt" ] || { echo "libreoffice_check: soffice did not convert the cited document" >&2; exit 1; }
node tests/docx/expect_rtl_paragraph.js "$work/cited.fodt" "[البقرة: ٢٥٥]"
# Verse by verse with the Latin: each verse's Latin, italic, right under its Arabic.
"$exe" insert --surah 112 --first 1 --last 4 --latin --per-verse --cite qs -o "$work/al-ikhlas.docx"
timeout 120 soffice --headless "-env:UserInstallation=file://$work/profile" \
  --convert-to fodt --outdir "$work" "$work/al-ikhlas.docx" >/dev/null 2>&1
[ -s "$work/al-ikhlas.fodt" ] || { echo "libreoffice_check: soffice did not convert the verse-by-verse document" >&2; exit 1; }
node tests/docx/expect_latin_italic.js "$work/al-ikhlas.fodt" "1. Qul huwallāhu aḥad(un)." "2. Allāhuṣ-ṣamad(u)." \
  "3. Lam yalid wa lam yūlad." "4. Wa lam yakul lahū kufuwan aḥad(un)."
if [ -n "${PELVARON_RENDER_DIR:-}" ]; then
  timeout 180 soffice --headless "-env:UserInstallation=file://$work/profile" \
    --convert-to pdf --outdir "$work" "$work/al-ikhlas.docx" >/dev/null 2>&1
  pdftoppm -r 110 -f 1 -l 1 -png "$work/al-ikhlas.pdf" "$PELVARON_RENDER_DIR/al-ikhlas-latin"
fi
# Juz 30 across surahs: every surah's heading centred, its Arabic heading and basmala right to left.
"$exe" insert --juz 30 -o "$work/juz-30.docx"
timeout 300 soffice --headless "-env:UserInstallation=file://$work/profile" \
  --convert-to fodt --outdir "$work" "$work/juz-30.docx" >/dev/null 2>&1
[ -s "$work/juz-30.fodt" ] || { echo "libreoffice_check: soffice did not convert Juz 30" >&2; exit 1; }
node tests/docx/expect_surah_headings.js "$work/juz-30.fodt" "$(dirname "$exe")/DataQuran/surahnames.txt" 78 114
