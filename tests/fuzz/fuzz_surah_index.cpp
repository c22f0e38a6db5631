// surahindex.mtf and pos_depag.txt from arbitrary bytes: a clean load or a pelvaron::Error.
#include <fuzzer/FuzzedDataProvider.h>

#include "data/surah_index.hpp"
#include "module/error.hpp"
#include "tests/fuzz/fuzz_files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const bool fullIndex = input.ConsumeBool();
  std::string index = input.ConsumeRandomLengthString(8000);
  if (fullIndex && index.size() < 114 * 34) index.resize(114 * 34, ' ');  // reach the position file too
  auto files = std::make_shared<pelvaron::InMemoryFiles>();
  pelvaron::fuzz::Put(*files, "surahindex.mtf", index);
  pelvaron::fuzz::Put(*files, "pos_depag.txt", input.ConsumeRemainingBytesAsString());
  pelvaron::ModuleState state = pelvaron::fuzz::StateOver(files);
  try {
    pelvaron::LoadSurahIndex(state, pelvaron::fuzz::kAppFolder);
  } catch (const pelvaron::Error&) {
  }
  return 0;
}
