// Speed of the insertions on a real data pack: from the disk as the add-in reads it (each
// insertion reads its files once) and, as a lower bound, from memory.
//
//   engine_bench --app-path DIR [benchmark flags]     (DIR holds DataQuran)

#include <benchmark/benchmark.h>

#include <iostream>
#include <streambuf>
#include <string>

#include "bench/app_path_arg.hpp"
#include "data/arabic_text.hpp"
#include "data/in_memory_files.hpp"
#include "data/surah_index.hpp"
#include "docx/document_sink.hpp"
#include "docx/docx_writer.hpp"
#include "insert/arabic_insert.hpp"
#include "insert/insert_request.hpp"
#include "insert/segments.hpp"
#include "insert/trace_sink.hpp"
#include "module/state.hpp"

namespace {

using namespace pelvaron;

constexpr int kAlBaqarah = 2;

// Swallows everything: the benchmarks time the engine and the formatting of the trace, not
// a terminal.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

struct Packs {
  ModuleState disk;
  ModuleState memory;
  int worstSurah = 1;
};

Packs& GetPacks() {
  static Packs packs;
  return packs;
}

// The surah whose Arabic insertion would scan the most lines if each verse read AQO2.TXT from
// its first line down to the verse's own, as the readers did before an insertion kept its files.
int WorstScanSurah(const ModuleState& state) {
  int worst = 1;
  long long worstLines = -1;
  for (int s = 1; s <= kSurahCount; ++s) {
    const long long n = state.SurahTable[static_cast<std::size_t>(s)].VerseCount;
    const long long lines = n * state.VersePos[static_cast<std::size_t>(s)] + n * (n + 1) / 2;
    if (lines > worstLines) {
      worstLines = lines;
      worst = s;
    }
  }
  return worst;
}

const ModuleState& Source(const benchmark::State& state) {
  return state.range(0) == 0 ? GetPacks().disk : GetPacks().memory;
}

void Label(benchmark::State& state, int surah) {
  const auto& record = Source(state).SurahTable[static_cast<std::size_t>(surah)];
  state.SetLabel(std::string(state.range(0) == 0 ? "disk" : "memory") + ", surah " + std::to_string(surah) +
                 " " + TrimmedName(record) + ", " + std::to_string(record.VerseCount) + " verses");
}

void RunTraced(benchmark::State& state, int surah, InsertWhat what) {
  const ModuleState& data = Source(state);
  const int verses = data.SurahTable[static_cast<std::size_t>(surah)].VerseCount;
  NullBuffer buffer;
  std::ostream out(&buffer);
  TraceSink sink(out);
  for (auto _ : state) RunInsertRequest(data, sink, {surah, 1, verses, what, true});
  state.counters["verses/s"] = benchmark::Counter(
      static_cast<double>(verses) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  Label(state, surah);
}

void BM_AlBaqarahArabic(benchmark::State& state) { RunTraced(state, kAlBaqarah, InsertWhat::Arabic); }
void BM_AlBaqarahTranslation(benchmark::State& state) {
  RunTraced(state, kAlBaqarah, InsertWhat::Translation);
}
void BM_AlBaqarahAll(benchmark::State& state) { RunTraced(state, kAlBaqarah, InsertWhat::All); }
void BM_WorstScanSurahArabic(benchmark::State& state) {
  RunTraced(state, GetPacks().worstSurah, InsertWhat::Arabic);
}

// Mode all into the document model, written out as a .docx file each time.
void BM_AlBaqarahAllToDocx(benchmark::State& state) {
  const ModuleState& data = Source(state);
  const int verses = data.SurahTable[kAlBaqarah].VerseCount;
  const auto path = std::filesystem::temp_directory_path() / "pelvaron-bench.docx";
  for (auto _ : state) {
    docx::DocumentSink sink;
    RunInsertRequest(data, sink, {kAlBaqarah, 1, verses, InsertWhat::All, true});
    docx::WriteDocx(sink.document(), docx::DocxOptions{}, path);
  }
  std::filesystem::remove(path);
  Label(state, kAlBaqarah);
}

// A request across surahs, all parts (Arabic, Latin, translation) with a citation, into the
// document model and written out as a .docx file each time.
void RunSegmentsToDocx(benchmark::State& state, const std::vector<VerseSegment>& segments) {
  const ModuleState& data = Source(state);
  const auto path = std::filesystem::temp_directory_path() / "pelvaron-bench-segments.docx";
  InsertRequest request{.what = InsertWhat::All, .cite = CiteStyle::Qs, .latin = true, .segments = segments};
  for (auto _ : state) {
    docx::DocumentSink sink;
    RunInsertRequest(data, sink, request);
    docx::WriteDocx(sink.document(), docx::DocxOptions{}, path);
  }
  std::filesystem::remove(path);
  const int verses = VerseCount(segments);
  state.counters["verses/s"] = benchmark::Counter(
      static_cast<double>(verses) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.SetLabel(std::string(state.range(0) == 0 ? "disk" : "memory") + ", " + std::to_string(verses) +
                 " verses of " + std::to_string(segments.size()) + " surahs");
}

void BM_Juz30AllToDocx(benchmark::State& state) {
  RunSegmentsToDocx(state, DivisionSegments(Source(state), DivisionKind::Juz, 30));
}
void BM_WholeQuranAllToDocx(benchmark::State& state) {
  const ModuleState& data = Source(state);
  RunSegmentsToDocx(state, SegmentsBetween(data, {1, 1}, {kSurahCount, data.Surah(kSurahCount).VerseCount}));
}

void BM_TraceSinkOperations(benchmark::State& state) {
  NullBuffer buffer;
  std::ostream out(&buffer);
  TraceSink sink(out);
  const std::string font = "HQPB3";
  for (auto _ : state) {
    sink.SetFontName(font);
    sink.InsertSymbol(1575, font, true, 0);
  }
  state.counters["ops/s"] =
      benchmark::Counter(2.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_AlBaqarahArabic)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlBaqarahTranslation)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlBaqarahAll)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlBaqarahAllToDocx)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstScanSurahArabic)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Juz30AllToDocx)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeQuranAllToDocx)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TraceSinkOperations);

}  // namespace

int main(int argc, char** argv) {
  const std::string appPath = pelvaron::bench::TakeAppPath(argc, argv);
  if (appPath.empty()) {
    std::cerr << "usage: engine_bench --app-path DIR [benchmark flags]\n";
    return 2;
  }
  try {
    Packs& packs = GetPacks();
    LoadModuleState(packs.disk, appPath);
    auto files = std::make_shared<InMemoryFiles>();
    files->LoadFolder(std::filesystem::path(appPath) / "DataQuran");
    packs.memory = packs.disk;
    packs.memory.Files = files;
    packs.worstSurah = WorstScanSurah(packs.disk);
  } catch (const std::exception& e) {
    std::cerr << "engine_bench: " << e.what() << '\n';
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
