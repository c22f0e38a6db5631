#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Extra package names may be
# passed as arguments, also for another architecture (wine32:i386). Runs apt as root,
# through sudo when not root already.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          libcli11-dev libpugixml-dev libzip-dev nlohmann-json3-dev libicu-dev libharfbuzz-dev fonts-hosny-amiri
          fonts-liberation2 fonts-dejavu-core
          locales "$@")
missing=()
for p in "${packages[@]}"; do
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
