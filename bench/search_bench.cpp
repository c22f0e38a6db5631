// Speed of the verse search on a real data pack: building the in-memory index from the disk,
// answering the kinds of query the search box gets once the index is there, and then every
// query of tests/search/query_set.tsv (median and slowest of each query's best of 5 runs).
//
//   search_bench --app-path DIR [benchmark flags]     (DIR holds DataQuran)

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "bench/app_path_arg.hpp"
#include "data/surah_index.hpp"
#include "module/state.hpp"
#include "search/search_engine.hpp"

namespace {

using namespace pelvaron;

ModuleState& Pack() {
  static ModuleState state;
  return state;
}

void BM_SearchIndexBuild(benchmark::State& state) {
  for (auto _ : state) {
    search::SearchEngine engine(Pack());
    engine.BuildIndex();
  }
}

void RunQuery(benchmark::State& state, const std::string& query) {
  static search::SearchEngine engine(Pack());
  engine.BuildIndex();
  std::size_t found = 0;
  for (auto _ : state) found = engine.Find(query, 10).size();
  state.SetLabel(std::to_string(found) + " results");
}

BENCHMARK(BM_SearchIndexBuild)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunQuery, reference, std::string("QS. Al-Baqarah [2]: 255"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunQuery, surah_name, std::string("al baqoroh 255"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunQuery, well_known, std::string("ayat kursi"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunQuery, words, std::string("tidak mengantuk dan tidak tidur"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunQuery, phrase, std::string("\"tidak tidur\""))->Unit(benchmark::kMicrosecond);
// One letter: its prefix matches a large part of the vocabulary, the slowest word query there is.
BENCHMARK_CAPTURE(RunQuery, one_letter, std::string("a"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunQuery, typo,
                  std::string("allah tidak membebani seseorang melainkan sesuai dengan kesangupannya"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunQuery, latin, std::string("robbana atina fiddunya hasanah wa fil akhirati hasanah"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunQuery, arabic,
                  std::string("\u0627\u0644\u0644\u0647 \u0644\u0627 \u0627\u0644\u0647 \u0627\u0644\u0627 "
                              "\u0647\u0648 \u0627\u0644\u062d\u064a \u0627\u0644\u0642\u064a\u0648\u0645"))
    ->Unit(benchmark::kMicrosecond);

// Each query of the set timed alone (best of 5, the index built), then the median and the slowest.
void TimeQuerySet() {
  std::ifstream in(PELVARON_QUERY_SET);
  if (!in) return;
  search::SearchEngine engine(Pack());
  engine.BuildIndex();
  std::vector<std::pair<double, std::string>> times;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    const std::string query = line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1);
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
      const auto start = std::chrono::steady_clock::now();
      try {
        benchmark::DoNotOptimize(engine.Find(query, 10));
      } catch (const std::exception&) {
      }
      best = std::min(
          best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    times.emplace_back(best, query);
  }
  if (times.empty()) return;
  std::sort(times.begin(), times.end());
  std::cout << "query set (" << times.size() << " queries): median " << times[times.size() / 2].first
            << " ms, slowest " << times.back().first << " ms (" << times.back().second << ")\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::string appPath = pelvaron::bench::TakeAppPath(argc, argv);
  if (appPath.empty()) {
    std::cerr << "usage: search_bench --app-path DIR [benchmark flags]\n";
    return 2;
  }
  try {
    LoadModuleState(Pack(), appPath);
  } catch (const std::exception& e) {
    std::cerr << "search_bench: " << e.what() << '\n';
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  TimeQuerySet();
  return 0;
}
