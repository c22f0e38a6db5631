#!/usr/bin/env bash
# Every test: the format check, the unit and command-line tests in the default and the
# sanitizer builds, the default data pack against its source and LibreOffice, the Writer
# extension in a real Writer, the web page and the Word task pane in Chromium, the readers under libFuzzer and the
# add-in DLLs under Wine. Each suite's time is printed at its end; a failing suite does not
# stop the others (a failing build does). Ends with "suites: N passed, M failed".
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
# Every Debian package of every suite, in one apt run.
bash tools/install-deps.sh all
# 32-bit Wine runs the i686 DLL and the 32-bit setup program. Where it cannot be installed (the
# i386 package lists may lag the amd64 security updates), the Wine suite skips those checks.
bash tools/wine32.sh || true

summary=()
failed=0
# suite NAME COMMAND...: runs one suite, times it, and notes how it ended.
suite() {
  local name=$1 start=$SECONDS rc=0 verdict=passed
  shift
  echo "==== $name ($(date +%T))"
  "$@" || rc=$?
  [ $rc -eq 0 ] || { verdict="FAILED (exit $rc)"; failed=$((failed + 1)); }
  summary+=("$(printf '%-12s %s in %d s' "$name" "$verdict" $((SECONDS - start)))")
  echo "==== $name: $verdict in $((SECONDS - start)) s"
  return $rc
}
# build NAME COMMAND...: a suite the later ones need; its failure ends the run.
build() {
  suite "$@" || { printf '%s\n' "${summary[@]}"; echo "suites: $((${#summary[@]} - failed)) passed, $failed failed"; exit 1; }
}

# The steps of a suite are chained with &&: errexit does not act inside a function run as
# part of a || list.
plain_build() {
  # As someone who has never seen the presets would build it. Warnings are errors here, so the
  # -O3 code stays free of them for people who turn them on. The tests are built (with
  # warnings as errors too) by the presets below; here they would only add minutes.
  cmake -S . -B out -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELVARON_WERROR=ON -DPELVARON_BUILD_TESTS=OFF >/dev/null &&
    cmake --build out
}
default_build() {
  # The default pack comes first: the round trip and the damaged-pack suite run over it.
  cmake --preset default >/dev/null && cmake --build --preset default &&
    bash tools/make-default-pack.sh >/dev/null
}
preset_tests() {  # preset_tests PRESET
  cmake --preset "$1" -DPELVARON_PACK_DIR="$PELVARON_PACK_APP_PATH" \
    -DPELVARON_QURAN_JSON_DIR="$PWD/build/quran-json/package" >/dev/null &&
    cmake --build --preset "$1" && ctest --preset "$1" -j2
}
fuzz_tests() {  # the readers under libFuzzer (ASan + UBSan), a short bounded run per target
  cmake --preset fuzz >/dev/null && cmake --build --preset fuzz && ctest --preset fuzz
}

suite format bash tools/check-format.sh || true
build plain plain_build
build default default_build
export PELVARON_PACK_APP_PATH="$PWD/build/default/cli" PELVARON_REQUIRE_PACK=1
suite unit preset_tests default || true
suite sanitize preset_tests sanitize || true
suite libreoffice bash tests/docx/libreoffice_check.sh || true
suite writer bash tests/writer/run.sh || true
suite web bash tests/web/run.sh || true
suite office bash tests/office/run.sh || true
suite fuzz fuzz_tests || true
# The add-in DLLs, registered and driven under Wine by a stand-in for Word.
suite wine bash tests/wine/run.sh || true

echo "==== times (all: $((SECONDS - started)) s)"
printf '%s\n' "${summary[@]}"
echo "suites: $((${#summary[@]} - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
