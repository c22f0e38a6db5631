#include "insert/arabic_insert.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "module/error.hpp"
#include "tests/support/expect_error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::ExpectError;

const std::vector<std::string> kVerseStart = {"ScreenUpdating False", "Font.Size 14", "RtlRun", "RtlPara",
                                              "ParagraphFormat.Alignment 3"};
const std::vector<std::string> kVerseEnd = {"ScreenUpdating True", "Yield"};
const std::vector<std::string> kClosing = {"EndKey 5", "TypeParagraph", "LtrPara", "LtrRun",
                                           "ParagraphFormat.Alignment 3"};

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class InsertArabicTest : public ::testing::Test {
 protected:
  // Surah 1 has as many verses as lines given; surah 2 starts after them.
  void Lines(const std::vector<std::string>& lines) {
    const int count = static_cast<int>(lines.size());
    f.folder.WriteSurahIndex({{"One", static_cast<int16_t>(count), 0}, {"Two", 1, 0}});
    f.folder.WritePositions({0, count});
    f.folder.WriteArabicLines(lines);
    f.Load();
  }
  std::vector<std::string> Insert(int16_t first, int16_t last, bool runOn) {
    InsertArabicRange(f.state, f.trace, 1, first, last, runOn);
    return f.Trace();
  }
  DataFixture f;
};

TEST_F(InsertArabicTest, WorkedExampleOneWordOfTwoPieces) {
  Lines({"2|5000_1|6000_6| _"});
  EXPECT_THAT(Insert(1, 1, false),
              ElementsAreArray(Join(
                  {{"RtlPara"},
                   kVerseStart,
                   {"Font.Name \"HQPB1\"", "InsertSymbol 1904 \"HQPB1\" True 0", "Font.Name \"HQPB2\"",
                    "InsertSymbol 904 \"HQPB2\" True 0", "Font.Name \"(normal text)\"", "TypeText \" \""},
                   kVerseEnd,
                   {"TypeParagraph"},
                   kClosing})));
}

TEST_F(InsertArabicTest, AnEmptyRangeStillOpensAndClosesTheParagraph) {
  Lines({"1|5000_6| _", "1|5001_6| _"});
  EXPECT_THAT(Insert(2, 1, false), ElementsAreArray(Join({{"RtlPara"}, kClosing})));
}

TEST_F(InsertArabicTest, RunOnKeepsVersesInOneParagraph) {
  Lines({"1|5000_6| _", "1|5001_6| _"});
  const auto trace = Insert(1, 2, true);
  EXPECT_EQ(std::count(trace.begin(), trace.end(), "TypeParagraph"), 1);
  EXPECT_EQ(std::count(trace.begin(), trace.end(), "Yield"), 2);
}

TEST_F(InsertArabicTest, LinePerVerseEndsEveryVerseWithAParagraph) {
  Lines({"1|5000_6| _", "1|5001_6| _"});
  const auto trace = Insert(1, 2, false);
  EXPECT_EQ(std::count(trace.begin(), trace.end(), "TypeParagraph"), 3);  // two verses, one closing
  EXPECT_EQ(trace[trace.size() - 6], "TypeParagraph");
  EXPECT_EQ(trace[trace.size() - 7], "Yield");
}

TEST_F(InsertArabicTest, ALineWithoutMarkerStillGetsItsFormattingAndParagraph) {
  Lines({"no marker here"});
  EXPECT_THAT(Insert(1, 1, false),
              ElementsAreArray(Join({{"RtlPara"}, kVerseStart, kVerseEnd, {"TypeParagraph"}, kClosing})));
}

TEST_F(InsertArabicTest, TheCurrentFontCarriesAcrossWordsAndVerses) {
  // Verse 2's piece has no selector: it keeps HQPB3 from verse 1.
  Lines({"3|5000_6| _x|5001_6| _", "x|5002_6| _"});
  const auto trace = Insert(1, 2, true);
  EXPECT_THAT(trace, ::testing::Contains("InsertSymbol 905 \"HQPB3\" True 0"));
  EXPECT_THAT(trace, ::testing::Contains("InsertSymbol 906 \"HQPB3\" True 0"));
}

TEST_F(InsertArabicTest, ASelectorlessFirstPieceHasAnEmptyFont) {
  Lines({"x|5000_6| _"});
  const auto trace = Insert(1, 1, true);
  EXPECT_THAT(trace, ::testing::Contains("Font.Name \"\""));
  EXPECT_THAT(trace, ::testing::Contains("InsertSymbol 904 \"\" True 0"));
}

TEST_F(InsertArabicTest, TheBlankPieceTypesNothingButSelectsNormalText) {
  // Word 1 types 1|5000 then the blank piece; word 2's selector-less piece inherits its font.
  Lines({"6| _1|5000_6| _x|5001_6| _"});
  const auto trace = Insert(1, 1, true);
  EXPECT_THAT(std::vector<std::string>(trace.begin() + 6, trace.begin() + 14),
              ElementsAre("Font.Name \"HQPB1\"", "InsertSymbol 904 \"HQPB1\" True 0",
                          "Font.Name \"(normal text)\"", "TypeText \" \"", "Font.Name \"(normal text)\"",
                          "InsertSymbol 905 \"(normal text)\" True 0", "Font.Name \"(normal text)\"",
                          "TypeText \" \""));
}

TEST_F(InsertArabicTest, AnEmptyPieceIsCharacterMinus4096) {
  Lines({"1|5000__6| _"});
  EXPECT_THAT(Insert(1, 1, true), ::testing::Contains("InsertSymbol -4096 \"\" True 0"));
}

TEST_F(InsertArabicTest, AVersePastTheEndOfTheFileTypesTheLastLine) {
  Lines({"1|5000_6| _"});
  f.state.SurahTable[1].VerseCount = 3;
  const auto trace = Insert(1, 3, true);
  EXPECT_EQ(std::count(trace.begin(), trace.end(), "InsertSymbol 904 \"HQPB1\" True 0"), 3);
}

TEST_F(InsertArabicTest, VerseZeroReusesTheCurrentLine) {
  // Line 0 cannot be read; with no line read yet, verse 0 types nothing.
  Lines({"1|5000_6| _"});
  const auto trace = Insert(0, 1, true);
  EXPECT_EQ(std::count(trace.begin(), trace.end(), "InsertSymbol 904 \"HQPB1\" True 0"), 1);
  EXPECT_EQ(std::count(trace.begin(), trace.end(), "Yield"), 2);
}

TEST_F(InsertArabicTest, AFailureInsideAVerseSwitchesScreenUpdatingBackOn) {
  Lines({"1|5000_6| _", "1|99999999999_6| _"});
  EXPECT_THROW(Insert(1, 2, false), Error);
  const auto trace = f.Trace();
  // Verse 1 is in the document; the failed verse leaves screen updating on.
  EXPECT_THAT(trace, ::testing::Contains("InsertSymbol 904 \"HQPB1\" True 0"));
  EXPECT_EQ(trace.back(), "ScreenUpdating True");
  EXPECT_EQ(std::count(trace.begin(), trace.end(), "EndKey 5"), 0);
}

TEST_F(InsertArabicTest, ASurahOutsideTheTableFailsAfterTheVerseFormatting) {
  Lines({"1|5000_6| _"});
  EXPECT_THROW(InsertArabicRange(f.state, f.trace, 115, 1, 1, true), Error);
  EXPECT_THAT(f.Trace(), ElementsAreArray(Join({{"RtlPara"}, kVerseStart, {"ScreenUpdating True"}})));
}

TEST_F(InsertArabicTest, AMissingTextFileFailsNamingIt) {
  Lines({"1|5000_6| _"});
  std::filesystem::remove(f.folder.file("AQO2.TXT"));
  ExpectError(ErrorKind::File, "AQO2.TXT", [&] { Insert(1, 1, true); });
  EXPECT_FALSE(std::filesystem::exists(f.folder.file("AQO2.TXT")));
}

}  // namespace
}  // namespace pelvaron

namespace pelvaron {
namespace {

// A pack naming its Quran font types each verse as runs of one font: the font and size set
// only when they change, "(normal text)" never given to the document as a font name, and
// the document's own font back after the Arabic.
TEST(QuranFontSetting, TypesEachVerseAsRunsOfOneFont) {
  const std::vector<std::string> start = {"ScreenUpdating False", "RtlRun", "RtlPara",
                                          "ParagraphFormat.Alignment 3"};
  const std::vector<std::string> sizes = {"Font.Size 14", "Font.SizeBi 14"};
  const std::vector<std::string> amiri = {"Font.Name \"Amiri Quran\"", "Font.NameBi \"Amiri Quran\""};
  const std::vector<std::string> closing = {"EndKey 5", "TypeParagraph", "Font.Reset",
                                            "LtrPara",  "LtrRun",        "ParagraphFormat.Alignment 3"};
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::vector<std::string> trace;  // after the opening RtlPara
  } cases[] = {
      {"two verses of normal text: one run each, fonts and sizes once",
       {"6|5673_6|5672_6| _6|5671_6| _", "6|5674_6| _"},
       Join({{"ScreenUpdating False"},
             sizes,
             {"RtlRun", "RtlPara", "ParagraphFormat.Alignment 3"},
             amiri,
             {"TypeText \"بة ا \""},
             kVerseEnd,
             start,
             {"TypeText \"ت \""},
             kVerseEnd,
             closing})},
      {"a glyph font inside a verse is a run of its own, in both font slots",
       {"1|6000_6|5671_6| _"},
       Join({{"ScreenUpdating False"},
             sizes,
             {"RtlRun", "RtlPara", "ParagraphFormat.Alignment 3"},
             amiri,
             {"TypeText \"ا\"", "Font.Name \"HQPB1\"", "Font.NameBi \"HQPB1\"", "TypeText \"ݰ\""},
             amiri,
             {"TypeText \" \""},
             kVerseEnd,
             closing})},
      {"a number text cannot carry stays a symbol, in the pack's font",
       {"6|5671_6|4109_6| _"},
       Join({{"ScreenUpdating False"},
             sizes,
             {"RtlRun", "RtlPara", "ParagraphFormat.Alignment 3"},
             amiri,
             {"InsertSymbol 13 \"Amiri Quran\" True 0", "TypeText \"ا \""},
             kVerseEnd,
             closing})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::DataFixture f;
    f.folder.WriteSurahIndex({{"One", static_cast<int16_t>(c.lines.size()), 0}});
    f.folder.WritePositions({0});
    f.folder.WriteArabicLines(c.lines);
    f.folder.Write("pelvaron.ini", "ArabicFont=Amiri Quran\r\n");
    f.Load();
    InsertArabicRange(f.state, f.trace, 1, 1, static_cast<int16_t>(c.lines.size()), true);
    EXPECT_THAT(f.Trace(), ElementsAreArray(Join({{"RtlPara"}, c.trace})));
  }
}

}  // namespace
}  // namespace pelvaron
