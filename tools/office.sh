#!/usr/bin/env bash
# Builds the Word task pane into build/office (the page, its assets, manifest.xml) and serves
# it on https://localhost:PORT/ with a development certificate made here, offline.
#   bash tools/office.sh [--build-only] [--port N] [--url https://host/path/]
# --url: where the pane will be hosted, written into the manifest (default
# https://localhost:PORT/). --build-only: build and stop. The certificate (build/office-cert)
# is trusted by nothing: sideloading into Word needs it trusted by hand, see README.
set -euo pipefail
cd "$(dirname "$0")/.."
build_only=0
port=3000
url=""
while [ $# -gt 0 ]; do
  case $1 in
    --build-only) build_only=1 ;;
    --port) port=$2; shift ;;
    --url) url=$2; shift ;;
    *) echo "usage: bash tools/office.sh [--build-only] [--port N] [--url https://host/path/]" >&2; exit 2 ;;
  esac
  shift
done
url=${url:-https://localhost:$port/}

bash tools/install-deps.sh office
bash tools/web.sh --build-only >/dev/null
python3 office/make_pane.py --site build/web/site --pane office --out build/office --url "$url"
[ "$build_only" = 1 ] && { echo "The pane: $PWD/build/office (manifest: $PWD/build/office/manifest.xml)"; exit 0; }

# A self-signed certificate for localhost, kept outside the served folder.
cert=build/office-cert
if [ ! -f "$cert/cert.pem" ]; then
  mkdir -p "$cert"
  openssl req -x509 -newkey rsa:2048 -nodes -days 365 -subj "/CN=localhost" \
    -addext "subjectAltName=DNS:localhost,IP:127.0.0.1" -keyout "$cert/key.pem" -out "$cert/cert.pem" 2>/dev/null
fi
exec node office/serve.mjs build/office "$port" "$cert/cert.pem" "$cert/key.pem"
