#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Extra package names may be
# passed as arguments. Runs apt as root, through sudo when not root already.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          libcli11-dev libpugixml-dev libzip-dev nlohmann-json3-dev libicu-dev libharfbuzz-dev fonts-hosny-amiri "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
