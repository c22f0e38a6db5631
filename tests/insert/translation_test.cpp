#include <gtest/gtest.h>

#include "insert/translation.hpp"
#include "module/error.hpp"
#include "tests/support/expect_error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;
using testing::ExpectError;

// Surah 1 has verses 1..7 at global 1..7; surah 2 starts at 7. Groups and records are
// written by each test.
class TranslationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.folder.WriteSurahIndex({{"One", 7, 0}, {"Two", 3, 0}});
    f.folder.WritePositions({0, 7});
    f.Load();
  }
  void Verses(const std::vector<std::vector<int>>& records) {
    f.folder.WriteGroupRecords("Ayat Per Kata", records);
  }
  void Notes(const std::vector<std::vector<int>>& records) {
    f.folder.WriteGroupRecords("Note Per Kata", records);
  }
  DataFixture f;
};

TEST_F(TranslationTest, VerseLineExample) {
  f.folder.WriteGroups({"in the name", "of God[3]"});
  Verses({{1, 2}});
  EXPECT_EQ(BuildVerseTranslation(f.state, 1, 1), "1.  In the name of God[3]");
}

TEST_F(TranslationTest, AnEmptyVerseRecordGivesTheNumberAlone) {
  f.folder.WriteGroups({"x"});
  Verses({{}, {}, {}, {}, {}, {}, {}});
  EXPECT_EQ(BuildVerseTranslation(f.state, 1, 7), "7. ");
}

TEST_F(TranslationTest, OnlyTheFirstLetterIsUpperCased) {
  f.folder.WriteGroups({"(in) the", "12 words", "", "second", "\xe9t\xe9"});
  Verses({{1}, {2}, {3, 4}, {5}});
  EXPECT_EQ(BuildVerseTranslation(f.state, 1, 1), "1.  (in) the");
  EXPECT_EQ(BuildVerseTranslation(f.state, 1, 2), "2.  12 words");
  EXPECT_EQ(BuildVerseTranslation(f.state, 1, 3), "3.   second");
  EXPECT_EQ(BuildVerseTranslation(f.state, 1, 4), "4.  \u00c9t\u00e9");
}

TEST_F(TranslationTest, RepeatedGroupsAreExpandedEachTime) {
  f.folder.WriteGroups({"again"});
  Verses({{1, 1}});
  EXPECT_EQ(BuildVerseTranslation(f.state, 1, 1), "1.  Again again");
}

TEST_F(TranslationTest, VerseZeroReadsTheRecordBeforeTheSurah) {
  f.folder.WriteGroups({"a", "b", "c", "d", "e", "f", "seventh"});
  Verses({{1}, {2}, {3}, {4}, {5}, {6}, {7}, {1}});
  EXPECT_EQ(BuildVerseTranslation(f.state, 2, 0), "0.  Seventh");
  ExpectError(ErrorKind::BadRecord, "surah 1 verse 0", [&] {
    BuildVerseTranslation(f.state, 1, 0);  // record 0
  });
  EXPECT_THROW(BuildVerseTranslation(f.state, 1, -1), Error);
}

TEST_F(TranslationTest, RecordNumberArithmeticIsSixteenBit) {
  f.state.VersePos[1] = 32767;
  ExpectError(ErrorKind::Overflow, "", [&] { BuildVerseTranslation(f.state, 1, 1); });
  EXPECT_THROW(BuildVerseTranslation(f.state, 115, 1), Error);
}

TEST_F(TranslationTest, NoteTextExample) {
  f.folder.WriteGroups({"<i>Ar-Rahman</i>", "is a name"});
  Notes({{}, {}, {1, 2}});
  EXPECT_EQ(BuildNoteText(f.state, 3), "[3]  Ar-Rahman is a name");
}

TEST_F(TranslationTest, ItalicTagsAreRemovedOneFormAtATime) {
  f.folder.WriteGroups({"<I>word</i>", "<<i>i>", "</<i>i>", "<i >", "<b>", "[9]"});
  Notes({{1}, {2}, {3}, {4}, {5}, {6}});
  EXPECT_EQ(BuildNoteText(f.state, 1), "[1]  word");
  EXPECT_EQ(BuildNoteText(f.state, 2), "[2]  <i>");
  EXPECT_EQ(BuildNoteText(f.state, 3), "[3]  ");
  EXPECT_EQ(BuildNoteText(f.state, 4), "[4]  <i >");
  EXPECT_EQ(BuildNoteText(f.state, 5), "[5]  <b>");
  EXPECT_EQ(BuildNoteText(f.state, 6), "[6]  [9]");  // not followed, not upper-cased
}

TEST_F(TranslationTest, AnEmptyNoteRecordGivesTheNumberAlone) {
  f.folder.WriteGroups({"x"});
  Notes({{}, {}, {}});
  EXPECT_EQ(BuildNoteText(f.state, 3), "[3] ");
}

TEST_F(TranslationTest, NoteZeroIsABadRecord) {
  f.folder.WriteGroups({"x"});
  Notes({{1}});
  ExpectError(ErrorKind::BadRecord, "note 0", [&] { BuildNoteText(f.state, 0); });
}

}  // namespace
}  // namespace pelvaron
