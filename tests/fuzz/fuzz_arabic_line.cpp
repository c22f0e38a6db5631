// AQO2.TXT lines from arbitrary bytes: read one line of the file, parse it, read every piece.
#include <fuzzer/FuzzedDataProvider.h>

#include "data/arabic_text.hpp"
#include "module/error.hpp"
#include "tests/fuzz/fuzz_files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const auto verse = input.ConsumeIntegral<int16_t>();
  const auto offset = input.ConsumeIntegral<int16_t>();
  const std::string text = input.ConsumeRemainingBytesAsString();
  auto files = std::make_shared<pelvaron::InMemoryFiles>();
  pelvaron::fuzz::Put(*files, "AQO2.TXT", text);
  pelvaron::ModuleState state = pelvaron::fuzz::StateOver(files);
  state.VersePos[1] = offset;
  std::string line = text;
  try {
    if (auto read = pelvaron::ReadArabicLine(state, 1, verse)) line = *read;
  } catch (const pelvaron::Error&) {
  }
  for (const auto& word : pelvaron::ParseArabicLine(line)) {
    for (const auto& piece : word) {
      (void)piece.SelectedFont();
      (void)piece.IsBlank();
      try {
        (void)piece.CharacterNumber();
      } catch (const pelvaron::Error&) {
      }
    }
  }
  return 0;
}
