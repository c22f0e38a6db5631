#include "data/surah_index.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "module/error.hpp"
#include "tests/support/expect_error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;
using testing::ExpectError;

std::vector<int> Positions(int count) {
  std::vector<int> p;
  for (int i = 0; i < count; ++i) p.push_back(i * 10);
  return p;
}

ErrorKind LoadFailure(DataFixture& f) {
  try {
    f.Load();
  } catch (const Error& e) {
    return e.kind();
  }
  ADD_FAILURE() << "the load succeeded";
  return ErrorKind::Input;
}

TEST(LoadSurahIndex, Loads114RecordsAndPositions) {
  DataFixture f;
  f.folder.WriteSurahIndex({{"Al-Fatihah", 7, 5}, {"Al-Baqarah", 286, -1}});
  f.folder.WritePositions(Positions(114));
  f.Load();
  EXPECT_EQ(f.state.SurahTable[1].SurahName, "Al-Fatihah                    ");
  EXPECT_EQ(f.state.SurahTable[1].SurahName.size(), 30u);
  EXPECT_EQ(TrimmedName(f.state.SurahTable[1]), "Al-Fatihah");
  EXPECT_EQ(f.state.SurahTable[1].VerseCount, 7);
  EXPECT_EQ(f.state.SurahTable[1].Extra, 5);
  EXPECT_EQ(f.state.SurahTable[2].VerseCount, 286);
  EXPECT_EQ(f.state.SurahTable[2].Extra, -1);
  EXPECT_EQ(TrimmedName(f.state.SurahTable[114]), "Surah 114");
  EXPECT_EQ(f.state.SurahTable[0].VerseCount, 0);
  EXPECT_EQ(f.state.VersePos[114], 1130);
  EXPECT_EQ(f.state.VersePos[0], 0);
}

TEST(LoadSurahIndex, NamesAreDecodedFromWindows1252) {
  DataFixture f;
  f.folder.WriteSurahIndex(
      {{"Ma\xef"
        "dah",
        1, 0}});
  f.folder.WritePositions({0});
  f.Load();
  EXPECT_EQ(TrimmedName(f.state.SurahTable[1]), "Ma\u00efdah");
}

TEST(LoadSurahIndex, BytesAfterRecord114AreIgnored) {
  DataFixture f;
  f.folder.WriteSurahIndex({{"A", 3, 0}});
  std::string bytes;
  {
    std::ifstream in(f.folder.file("surahindex.mtf"), std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  f.folder.Write("surahindex.mtf", bytes + std::string(100, 'x'));
  f.folder.WritePositions({0});
  f.Load();
  EXPECT_EQ(f.state.SurahTable[1].VerseCount, 3);
  EXPECT_EQ(TrimmedName(f.state.SurahTable[114]), "Surah 114");
}

TEST(LoadSurahIndex, AShortIndexFailsNamingTheRecord) {
  DataFixture f;
  f.folder.Write("surahindex.mtf", std::string(34 * 100, ' '));
  f.folder.WritePositions({0});
  ExpectError(ErrorKind::PastEnd, "surahindex.mtf: record 101", [&] { f.Load(); });
}

TEST(LoadSurahIndex, PositionLinesAreReadAsNumbers) {
  DataFixture f;
  f.folder.WriteSurahIndex({});
  f.folder.Write("pos_depag.txt", "  12 abc\r\nabc\r\n\r\n7.5\r\n6.5\r\n-3\r\n");
  f.Load();
  EXPECT_EQ(f.state.VersePos[1], 12);
  EXPECT_EQ(f.state.VersePos[2], 0);
  EXPECT_EQ(f.state.VersePos[3], 0);
  EXPECT_EQ(f.state.VersePos[4], 8);
  EXPECT_EQ(f.state.VersePos[5], 6);
  EXPECT_EQ(f.state.VersePos[6], -3);
  EXPECT_EQ(f.state.VersePos[7], 0);
}

TEST(LoadSurahIndex, AShorterPositionFileLeavesTheRestAtZero) {
  DataFixture f;
  f.state.VersePos[101] = 99;  // a connection loads over what an earlier one left
  f.folder.WriteSurahIndex({});
  f.folder.WritePositions(Positions(100));
  f.Load();
  EXPECT_EQ(f.state.VersePos[100], 990);
  EXPECT_EQ(f.state.VersePos[101], 99);
}

TEST(LoadSurahIndex, LastLineWithoutLineEndCounts) {
  DataFixture f;
  f.folder.WriteSurahIndex({});
  f.folder.Write("pos_depag.txt", "5\r\n9");
  f.Load();
  EXPECT_EQ(f.state.VersePos[2], 9);
}

TEST(LoadSurahIndex, OneLineEndTooManyAfterLine114IsAnIndexError) {
  DataFixture f;
  f.folder.WriteSurahIndex({});
  f.folder.WritePositions(Positions(114));
  f.Load();  // 114 lines, the last ending in CR LF

  std::string text = pack::EncodeLines(std::vector<std::string>(114, "1")) + "\r\n";
  f.folder.Write("pos_depag.txt", text);
  EXPECT_EQ(LoadFailure(f), ErrorKind::Index);
}

TEST(LoadSurahIndex, BadPositionFilesFail) {
  {
    DataFixture f;
    f.folder.WriteSurahIndex({});
    f.folder.Write("pos_depag.txt", "");
    EXPECT_EQ(LoadFailure(f), ErrorKind::PastEnd);
  }
  {
    DataFixture f;
    f.folder.WriteSurahIndex({});
    f.folder.Write("pos_depag.txt", "1\r\n40000\r\n");
    EXPECT_EQ(LoadFailure(f), ErrorKind::Overflow);
    EXPECT_EQ(f.state.VersePos[1], 1);  // loaded before the failure
  }
}

TEST(LoadSurahIndex, MissingFilesFailAndAreNotCreated) {
  DataFixture f;
  EXPECT_EQ(LoadFailure(f), ErrorKind::File);
  EXPECT_FALSE(std::filesystem::exists(f.folder.file("surahindex.mtf")));
  f.folder.WriteSurahIndex({});
  ExpectError(ErrorKind::File, "pos_depag.txt", [&] { f.Load(); });
  EXPECT_FALSE(std::filesystem::exists(f.folder.file("pos_depag.txt")));
}

TEST(LoadSurahIndex, AFolderInPlaceOfAFileIsAFileError) {
  DataFixture f;
  std::filesystem::create_directory(f.folder.file("surahindex.mtf"));
  EXPECT_EQ(LoadFailure(f), ErrorKind::File);
}

}  // namespace
}  // namespace pelvaron
