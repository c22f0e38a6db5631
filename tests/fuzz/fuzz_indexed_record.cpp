// An index and a data file from arbitrary bytes; one record read and expanded as groups.
#include <fuzzer/FuzzedDataProvider.h>

#include "data/indexed_file.hpp"
#include "module/error.hpp"
#include "tests/fuzz/fuzz_files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const auto record = input.ConsumeIntegralInRange<int32_t>(-2, 40);
  auto files = std::make_shared<pelvaron::InMemoryFiles>();
  pelvaron::fuzz::Put(*files, "GROUP_KATA.idx", input.ConsumeRandomLengthString(256));
  pelvaron::fuzz::Put(*files, "GROUP_KATA.dat", input.ConsumeRemainingBytesAsString());
  const pelvaron::ModuleState state = pelvaron::fuzz::StateOver(files);
  try {
    pelvaron::IndexedFile groups(state, pelvaron::IndexedPair::GroupKata);
    const std::string bytes = pelvaron::ReadIndexedRecord(groups, record);
    pelvaron::ExpandGroupRecord(bytes, groups);
  } catch (const pelvaron::Error&) {
  }
  return 0;
}
