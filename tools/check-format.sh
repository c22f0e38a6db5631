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
# One clang-format for every file; it names each place that it would change.
if ! report=$(clang-format --dry-run -Werror "${files[@]}" 2>&1); then
  grep -o '^[^:]*:[0-9]*:[0-9]*: error' <<<"$report" | cut -d: -f1 | sort -u | sed 's/^/not formatted: /' >&2
  echo "clang-format: the files above differ; bash tools/check-format.sh --fix formats them" >&2
  exit 1
fi
echo "clang-format: ${#files[@]} files formatted"
