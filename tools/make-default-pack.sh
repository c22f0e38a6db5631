#!/usr/bin/env bash
# Builds the default data pack beside the pelvaron executable (build/default/cli/DataQuran)
# from the npm package quran-json, pinned by version and integrity hash. The package is
# fetched once into build/quran-json/ (never into git) and checked before every use.
# Needs the default build; installs npm when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

name=quran-json
version=3.1.2
integrity="sha512-K0RURQSueVUMpDkZCnfXhck6YCX2lEJCar0SsI2naNDgei/crtrVfRHavZk14tw0TJlGQd/zl3tABSOGQrJLYQ=="
cache=build/quran-json
tarball="$cache/$name-$version.tgz"
exe=build/default/cli/pelvaron

[ -x "$exe" ] || { echo "make-default-pack: $exe is not built (cmake --build --preset default)" >&2; exit 1; }
# Debian's npm; a nodejs from elsewhere may bring its own npm, which is left alone.
command -v npm >/dev/null || bash tools/install-deps.sh npm

sha512() {
  node -e 'const c = require("crypto"), f = require("fs");
           process.stdout.write("sha512-" + c.createHash("sha512").update(f.readFileSync(process.argv[1])).digest("base64"));' "$1"
}

mkdir -p "$cache"
if [ ! -f "$tarball" ] || [ "$(sha512 "$tarball")" != "$integrity" ]; then
  rm -f "$tarball"
  echo "Fetching $name@$version from the npm registry..." >&2
  (cd "$cache" && npm pack --silent "$name@$version" >/dev/null)
fi
actual=$(sha512 "$tarball")
if [ "$actual" != "$integrity" ]; then
  echo "make-default-pack: $tarball has integrity $actual, expected $integrity" >&2
  exit 1
fi

rm -rf "$cache/package" "$cache/unpack"
mkdir -p "$cache/unpack"
tar -xzf "$tarball" -C "$cache/unpack"
mv "$cache/unpack/package" "$cache/package"
rmdir "$cache/unpack"

"$exe" pack --source "$cache/package" --out "$(dirname "$exe")/DataQuran"
