#!/usr/bin/env bash
# The Word add-in under Wine: builds both DLLs and the stand-in Word host, registers the
# DLLs with regsvr32 in fresh Wine prefixes, checks the registry, runs the scenarios and
# compares every inserted trace byte for byte with `pelvaron insert --format trace`.
# Screenshots of the forms go to build/wine/artifacts. Ends with "N passed, M failed, K skipped":
# what needs 32-bit Wine (the i686 DLL, the 32-bit setup program) is skipped, with the reason,
# where wine32:i386 is not installed.
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$PWD

work=$root/build/wine
artifacts=$work/artifacts
x86_dll=$root/build/windows-x86/addin/Ostrevan2003.dll
package=$root/build/windows-x64/Pelvaron-windows.zip
setup32=$root/build/windows-x64/Pelvaron-setup.exe
setup64=$root/build/windows-x64/Pelvaron-setup-amd64.exe
pelvaron=$root/build/default/cli/pelvaron
make_test_pack=$root/build/default/tests/wine/make_test_pack
default_pack=$root/build/default/cli/DataQuran  # tools/make-default-pack.sh

bash tools/install-deps.sh wine >/dev/null
wine32=0
dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed' && wine32=1

rm -rf "$work"
mkdir -p "$artifacts" "$work/pack"
build_log=$root/build/wine-build.log
# The Windows package is the 64-bit tree's windows_package, with the test pack as its DataQuran.
{
  cmake --preset default && cmake --build --preset default -j2 --target pelvaron make_test_pack &&
    "$make_test_pack" "$work/pack" &&
    cmake --preset windows-x86 && cmake --build --preset windows-x86 -j2 &&
    cmake --preset windows-x64 -DPELVARON_X86_ADDIN="$x86_dll" -DPELVARON_DATA_QURAN="$work/pack/DataQuran" &&
    cmake --build --preset windows-x64 -j2 --target all windows_package windows_installer
} >"$build_log" 2>&1 || {
  tail -n 40 "$build_log"
  echo "0 passed, 1 failed (the build)"
  exit 1
}
# clsid, libid, iid, progid, word_addin_key ...: what the add-in registers, from its build.
. "$root/build/windows-x64/addin/registration.sh"
folder='Pelvaron Ünïcødé'  # a non-ASCII folder: the add-in must take wide paths

passed=0
failed=0
skipped=0
pass() { passed=$((passed + 1)); echo "PASS: $*"; }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }
skip() { skipped=$((skipped + 1)); echo "SKIP: $*"; }
no_wine32="wine32:i386 is not installed (bash tools/install-deps.sh wine32:i386; it cannot install where the i386 lists lag the amd64 ones)"
expect() {  # expect DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then pass "$what"; else fail "$what"; fi
}

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Xvfb writes its display number once it accepts clients: reading it is the wait.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$work/display" || { echo "0 passed, 1 failed (Xvfb did not start)"; exit 1; }
export DISPLAY=:$display
trap 'wineserver -k >/dev/null 2>&1; kill $xvfb 2>/dev/null' EXIT

# reg_has VIEW KEY PATTERN [VALUE-ARGS...]: the key (or value) exists and its output matches.
reg_has() {
  local view=$1 key=$2 pattern=$3
  shift 3
  wine reg query "$key" "$@" "$view" 2>/dev/null | tr -d '\r' | grep -qF -- "$pattern"
}
reg_gone() { ! wine reg query "$2" "$1" >/dev/null 2>&1; }

# The scenario helpers below work on the architecture run_arch is at: $arch, $dir, $host.

# host_run SCENARIO ARGS...: each PASS/FAIL line of the host counts.
host_run() {
  # Through a file, not $(...): Wine's helper processes outlive the host and would hold
  # a pipe open for seconds.
  local out rc
  wine "$host" "$@" >"$work/host.out" 2>&1
  rc=$?
  out=$(tr -d '\r' <"$work/host.out")
  echo "$out" | sed -n "s/^\(PASS\|FAIL\): /\1: $arch: /p"
  passed=$((passed + $(echo "$out" | grep -c '^PASS')))
  failed=$((failed + $(echo "$out" | grep -c '^FAIL')))
  echo "$out" | grep '^COUNTS\|^SOAK' | sed "s/^/$arch: /" >>"$work/counts.txt"
  echo "$out" | grep '^LABEL' | sed "s/^/$arch: /" || true
  [ $rc -eq 0 ] || [ "$(echo "$out" | grep -c '^FAIL')" -gt 0 ] || fail "$arch: host $1 exited with $rc"
}

# compare_trace NAME PELVARON-ARGS...: the host's trace against the command line's.
compare_trace() { compare_trace_in "$dir" "$@"; }

# compare_trace_in APP-FOLDER NAME PELVARON-ARGS...: the same, with the data the add-in in
# APP-FOLDER read; the trace is in $dir all the same.
compare_trace_in() {
  local app=$1 name=$2
  shift 2
  "$pelvaron" insert --app-path "$app" "$@" --format trace >"$work/$arch-$name.expected" 2>/dev/null
  if cmp -s "$work/$arch-$name.expected" "$dir/$name.trace" && [ -s "$dir/$name.trace" ]; then
    pass "$arch: $name: trace byte-identical to pelvaron insert"
  else
    fail "$arch: $name: trace differs from pelvaron insert (see $work/$arch-$name.expected)"
  fi
}

# has_lines FILE LINE...: each LINE is a whole line of FILE.
has_lines() {
  local file=$1 line
  shift
  for line in "$@"; do grep -qxF -- "$line" "$file" || return 1; done
}

# registration_checks VIEW SYSKIND: what regsvr32 wrote machine-wide.
registration_checks() {
  local view=$1 syskind=$2 class="HKCR\\CLSID\\$clsid"
  expect "$arch: InprocServer32 is the DLL" reg_has "$view" "$class\\InprocServer32" '\Ostrevan2003.dll'
  expect "$arch: ThreadingModel $threading_model" \
    reg_has "$view" "$class\\InprocServer32" "$threading_model" /v ThreadingModel
  expect "$arch: class names its ProgID" reg_has "$view" "$class\\ProgID" "$progid"
  expect "$arch: class names its type library" reg_has "$view" "$class\\TypeLib" "$libid"
  expect "$arch: ProgID names the class" reg_has "$view" "HKCR\\$progid\\CLSID" "$clsid"
  # The library GUID in the .tlb itself (widl once corrupted it): RegisterTypeLib writes what it reads.
  expect "$arch: type library $typelib_version, \"$typelib_help\"" \
    reg_has "$view" "HKCR\\TypeLib\\$libid\\$typelib_version" "$typelib_help"
  expect "$arch: type library registered for $syskind" \
    reg_has "$view" "HKCR\\TypeLib\\$libid\\$typelib_version\\0\\$syskind" 'Ostrevan2003.dll'
  expect "$arch: $interface_name interface registered" reg_has "$view" "HKCR\\Interface\\$iid" "$interface_name"
  expect "$arch: Word add-in FriendlyName" reg_has "$view" "$word_addin_key" "$friendly_name" /v FriendlyName
  expect "$arch: Word add-in Description" reg_has "$view" "$word_addin_key" "$description" /v Description
  expect "$arch: Word add-in LoadBehavior $load_behavior" \
    reg_has "$view" "$word_addin_key" "$(printf '0x%x' "$load_behavior")" /v LoadBehavior
}

scenarios() {
  host_run lifecycle
  host_run ribbon --xml "C:\\$folder\\ribbon.xml"
  expect "$arch: GetCustomUI's XML validates against the customUI parts it uses" \
    xmllint --noout --schema tests/wine/customui_subset.xsd "$dir/ribbon.xml"
  expect "$arch: GetCustomUI gives addin/ribbon.xml byte for byte" cmp "$dir/ribbon.xml" addin/ribbon.xml
  mv "$dir/DataQuran" "$dir/DataQuran.away"
  host_run nodata
  mv "$dir/DataQuran.away" "$dir/DataQuran"

  host_run insert --button 1 --surah 2 --first 1 --last 40 --trace "C:\\$folder\\all.trace" \
    --screenshot "C:\\$folder\\frmPilih.png"
  compare_trace all --surah 2 --first 1 --last 40 --mode all
  host_run insert --button 2 --surah 2 --first 1 --last 40 --trace "C:\\$folder\\arabic-surah.trace"
  compare_trace arabic-surah --surah 2 --first 1 --last 40 --mode arabic
  host_run insert --ribbon --button 1 --surah 2 --first 1 --last 12 --trace "C:\\$folder\\ribbon-all.trace" \
    --screenshot "C:\\$folder\\frmPilih-ribbon.png"
  compare_trace ribbon-all --surah 2 --first 1 --last 12 --mode all
  host_run insert --word2003 --button 2 --surah 2 --first 1 --last 12 --trace "C:\\$folder\\word2003.trace"
  compare_trace word2003 --surah 2 --first 1 --last 12 --mode arabic
  host_run insert --button 2 --surah 1 --first 2 --last 5 --type-last 5 --check --trace "C:\\$folder\\arabic.trace"
  compare_trace arabic --surah 1 --first 2 --last 5 --mode arabic --line-per-verse
  host_run insert --button 1 --surah 2 --first 8 --last 13 --then-button 3 --trace "C:\\$folder\\translation.trace"
  compare_trace translation --surah 2 --first 8 --last 13 --mode translation

  # Rujukan on the ribbon, kept per user: the ribbon's insertions and Cari Ayat type the
  # citation, the menu's do not.
  host_run rujukan --cite 2
  host_run insert --ribbon --button 2 --surah 2 --first 3 --last 5 --trace "C:\\$folder\\ribbon-cited.trace"
  compare_trace ribbon-cited --surah 2 --first 3 --last 5 --mode arabic --cite short
  host_run insert --button 2 --surah 2 --first 3 --last 5 --trace "C:\\$folder\\menu-uncited.trace"
  compare_trace menu-uncited --surah 2 --first 3 --last 5 --mode arabic
  host_run rujukan --cite 0

  # Latin and Per ayat on the ribbon, kept per user: the ribbon's insertions type the Latin
  # verse by verse, the menu's do not.
  host_run toggles --on 1
  host_run insert --ribbon --button 1 --surah 2 --first 3 --last 5 --per-verse --trace "C:\\$folder\\ribbon-latin.trace"
  compare_trace ribbon-latin --surah 2 --first 3 --last 5 --mode all --latin --per-verse
  host_run insert --button 1 --surah 2 --first 3 --last 5 --trace "C:\\$folder\\menu-no-latin.trace"
  compare_trace menu-no-latin --surah 2 --first 3 --last 5 --mode all
  host_run toggles --on 0

  mv "$dir/DataQuran/AQO2.TXT" "$dir/AQO2.away"
  host_run insert --button 2 --surah 2 --first 1 --last 3 --trace "C:\\$folder\\failing.trace" \
    --expect-open --expect-message 'AQO2.TXT'
  compare_trace failing --surah 2 --first 1 --last 3 --mode arabic
  mv "$dir/AQO2.away" "$dir/DataQuran/AQO2.TXT"

  host_run insert --button 1 --surah 3 --first 2 --type-last 6 --last 0 --trace "C:\\$folder\\refused.trace" \
    --expect-message 'Ayat tidak ada!!!'
  if [ -f "$dir/refused.trace" ] && [ ! -s "$dir/refused.trace" ]; then
    pass "$arch: a verse above the count inserts nothing"
  else
    fail "$arch: a verse above the count inserts nothing"
  fi

  host_failures

  host_run about --screenshot "C:\\$folder\\frmabout.png"

  # Cari Ayat: Enter searches the translation words, Sisipkan inserts with "(QS. ...)"; then a
  # reference range through Cari, inserted by a double-click with "(QS 2:3-5)".
  host_run search --query word12 --enter --expect-first 2:5 --cite 1 --trace "C:\\$folder\\search.trace" \
    --screenshot "C:\\$folder\\frmCari.png"
  compare_trace search --surah 2 --first 5 --last 5 --mode all --cite qs
  host_run search --query 2:3-5 --expect-first 2:3-5 --cite 2 --double-click --trace "C:\\$folder\\search-range.trace"
  compare_trace search-range --surah 2 --first 3 --last 5 --mode all --cite short
  # "Arab, Latin dan terjemah": the Latin italic, through Word's Font.Italic.
  host_run search --query 2:3-5 --expect-first 2:3-5 --cite 0 --what 3 --trace "C:\\$folder\\search-latin.trace"
  compare_trace search-latin --surah 2 --first 3 --last 5 --mode all --latin

  # A pack naming its Arabic font: Word gets it as the complex-script font and size.
  "$make_test_pack" "$dir" --arabic-font 'Amiri Quran'
  host_run insert --button 2 --surah 2 --first 1 --last 40 --runs --trace "C:\\$folder\\arabic-font.trace"
  compare_trace arabic-font --surah 2 --first 1 --last 40 --mode arabic
  expect "$arch: arabic-font: trace sets Font.NameBi \"Amiri Quran\" and Font.SizeBi 14" \
    has_lines "$dir/arabic-font.trace" 'Font.NameBi "Amiri Quran"' 'Font.SizeBi 14'
  rm -f "$dir/DataQuran/pelvaron.ini"

  default_pack_scenarios

  cp "$dir/frmPilih.png" "$artifacts/$arch-frmPilih.png" 2>/dev/null
  cp "$dir/frmPilih-ribbon.png" "$artifacts/$arch-frmPilih-ribbon.png" 2>/dev/null
  cp "$dir/frmabout.png" "$artifacts/$arch-frmabout.png" 2>/dev/null
  cp "$dir/frmCari.png" "$artifacts/$arch-frmCari.png" 2>/dev/null
}

# The user's %LOCALAPPDATA% in the prefix, as a Unix path, asked once when the prefix is new.
# It must be a folder that exists, after a few tries if need be: a wrong path here would make
# the font checks look at nothing.
local_appdata() {
  local i path
  for i in 1 2 3; do
    # Only the drive path of what cmd printed: a console may add control sequences around it.
    path=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r' | grep -o '[A-Za-z]:\\[^[:cntrl:]]*' | tail -n 1)
    [ -n "$path" ] && path=$(winepath -u "$path" 2>/dev/null) && [ -d "$path" ] && { echo "$path"; return 0; }
    sleep 1
  done
  return 1
}

# The default pack (it names its Quran font): a verse is typed as one run in a few calls, the
# same operations as the command line's, never in the font "(normal text)"; then a long
# session of insertions, About boxes and Cari Ayat forms leaks nothing.
default_pack_scenarios() {
  if [ ! -f "$default_pack/AQO2.TXT" ]; then
    fail "$arch: the default pack is missing ($default_pack): run tools/make-default-pack.sh"
    return
  fi
  mv "$dir/DataQuran" "$dir/DataQuran.test"
  cp -r "$default_pack" "$dir/DataQuran"
  local name surah first last mode button bound
  # Arabic at most 20 Invokes a verse, with the translation 30.
  while read -r name surah first last mode button bound; do
    host_run insert --button "$button" --surah "$surah" --first "$first" --last "$last" --runs \
      --max-invokes-per-verse "$bound" --trace "C:\\$folder\\$name.trace"
    compare_trace "$name" --surah "$surah" --first "$first" --last "$last" --mode "$mode"
  done <<'RANGES'
default-fatihah-arabic 1 1 7 arabic 2 20
default-fatihah-all 1 1 7 all 1 30
default-baqarah-arabic 2 1 286 arabic 2 20
default-baqarah-all 2 1 286 all 1 30
default-baqarah-translation 2 1 286 translation 3 30
RANGES
  # Cari Ayat with a page of the mushaf (the pack's divisions.txt): the range across surahs,
  # each surah with its heading and basmala, as pelvaron insert --page types it.
  host_run search --query 'hlm 604' --expect-first 112:1-114:6 --cite 1 --trace "C:\\$folder\\search-page.trace"
  compare_trace search-page --page 604 --mode all --cite qs
  host_run soak --cycles 200
  rm -rf "$dir/DataQuran"
  mv "$dir/DataQuran.test" "$dir/DataQuran"
}

# Word refusing a call half-way, the document closed or another activated while the add-in
# yields, Word closing while it works: a message box with Word's own text (none while Word
# closes), screen updating on, undo record and status bar closed, and the next OK works.
host_failures() {
  local fault name
  for fault in InsertSymbol:5 TypeText:1 Selection:1; do
    name=fail-${fault%%:*}
    host_run insert --button 1 --surah 2 --first 1 --last 6 --fail "$fault" --expect-open \
      --expect-message "locked for editing (${fault%%:*} call ${fault#*:})" --retry --trace "C:\\$folder\\$name.trace"
    compare_trace "$name" --surah 2 --first 1 --last 6 --mode all
  done
  host_run insert --button 2 --surah 2 --first 1 --last 6 --switch-at-yield 3 --expect-open \
    --expect-message 'stopped after verse 3 of 6: the document it typed into was closed or is no longer the active one' \
    --retry --trace "C:\\$folder\\switched.trace"
  compare_trace switched --surah 2 --first 1 --last 6 --mode arabic
  host_run insert --button 2 --surah 2 --first 1 --last 6 --close-at-yield 2 --expect-open \
    --expect-message 'stopped after verse 2 of 6' --trace "C:\\$folder\\closed.trace"
  host_run insert --button 1 --surah 2 --first 1 --last 6 --shutdown-at-yield 4 --trace "C:\\$folder\\shutdown.trace"
  host_run insert --button 1 --surah 2 --first 1 --last 6 --shutdown-before-ok --trace "C:\\$folder\\shutdown-open.trace"
}

# package_checks VIEW PACKAGE-FOLDER: install.cmd and uninstall.cmd from the unpacked package.
package_checks() {
  local view=$1 pkgdir=$2 unpacked="$WINEPREFIX/drive_c/users/Public/Pelvaron"
  local fontkey='HKCU\Software\Microsoft\Windows NT\CurrentVersion\Fonts'
  local userfont=$appdata/Microsoft/Windows/Fonts/AmiriQuran.ttf
  mkdir -p "$WINEPREFIX/drive_c/users/Public"
  rm -rf "$unpacked" && (cd "$WINEPREFIX/drive_c/users/Public" && cmake -E tar xf "$package")
  expect "$arch: package holds $pkgdir/Ostrevan2003.dll with DataQuran beside it" \
    test -f "$unpacked/$pkgdir/DataQuran/surahindex.mtf" -a -f "$unpacked/$pkgdir/Ostrevan2003.dll"
  expect "$arch: install.cmd succeeds" wine cmd /c "C:\\users\\Public\\Pelvaron\\$pkgdir\\install.cmd"
  expect "$arch: install.cmd registers for the user" \
    reg_has "$view" "HKCU\\Software\\Classes\\CLSID\\$clsid\\InprocServer32" "Pelvaron\\$pkgdir\\Ostrevan2003.dll"
  expect "$arch: install.cmd adds the Word add-in entry" reg_has "$view" "$word_addin_key" 'LoadBehavior'
  expect "$arch: the package carries the font's licence" test -s "$unpacked/$pkgdir/AmiriQuran-OFL.txt"
  expect "$arch: install.cmd copies the font for the user ($userfont)" cmp -s "$userfont" "$unpacked/$pkgdir/AmiriQuran.ttf"
  expect "$arch: install.cmd registers the font for the user" \
    reg_has "$view" "$fontkey" AmiriQuran.ttf /v "Amiri Quran (TrueType)"
  expect "$arch: uninstall.cmd succeeds" wine cmd /c "C:\\users\\Public\\Pelvaron\\$pkgdir\\uninstall.cmd"
  expect "$arch: uninstall.cmd removes the user's class" reg_gone "$view" "HKCU\\Software\\Classes\\CLSID\\$clsid"
  expect "$arch: uninstall.cmd removes the Word add-in entry" reg_gone "$view" "$word_addin_key"
  expect "$arch: uninstall.cmd removes the font it installed" \
    eval '[ ! -e "$userfont" ] && ! reg_has "$view" "$fontkey" AmiriQuran /v "Amiri Quran (TrueType)" &&
          reg_gone "$view" "HKCU\\Software\\Pelvaron"'
}

# gone_within PATH: waits for PATH to disappear (NSIS's uninstaller runs on from a copy of
# itself after the one started has returned), at most a minute.
gone_within() {
  local i
  for i in $(seq 60); do
    [ -e "$1" ] || return 0
    sleep 1
  done
  return 1
}

# installer_checks VIEW BITS SETUP: the setup program, silently: refused without Word, then
# install, the stand-in Word using it, upgrade, uninstall; and a system-wide font left alone.
installer_checks() {
  local view=$1 bits=$2 setup=$3 appkey='HKCU\Software\Pelvaron' fontvalue='Amiri Quran (TrueType)'
  local arch="$arch ${setup##*/}"
  local uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelvaron'
  local fontkey='HKCU\Software\Microsoft\Windows NT\CurrentVersion\Fonts'
  local instdir=$appdata/Programs/Pelvaron userfont=$appdata/Microsoft/Windows/Fonts/AmiriQuran.ttf word_dir

  wine "$setup" /S
  expect "$arch: setup without Word: exit code 2" test $? -eq 2
  expect "$arch: setup without Word: nothing installed" eval '[ ! -e "$instdir" ] && reg_gone "$view" "$uninstall"'

  # The stand-in host as WINWORD.EXE, found through App Paths: its PE header gives the bitness.
  word_dir="$WINEPREFIX/drive_c/Program Files/Microsoft Office/root/Office16"
  mkdir -p "$word_dir" && cp "$host" "$word_dir/WINWORD.EXE"
  wine reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Winword.exe' /ve /f "$view" \
    /d 'C:\Program Files\Microsoft Office\root\Office16\WINWORD.EXE' >/dev/null 2>&1
  expect "$arch: setup /S succeeds" wine "$setup" /S
  expect "$arch: setup picks the $bits-bit add-in after WINWORD.EXE" cmp "$instdir/Ostrevan2003.dll" "$build/addin/Ostrevan2003.dll"
  expect "$arch: setup puts DataQuran and the font licence beside it" \
    test -f "$instdir/DataQuran/surahindex.mtf" -a -f "$instdir/AmiriQuran-OFL.txt"
  expect "$arch: setup registers the class for the user" \
    reg_has "$view" "HKCU\\Software\\Classes\\CLSID\\$clsid\\InprocServer32" 'Programs\Pelvaron\Ostrevan2003.dll'
  expect "$arch: setup adds the Word add-in entry" reg_has "$view" "$word_addin_key" 'LoadBehavior'
  expect "$arch: setup adds the Apps & features entry" reg_has "$view" "$uninstall" 'uninstall.exe' /v UninstallString
  expect "$arch: setup installs the font for the user" \
    eval 'cmp -s "$userfont" /usr/share/fonts/opentype/fonts-hosny-amiri/AmiriQuran.ttf && reg_has "$view" "$fontkey" "AmiriQuran.ttf" /v "$fontvalue"'

  # GDI, which Word draws with, finds the user's font; a verse drawn in it, for a person to see:
  # 2:7 from the default pack when it is built (its open tanween), else a word of it.
  "$pelvaron" insert --app-path "$root/build/default/cli" --surah 2 --first 7 --last 7 --mode arabic \
    >"$dir/verse.txt" 2>/dev/null || printf '%s\n' 'غِشَٰوَةٞۖ وَلَهُمۡ عَذَابٌ عَظِيمٞ' >"$dir/verse.txt"
  host_run font --family 'Amiri Quran' --text-file "C:\\$folder\\verse.txt" --screenshot "C:\\$folder\\font-2-7.png"
  cp "$dir/font-2-7.png" "$artifacts/$arch-font-2-7.png" 2>/dev/null

  host_run insert --per-user 'Programs\Pelvaron' --button 2 --surah 1 --first 2 --last 5 \
    --trace "C:\\$folder\\installed.trace"
  compare_trace_in "$instdir" installed --surah 1 --first 2 --last 5 --mode arabic

  expect "$arch: setup again upgrades in place" wine "$setup" /S
  expect "$arch: after the upgrade: one Word add-in entry, the DLL, the user's class" \
    eval 'test -f "$instdir/Ostrevan2003.dll" && reg_has "$view" "$word_addin_key" LoadBehavior &&
          reg_has "$view" "HKCU\\Software\\Classes\\CLSID\\$clsid\\InprocServer32" Pelvaron'

  wine "$instdir/uninstall.exe" /S
  expect "$arch: uninstall removes every file and the folder" gone_within "$instdir"
  expect "$arch: uninstall removes the user's class" reg_gone "$view" "HKCU\\Software\\Classes\\CLSID\\$clsid"
  expect "$arch: uninstall removes the Word add-in entry" reg_gone "$view" "$word_addin_key"
  expect "$arch: uninstall removes the Apps & features entry and its own key" \
    eval 'reg_gone "$view" "$uninstall" && reg_gone "$view" "$appkey"'
  expect "$arch: uninstall removes the font it installed" \
    eval '[ ! -e "$userfont" ] && ! reg_has "$view" "$fontkey" AmiriQuran /v "$fontvalue"'

  # A font Windows has for every user already: not copied, and left in place by uninstall.
  cp /usr/share/fonts/opentype/fonts-hosny-amiri/AmiriQuran.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  expect "$arch: setup /WORD=$bits succeeds" wine "$setup" /S "/WORD=$bits"
  expect "$arch: with the font system-wide, none is copied for the user" \
    eval '[ ! -e "$userfont" ] && ! reg_has "$view" "$fontkey" AmiriQuran /v "$fontvalue"'
  wine "$instdir/uninstall.exe" /S
  expect "$arch: uninstall leaves the system-wide font alone" \
    eval 'gone_within "$instdir" && [ -f "$WINEPREFIX/drive_c/windows/Fonts/AmiriQuran.ttf" ]'
  rm -f "$WINEPREFIX/drive_c/windows/Fonts/AmiriQuran.ttf"

  # A 32-bit Word for this user besides the 64-bit one: ambiguous, so nothing is installed.
  if [ "$bits" = 64 ]; then
    mkdir -p "$WINEPREFIX/drive_c/Office32" && cp "$root/build/windows-x86/tests/wine/pelvaron_wine_host.exe" \
      "$WINEPREFIX/drive_c/Office32/WINWORD.EXE"
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\App Paths\Winword.exe' /ve /f \
      /d 'C:\Office32\WINWORD.EXE' >/dev/null 2>&1
    wine "$setup" /S
    expect "$arch: setup with a 32- and a 64-bit Word: exit code 2, nothing installed" \
      eval "[ $? -eq 2 ] && [ ! -e \"\$instdir\" ]"
    wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\App Paths\Winword.exe' /f >/dev/null 2>&1
  else
    wine "$setup" /S /WORD=64
    expect "$arch: setup /WORD=64 on 32-bit Windows: exit code 2, nothing installed" \
      eval "[ $? -eq 2 ] && [ ! -e \"\$instdir\" ]"
  fi
  # No Word again, for the next setup program in this prefix.
  wine reg delete 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Winword.exe' /f "$view" >/dev/null 2>&1
  rm -f "$word_dir/WINWORD.EXE"
}

# run_arch NAME PREFIX-ARCH BUILD VIEW SYSKIND PACKAGE-FOLDER
run_arch() {
  arch=$1 dir="$work/prefix-$1/drive_c/$folder" host=$root/build/$3/tests/wine/pelvaron_wine_host.exe
  local winearch=$2 build=$root/build/$3 view=$4 syskind=$5 pkgdir=$6 bits=32
  local dll="C:\\$folder\\Ostrevan2003.dll" user_classes='HKCU\Software\Classes'
  export WINEPREFIX=$work/prefix-$arch WINEARCH=$winearch
  [ "$arch" = x64 ] && bits=64
  echo "== $arch: prefix ($(date +%T))"
  wineboot -i >/dev/null 2>&1
  # One server for the whole run of this prefix: without it every wine start boots the
  # prefix's services again, seconds each time.
  wineserver -p
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1
  # Xvfb runs no window manager: a managed window that hides makes Wine wait 2 s for one,
  # at every dialog's close. Unmanaged windows look the same there and close at once.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  appdata=$(local_appdata) || { fail "$arch: the prefix has no %LOCALAPPDATA% folder"; appdata=$WINEPREFIX/no-local-appdata; }

  mkdir -p "$dir"
  cp "$build/addin/Ostrevan2003.dll" "$dir/"
  "$make_test_pack" "$dir"

  echo "== $arch: per-user registration (regsvr32 /n /i:user) ($(date +%T))"
  expect "$arch: regsvr32 /n /i:user succeeds" wine regsvr32 /s /n /i:user "$dll"
  expect "$arch: user class key names the DLL" \
    reg_has "$view" "$user_classes\\CLSID\\$clsid\\InprocServer32" 'Ostrevan2003.dll'
  expect "$arch: user ProgID key" reg_has "$view" "$user_classes\\$progid\\CLSID" "$clsid"
  expect "$arch: Word add-in entry (user)" reg_has "$view" "$word_addin_key" 'LoadBehavior'
  expect "$arch: regsvr32 /u /n /i:user succeeds" wine regsvr32 /s /u /n /i:user "$dll"
  expect "$arch: user class key removed" reg_gone "$view" "$user_classes\\CLSID\\$clsid"
  expect "$arch: user ProgID key removed" reg_gone "$view" "$user_classes\\$progid"
  expect "$arch: Word add-in entry removed (user)" reg_gone "$view" "$word_addin_key"

  echo "== $arch: machine registration (regsvr32) ($(date +%T))"
  expect "$arch: regsvr32 succeeds" wine regsvr32 /s "$dll"
  registration_checks "$view" "$syskind"

  echo "== $arch: scenarios ($(date +%T))"
  scenarios

  echo "== $arch: Windows package: install.cmd / uninstall.cmd ($(date +%T))"
  package_checks "$view" "$pkgdir"

  echo "== $arch: unregistration ($(date +%T))"
  expect "$arch: regsvr32 /u succeeds" wine regsvr32 /s /u "$dll"
  expect "$arch: class key removed" reg_gone "$view" "HKCR\\CLSID\\$clsid"
  expect "$arch: ProgID key removed" reg_gone "$view" "HKCR\\$progid"
  expect "$arch: type library key removed" reg_gone "$view" "HKCR\\TypeLib\\$libid"
  expect "$arch: interface key removed" reg_gone "$view" "HKCR\\Interface\\$iid"
  expect "$arch: Word add-in entry removed" reg_gone "$view" "$word_addin_key"

  echo "== $arch: installer, silently ($(date +%T))"
  # The 64-bit setup program where Windows is 64-bit; the one users get (32-bit) needs wine32.
  [ "$arch" = x64 ] && installer_checks "$view" "$bits" "$setup64"
  if [ "$wine32" = 1 ]; then
    installer_checks "$view" "$bits" "$setup32"
  else
    skip "$arch: the 32-bit setup program (Pelvaron-setup.exe): $no_wine32"
  fi
  wineserver -k
  wineserver -w
}

run_arch x64 win64 windows-x64 /reg:64 win64 x64
if [ "$wine32" = 1 ]; then
  run_arch x86 win32 windows-x86 /reg:32 win32 x86
else
  skip "x86: registration, scenarios, package and installer checks of the i686 DLL (built, not run): $no_wine32"
fi

echo "== call counts during the OK click (symbols; Invoke, of which 'around' for the undo record, status bar and"
echo "   active document; GetIDsOfNames; session total)"
cat "$work/counts.txt" 2>/dev/null
echo "screenshots: $artifacts"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
