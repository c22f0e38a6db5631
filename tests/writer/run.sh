#!/usr/bin/env bash
# pelvaron.oxt in a real LibreOffice: `unopkg add` into a fresh profile, then
# writer_check.py drives headless Writer over Python-UNO. Needs the default build and pack
# (tools/make-default-pack.sh); builds the .oxt. unopkg refuses to add a user extension as root, so as root
# the profile belongs to, and soffice runs as, the user nobody.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-deps.sh writer >/dev/null

# The SDK may have come only now: the default build then takes the extension in.
cmake --preset default -DPELVARON_WRITER=ON >/dev/null
cmake --build --preset default --target pelvaron_oxt >/dev/null

exe=$PWD/build/default/cli/pelvaron
oxt=build/default/writer/pelvaron.oxt
source_dir=build/quran-json/package
for f in "$exe" "$oxt" "$(dirname "$exe")/DataQuran/AQO2.TXT" "$source_dir"; do
  [ -e "$f" ] || { echo "writer: $f is missing (cmake --build --preset default; tools/make-default-pack.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
packs=$work/packs
mkdir -p "$packs/missing"
cp -r "$(dirname "$exe")/DataQuran" "$packs/default.DataQuran"
for pack in default empty-index folder-for-arabic cut-translation no-latin no-divisions; do
  mkdir -p "$packs/$pack" && cp -r "$packs/default.DataQuran" "$packs/$pack/DataQuran"
done
: > "$packs/empty-index/DataQuran/surahindex.mtf"
rm "$packs/folder-for-arabic/DataQuran/AQO2.TXT" && mkdir "$packs/folder-for-arabic/DataQuran/AQO2.TXT"
truncate -s 100 "$packs/cut-translation/DataQuran/Ayat Per Kata.dat"
rm "$packs/no-latin/DataQuran/latin.txt"
rm "$packs/no-divisions/DataQuran/divisions.txt"
# A test pack with notes: every footnote number of the source gets a note of its own.
seq 1 3000 | awk '{ printf "%d\tCatatan nomor %d.\n", $1, $1 }' > "$work/notes.txt"
"$exe" pack --source "$source_dir" --out "$packs/notes/DataQuran" --notes "$work/notes.txt" >/dev/null

cp "$oxt" "$work/"
# Made here so that soffice's user may write them and the driver keeps them its own.
: > "$work/script.txt"
: > "$work/messages.log"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody "$work"
  # Started in the profile's folder: nobody may not enter the checkout (a private mktemp -d).
  as_user=(runuser -u nobody -- env -C "$work" HOME="$work")
fi
"${as_user[@]}" timeout 120 unopkg add "-env:UserInstallation=file://$work/profile" "$work/pelvaron.oxt"
listed=$("${as_user[@]}" timeout 60 unopkg list "-env:UserInstallation=file://$work/profile")
grep -q 'Identifier: org.pelvaron.writer' <<<"$listed" || { echo "writer: unopkg did not register the extension" >&2; exit 1; }
# Debian's interpreter: python3-uno is built for it, not for one first on PATH.
[ -n "${WRITER_SCREENS_ONLY:-}" ] || timeout 900 /usr/bin/python3 tests/writer/writer_check.py "$work" "$exe" "${as_user[@]}"

# The same profile on a virtual display, with a font configuration that lacks Amiri: the
# font the extension carries, the menu, the dialog and a page, as screenshots.
cat > "$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<fontconfig><dir>/usr/share/fonts/truetype</dir><cachedir>$work/fontcache</cachedir></fontconfig>
CONF
artifacts=$PWD/build/writer/artifacts
mkdir -p "$artifacts" && chmod 777 "$artifacts"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.1; done  # a busy machine starts it slowly
[ -s "$work/display" ] || { echo "writer: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n1 "$work/display")" timeout 300 /usr/bin/python3 tests/writer/screens.py "$work" "$artifacts" "${as_user[@]}"
echo "screenshots: $artifacts"
