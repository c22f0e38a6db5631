#!/usr/bin/env bash
# Speed on the default data pack: Google Benchmark medians of the insertions (from disk and,
# as a lower bound, from memory) and of the verse search (index build, queries), then wall
# time and peak memory of whole `pelvaron insert` runs to .docx.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh bench
cmake --preset default >/dev/null
cmake --build --preset default
bash tools/make-default-pack.sh >/dev/null
app="$PWD/build/default/cli"

build/default/bench/engine_bench --app-path "$app" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_min_time=0.2 "$@"
build/default/bench/search_bench --app-path "$app" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for run in "2 1 286 Al-Baqarah" "26 1 227 Ash-Shu'ara"; do
  set -- $run
  /usr/bin/time -f "%e s wall, %M KiB peak resident" -o "$out/time" \
    "$app/pelvaron" insert --app-path "$app" --surah "$1" --first "$2" --last "$3" --mode all -o "$out/s.docx"
  echo "pelvaron insert surah $1 ($4), verses $2-$3, mode all, .docx: $(cat "$out/time")"
done
