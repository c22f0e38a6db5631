#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, in one apt run:
#   bash tools/install-deps.sh [GROUP|PACKAGE]...
# The build's packages always; a GROUP adds a suite's (libreoffice, writer, web, wine, bench,
# office, format; `all` is every group, what tools/test.sh installs at its start); any other word is a
# package name, also for another architecture (wine32:i386). Runs apt as root, through sudo
# when not root already. Each suite names its group too, so it also runs on its own.
set -euo pipefail
build=(cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
       libgtest-dev libgmock-dev libbenchmark-dev
       libcli11-dev libpugixml-dev libzip-dev nlohmann-json3-dev libicu-dev libharfbuzz-dev fonts-hosny-amiri
       fonts-liberation2 fonts-dejavu-core locales)
declare -A groups=(
  [format]="clang-format"
  [libreoffice]="libreoffice-writer poppler-utils"
  [writer]="libreoffice-writer libreoffice-dev libreoffice-dev-common python3-uno xvfb xdotool imagemagick
            poppler-utils nodejs"
  [web]="emscripten fonttools python3-brotli nodejs dpkg-dev chromium"
  [office]="emscripten fonttools python3-brotli nodejs dpkg-dev chromium librsvg2-bin openssl"
  [wine]="g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools libwine-dev wine wine64 xvfb
          fonts-wine fonts-liberation libxml2-utils nsis"
  [bench]="time"
)
packages=("${build[@]}")
for word in "$@"; do
  if [ "$word" = all ]; then
    for group in "${!groups[@]}"; do read -ra more <<<"${groups[$group]}" && packages+=("${more[@]}"); done
  elif [ -n "${groups[$word]:-}" ]; then
    read -ra more <<<"${groups[$word]}" && packages+=("${more[@]}")
  else
    packages+=("$word")
  fi
done
# Debian's npm, unless a nodejs from elsewhere brought its own (that one conflicts with it).
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  # A name for another architecture (wine32:i386) needs that architecture enabled first.
  for arch in $(printf '%s\n' "${missing[@]}" | sed -n 's/^[^:]*:\(.*\)$/\1/p' | sort -u); do
    [ "$arch" = "$(dpkg --print-architecture)" ] || dpkg --print-foreign-architectures | grep -qx "$arch" ||
      $sudo dpkg --add-architecture "$arch"
  done
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# A locale with a decimal comma, for the test that numbers are read the same under it.
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
