#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "insert/translation.hpp"
#include "module/error.hpp"
#include "tests/support/expect_error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;
using ::testing::ElementsAre;
using testing::ExpectError;

const char* const kSetup[] = {"LtrPara", "LtrRun", "ParagraphFormat.Alignment 3", "Font.Size 10"};

class TranslationRangeTest : public ::testing::Test {
 protected:
  // Surah 1: verse v has group v; the group texts and note records come from each test.
  void Write(const std::vector<std::string>& verseTexts, const std::vector<std::string>& noteTexts = {}) {
    const int verses = static_cast<int>(verseTexts.size());
    f.folder.WriteSurahIndex({{"One", static_cast<int16_t>(verses), 0}});
    f.folder.WritePositions({0});
    std::vector<std::string> groups = verseTexts;
    groups.insert(groups.end(), noteTexts.begin(), noteTexts.end());
    f.folder.WriteGroups(groups);
    std::vector<std::vector<int>> verseRecords, noteRecords;
    for (int v = 1; v <= verses; ++v) verseRecords.push_back({v});
    for (int n = 1; n <= static_cast<int>(noteTexts.size()); ++n) noteRecords.push_back({verses + n});
    f.folder.WriteGroupRecords("Ayat Per Kata", verseRecords);
    f.folder.WriteGroupRecords("Note Per Kata", noteRecords);
    f.Load();
  }
  std::vector<std::string> Insert(int16_t first, int16_t last) {
    InsertTranslationRange(f.state, f.trace, 1, first, last);
    return f.Trace();
  }
  DataFixture f;
};

TEST_F(TranslationRangeTest, DocumentTextExample) {
  Write({"in the name of God[1]", "praise be to God"}, {"text of note 1"});
  EXPECT_THAT(Insert(1, 2), ElementsAre(kSetup[0], kSetup[1], kSetup[2], kSetup[3],
                                        "TypeText \"1.  In the name of God[1]\"", "TypeParagraph",
                                        "TypeText \"2.  Praise be to God\"", "TypeParagraph", "TypeParagraph",
                                        "TypeText \"[1]  text of note 1\"", "TypeParagraph"));
}

TEST_F(TranslationRangeTest, AnEmptyRangeTypesTheSetupAndOneParagraph) {
  Write({"a", "b"});
  EXPECT_THAT(Insert(2, 1), ElementsAre(kSetup[0], kSetup[1], kSetup[2], kSetup[3], "TypeParagraph"));
}

TEST_F(TranslationRangeTest, MarkersAreCollectedInOrderWithRepeats) {
  Write({"a[2] b] c[1]", "d[2]"}, {"one", "two"});
  const auto trace = Insert(1, 2);
  EXPECT_THAT(std::vector<std::string>(trace.end() - 6, trace.end()),
              ElementsAre("TypeText \"[2]  two\"", "TypeParagraph", "TypeText \"[1]  one\"", "TypeParagraph",
                          "TypeText \"[2]  two\"", "TypeParagraph"));
}

TEST_F(TranslationRangeTest, AClosingBracketBeforeAnyOpeningOneIsSkipped) {
  Write({"x] y [1]"}, {"one"});
  EXPECT_EQ(Insert(1, 1).end()[-2], "TypeText \"[1]  one\"");
}

TEST_F(TranslationRangeTest, MarkerNumbersUseTheHostConversion) {
  Write({"a[ 1 ] b[&H2]"}, {"one", "two"});
  const auto trace = Insert(1, 1);
  EXPECT_EQ(trace.end()[-4], "TypeText \"[1]  one\"");
  EXPECT_EQ(trace.end()[-2], "TypeText \"[2]  two\"");
}

TEST_F(TranslationRangeTest, SpacesAtTheEndsAreTrimmedOnly) {
  Write({"words   "}, {" \tnote  "});
  // The verse's group text ends in blanks; the note's trailing blanks go, its tab stays.
  f.folder.WriteGroups({"words [1]  ", " \tnote  "});
  const auto trace = Insert(1, 1);
  EXPECT_EQ(trace[4], "TypeText \"1.  Words [1]\"");
  EXPECT_EQ(trace.end()[-2], "TypeText \"[1]   \\tnote\"");
}

TEST_F(TranslationRangeTest, ANoteNumberThatReadsAsZeroFailsAfterTheVerses) {
  Write({"a[]", "b[x]"}, {"one"});
  EXPECT_THROW(Insert(1, 2), Error);
  const auto trace = f.Trace();
  EXPECT_EQ(trace.back(), "TypeParagraph");  // the empty paragraph before the notes
  EXPECT_EQ(trace.end()[-2], "TypeParagraph");
  EXPECT_EQ(trace.end()[-3], "TypeText \"2.  B[x]\"");
}

TEST_F(TranslationRangeTest, AnUnclosedMarkerFailsAfterItsLineIsTyped) {
  Write({"a[1", "b"}, {"one"});
  try {
    Insert(1, 2);
    FAIL();
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("surah 1 verse 1"), std::string::npos) << e.what();
  }
  EXPECT_EQ(f.Trace().back(), "TypeParagraph");
  EXPECT_EQ(f.Trace().end()[-2], "TypeText \"1.  A[1\"");
}

TEST_F(TranslationRangeTest, AMarkerOutsideSixteenBitsFails) {
  Write({"a[40000]"}, {"one"});
  ExpectError(ErrorKind::Overflow, "", [&] { Insert(1, 1); });
}

TEST_F(TranslationRangeTest, TwoThousandMarkersFitAndOneMoreFails) {
  std::string thousand;
  for (int i = 0; i < 1000; ++i) thousand += "[1]";
  Write({thousand, thousand, "[1]"}, {"n"});
  const auto ok = Insert(1, 2);
  EXPECT_EQ(std::count(ok.begin(), ok.end(), "TypeText \"[1]  n\""), 2000);

  f.traceText.str("");
  ExpectError(ErrorKind::Index, "", [&] { Insert(1, 3); });
  EXPECT_EQ(f.Trace().end()[-2], "TypeText \"3.  [1]\"");  // the line is in before the scan fails
}

}  // namespace
}  // namespace pelvaron
