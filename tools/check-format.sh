#!/usr/bin/env bash
# Fails, naming the files, when any tracked C++ file differs from what clang-format makes of
# it (.clang-format at the top). `bash tools/check-format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.hpp' '*.h' '*.cc')
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
unformatted=()
for f in "${files[@]}"; do
  clang-format "$f" | cmp -s - "$f" || unformatted+=("$f")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  printf 'not formatted: %s\n' "${unformatted[@]}" >&2
  echo "clang-format: ${#unformatted[@]} file(s) differ; bash tools/check-format.sh --fix formats them" >&2
  exit 1
fi
echo "clang-format: ${#files[@]} files formatted"
