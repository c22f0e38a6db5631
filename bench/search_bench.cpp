// Speed of the verse search on a real data pack: building the in-memory index from the disk,
// and answering the kinds of query the search box gets once the index is there.
//
//   search_bench --app-path DIR [benchmark flags]     (DIR holds DataQuran)

#include <benchmark/benchmark.h>

#include <iostream>
#include <string>

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
BENCHMARK_CAPTURE(RunQuery, words, std::string("tidak mengantuk dan tidak tidur"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunQuery, phrase, std::string("\"tidak tidur\""))->Unit(benchmark::kMicrosecond);
// One letter: its prefix matches a large part of the vocabulary, the slowest word query there is.
BENCHMARK_CAPTURE(RunQuery, one_letter, std::string("a"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunQuery, arabic, std::string("\u0627\u0644\u0644\u0647 \u0644\u0627 \u0627\u0644\u0647 \u0627\u0644\u0627 \u0647\u0648 \u0627\u0644\u062d\u064a \u0627\u0644\u0642\u064a\u0648\u0645"))
    ->Unit(benchmark::kMicrosecond);

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
  return 0;
}
