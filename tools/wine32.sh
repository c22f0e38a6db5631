#!/usr/bin/env bash
# Tries to install 32-bit Wine (wine32:i386), which the i686 DLL and the 32-bit setup program
# need. Where apt cannot (the i386 lists this machine reaches may lag the amd64 security
# updates, so the multiarch libraries cannot meet at one version), it says why, and takes the
# i386 architecture away again when nothing of it got installed. Exit 1 when not installed.
set -uo pipefail
cd "$(dirname "$0")/.."
dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed' && exit 0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if bash tools/install-deps.sh wine32:i386 >"$log" 2>&1; then
  echo "wine32:i386 installed"
  exit 0
fi
echo "wine32:i386 could not be installed; the Wine suite skips what needs it. apt said:"
grep -E '^(E:| [a-z0-9.+-]+(:i386)? :)' "$log" | head -n 8 | sed 's/^/  /' || true
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ -z "$(dpkg-query -W -f='${Package}:${Architecture}\n' 2>/dev/null | grep ':i386$')" ]; then
  $sudo dpkg --remove-architecture i386 2>/dev/null || true
fi
exit 1
