#include "data/file_snapshots.hpp"

#include <gtest/gtest.h>

#include "data/arabic_text.hpp"
#include "data/in_memory_files.hpp"
#include "data/line_reader.hpp"
#include "module/error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

const std::string kLong(64 * 1024 - 1, 'a');  // its CR ends the line reader's first block
const std::vector<std::string> kTexts{
    "",          "one", "one\r\n", "\r\n", "\n", "\r", "a\r\r\nb\n\nc", "x\ry\rz", kLong + "\r\nsecond\r\n",
    "a\n\r\nb\r"};

std::vector<std::string> ReaderLines(const std::string& bytes) {
  InMemoryFiles files;
  files.Put("/f", bytes);
  ReadOnlyFile file("/f", &files);
  LineReader reader(file);
  std::vector<std::string> lines;
  for (std::string line; reader.Next(line);) lines.push_back(line);
  return lines;
}

TEST(SplitLines, SplitsAsTheLineReader) {
  for (const std::string& bytes : kTexts) {
    const std::vector<std::string_view> split = SplitLines(bytes);
    EXPECT_EQ(std::vector<std::string>(split.begin(), split.end()), ReaderLines(bytes))
        << bytes.substr(0, 12);
  }
}

std::string LineOrError(const ModuleState& state, int verse) {
  try {
    return ReadArabicLine(state, 1, static_cast<int16_t>(verse)).value_or("(none)");
  } catch (const Error& e) {
    return e.what();
  }
}

class DataFileScopeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.folder.WriteSurahIndex({{"A", 9, 0}});
    f.folder.WritePositions({0});
    f.Load();
  }
  testing::DataFixture f;
};

TEST_F(DataFileScopeTest, ArabicLinesAreTheSameWithinAScope) {
  for (const std::string& bytes : kTexts) {
    f.folder.Write("AQO2.TXT", bytes);
    for (int verse = 0; verse <= 5; ++verse) {
      const std::string unscoped = LineOrError(f.state, verse);
      const DataFileScope scope;
      EXPECT_EQ(LineOrError(f.state, verse), unscoped) << bytes.substr(0, 12) << " verse " << verse;
    }
  }
}

TEST_F(DataFileScopeTest, AChangedFileIsReadAgainByTheNextScope) {
  f.folder.Write("AQO2.TXT", "one\r\ntwo");
  {
    const DataFileScope scope;
    EXPECT_EQ(LineOrError(f.state, 2), "two");
    f.folder.Write("AQO2.TXT", "one\r\nTWO");  // the same size
    { const DataFileScope inner; }             // ending an inner scope keeps the outer's files
    EXPECT_EQ(LineOrError(f.state, 2), "two");
  }
  const DataFileScope next;
  EXPECT_EQ(LineOrError(f.state, 2), "TWO");
}

}  // namespace
}  // namespace pelvaron
