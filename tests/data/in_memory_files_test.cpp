#include "data/in_memory_files.hpp"

#include <gtest/gtest.h>

#include "data/arabic_text.hpp"
#include "data/indexed_file.hpp"
#include "insert/insert_request.hpp"
#include "module/error.hpp"
#include "tests/support/expect_error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;
using testing::ExpectError;

TEST(InMemoryFiles, InsertionsReadTheSameBytesAsFromDisk) {
  DataFixture disk;
  testing::WriteSmallPack(disk.folder, {4, 3}, {{2, 1}, {6, 2}});
  disk.Load();
  RunInsertRequest(disk.state, disk.trace, {2, 1, 3, InsertWhat::All, false});

  DataFixture memory;
  auto files = std::make_shared<InMemoryFiles>();
  files->LoadFolder(disk.folder.dir());
  LoadModuleState(memory.state, disk.temp.path(), files);  // the folder's name, no file of it read
  std::filesystem::remove_all(disk.folder.dir());
  RunInsertRequest(memory.state, memory.trace, {2, 1, 3, InsertWhat::All, false});

  EXPECT_EQ(memory.traceText.str(), disk.traceText.str());
  EXPECT_NE(memory.traceText.str().find("[2]  note 2 text"), std::string::npos);
}

TEST(InMemoryFiles, AFileNotHeldIsMissing) {
  InMemoryFiles files;
  files.Put("/data/DataQuran/AQO2.TXT", "x");
  ModuleState state;
  state.Files = std::make_shared<InMemoryFiles>(files);
  state.AppPath = "/data";
  ExpectError(ErrorKind::File, "Note Per Kata.idx",
              [&] { IndexedFile pair(state, IndexedPair::NotePerKata); });
  EXPECT_EQ(ReadArabicLine(state, 1, 1), "x");
}

}  // namespace
}  // namespace pelvaron
