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
for run in "--surah 2 --first 1 --last 286|Al-Baqarah" "--surah 26 --first 1 --last 227|Ash-Shu'ara" \
  "--juz 30 --latin|Juz 30 with the Latin" "--from 1:1 --to 114:6 --latin|the whole Quran with the Latin"; do
  /usr/bin/time -f "%e s wall, %U s user, %M KiB peak resident" -o "$out/time" \
    "$app/pelvaron" insert --app-path "$app" ${run%|*} --mode all -o "$out/s.docx"
  echo "pelvaron insert ${run#*|} (${run%|*}), mode all, .docx: $(cat "$out/time")"
done
