#!/usr/bin/env bash
# The .docx writer's libraries (zlib, libzip, pugixml) built for WebAssembly from Debian's own
# source packages: Debian's emscripten has a frozen port cache, so its ports cannot be used.
# Fetched with apt-get source (a deb-src entry for Debian 12 is added once), built with
# emcmake into build/web-deps/prefix, which the "web" preset searches. Idempotent.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD/build/web-deps
prefix=$root/prefix
[ -f "$prefix/.complete" ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# Source entries for the archives apt already uses (Debian 12 comes without them); the
# security archive has no sources there, so it is left out.
sources=/etc/apt/sources.list.d/pelvaron-deb-src
if [ ! -f "$sources.sources" ] && [ ! -f "$sources.list" ]; then
  for f in /etc/apt/sources.list.d/*.sources; do
    [ ! -f "$f" ] || awk 'BEGIN { RS = ""; ORS = "\n\n" }
      /(^|\n)Types:[^\n]*deb/ && !/security/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f"
  done | $sudo tee "$sources.sources" >/dev/null
  { grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list || true; } | { grep -v security || true; } |
    sed 's/^deb /deb-src /' | $sudo tee "$sources.list" >/dev/null
  $sudo apt-get update -qq
fi

mkdir -p "$root/src" "$root/build"
for package in zlib libzip pugixml; do
  compgen -G "$root/src/$package-[0-9]*/" >/dev/null ||
    (cd "$root/src" && apt-get source -qq "$package" >/dev/null)
done

# The optimiser of Debian's emscripten needs Debian's acorn.
export NODE_PATH=/usr/share/nodejs
configure() {  # name, source folder, cmake options...
  local name=$1 src=$2
  shift 2
  emcmake cmake -S "$src" -B "$root/build/$name" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
}
install() {  # name
  local name=$1
  cmake --build "$root/build/$name" >/dev/null
  cmake --install "$root/build/$name" >/dev/null
}
dir() { compgen -G "$root/src/$1-[0-9]*/" | head -n1; }

# zlib's own configure: the CMake file of Debian's source wants a Windows resource it leaves out.
rm -rf "$root/build/zlib" && cp -r "$(dir zlib)" "$root/build/zlib"
(cd "$root/build/zlib" && emconfigure ./configure --static --prefix="$prefix" >/dev/null &&
  emmake make -j2 install >/dev/null)

configure pugixml "$(dir pugixml)" -DPUGIXML_BUILD_TESTS=OFF
install pugixml
# libzip's configure writes a wrong SIZEOF_OFF_T under emscripten, whose off_t is 8 bytes.
configure libzip "$(dir libzip)" -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_GNUTLS=OFF \
  -DENABLE_OPENSSL=OFF -DENABLE_MBEDTLS=OFF -DENABLE_COMMONCRYPTO=OFF -DENABLE_WINDOWS_CRYPTO=OFF \
  -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF \
  -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include"
sed -i 's/^#define SIZEOF_OFF_T .*/#define SIZEOF_OFF_T 8/' "$root/build/libzip/config.h"
install libzip
touch "$prefix/.complete"
