#include "data/arabic_text.hpp"

#include <gtest/gtest.h>

#include "module/error.hpp"
#include "tests/support/expect_error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;
using testing::ExpectError;

std::vector<std::string> Pieces(const ArabicWord& word) {
  std::vector<std::string> texts;
  for (const auto& piece : word) texts.push_back(piece.Text);
  return texts;
}

TEST(ParseArabicLine, NeedsAWordMarker) {
  EXPECT_TRUE(ParseArabicLine("").empty());
  EXPECT_TRUE(ParseArabicLine("1|5000_2|5001").empty());
  const auto words = ParseArabicLine("1|5000_6| _trailing text");
  ASSERT_EQ(words.size(), 1u);
  EXPECT_EQ(Pieces(words[0]), std::vector<std::string>{"1|5000"});
}

TEST(ParseArabicLine, PiecesComeInTypingOrder) {
  const auto words = ParseArabicLine("6| _1|5000_2|5001_6| _3|5002_6| _");
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(Pieces(words[0]), (std::vector<std::string>{"2|5001", "1|5000", "6| "}));
  EXPECT_EQ(Pieces(words[1]), std::vector<std::string>{"3|5002"});
  EXPECT_TRUE(words[0][2].IsBlank());
  EXPECT_EQ(words[0][2].SelectedFont(), "(normal text)");
}

TEST(ParseArabicLine, EmptyPartsAndPieces) {
  auto words = ParseArabicLine("_6| _");
  ASSERT_EQ(words.size(), 1u);
  EXPECT_TRUE(words[0].empty());  // an empty part is a word without pieces

  words = ParseArabicLine("1|5000__6| _");
  ASSERT_EQ(words.size(), 1u);
  ASSERT_EQ(words[0].size(), 2u);
  EXPECT_EQ(words[0][0].Text, "");  // the empty piece is typed first
  EXPECT_FALSE(words[0][0].Selector().has_value());
  EXPECT_EQ(words[0][0].Number(), 0.0);
  EXPECT_EQ(words[0][0].CharacterNumber(), -4096);
}

TEST(ParseArabicLine, MarkersDoNotOverlap) {
  // The second marker would share the first one's last "_": it is not one, and the rest of
  // the line after the first marker is dropped.
  const auto words = ParseArabicLine("1|5000_6| _6| _");
  ASSERT_EQ(words.size(), 1u);
  EXPECT_EQ(Pieces(words[0]), std::vector<std::string>{"1|5000"});
}

TEST(NormalTextOfLine, TheTextFontsCodePointsUpToTheVerseEnd) {
  // بسم in the text font (stored last piece first), a word in a glyph font, ب in the text font
  // again, then the verse-end ornament and the verse number ١, and a word after them.
  const std::string marker = "_6| _";
  const std::string line = "6|5701_6|5683_6|5672" + marker + "1|5000" + marker + "6|5672" + marker +
                           "6|5729_6|5853" + marker + "6|5672" + marker;
  EXPECT_EQ(NormalTextOfLine(line), "\u0628\u0633\u0645 \u0628");
  EXPECT_EQ(NormalTextOfLine("6|5672_6|5701"), "");  // no marker, no word
  EXPECT_EQ(CharacterNumberOf("6|5672"), 0x0628);
  EXPECT_EQ(CharacterNumberOf("6|5672.0"), 0x0628);  // not plain digits: read as the insertion reads it
}

TEST(GlyphPiece, SelectorSeparatorAndNumber) {
  EXPECT_EQ(GlyphPiece{"3x5000"}.CharacterNumber(), 904);  // the separator is never read
  EXPECT_EQ(GlyphPiece{"3x5000"}.SelectedFont(), "HQPB3");
  EXPECT_EQ(GlyphPiece{"7|5000"}.SelectedFont(), "");
  EXPECT_EQ(GlyphPiece{"5| 4097abc"}.CharacterNumber(), 1);
  EXPECT_EQ(GlyphPiece{"5|-10"}.CharacterNumber(), -4106);
  EXPECT_EQ(GlyphPiece{"5"}.CharacterNumber(), -4096);
  EXPECT_THROW(GlyphPiece{"1|99999999999"}.CharacterNumber(), Error);
}

class ReadArabicLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.folder.WriteSurahIndex({{"A", 2, 0}, {"B", 3, 0}});
    f.folder.WritePositions({0, 2});
    f.Load();
  }
  DataFixture f;
};

TEST_F(ReadArabicLineTest, ReadsTheGlobalLine) {
  f.folder.WriteArabicLines({"one", "two", "three", "four", "five"});
  EXPECT_EQ(ReadArabicLine(f.state, 1, 1), "one");
  EXPECT_EQ(ReadArabicLine(f.state, 2, 1), "three");
  EXPECT_EQ(ReadArabicLine(f.state, 2, 3), "five");
}

TEST_F(ReadArabicLineTest, PastTheEndGivesTheLastLine) {
  f.folder.WriteArabicLines({"one", "two"});
  EXPECT_EQ(ReadArabicLine(f.state, 2, 3), "two");
}

TEST_F(ReadArabicLineTest, NoLineAtAll) {
  f.folder.WriteArabicLines({"one"});
  EXPECT_FALSE(ReadArabicLine(f.state, 1, 0).has_value());
  EXPECT_FALSE(ReadArabicLine(f.state, 1, -3).has_value());
  f.folder.Write("AQO2.TXT", "");
  EXPECT_FALSE(ReadArabicLine(f.state, 1, 0).has_value());
  ExpectError(ErrorKind::PastEnd, "AQO2.TXT: the file is empty", [&] { ReadArabicLine(f.state, 1, 1); });
}

TEST_F(ReadArabicLineTest, AnyLineEndSeparatesLines) {
  f.folder.Write("AQO2.TXT", "one\ntwo\rthree\r\nfour");
  EXPECT_EQ(ReadArabicLine(f.state, 1, 2), "two");
  EXPECT_EQ(ReadArabicLine(f.state, 2, 1), "three");
  EXPECT_EQ(ReadArabicLine(f.state, 2, 2), "four");
}

TEST_F(ReadArabicLineTest, ACrLfAcrossABlockBoundaryIsOneLineEnd) {
  // The reader's blocks are 64 KiB; put the CR as the block's last byte.
  const std::string first(64 * 1024 - 1, 'a');
  f.folder.Write("AQO2.TXT", first + "\r\nsecond\r\n");
  EXPECT_EQ(ReadArabicLine(f.state, 1, 2), "second");
  EXPECT_EQ(ReadArabicLine(f.state, 1, 1)->size(), first.size());
}

TEST_F(ReadArabicLineTest, ErrorsComeBeforeAndFromTheFile) {
  ExpectError(ErrorKind::Index, "", [&] {
    ReadArabicLine(f.state, 115, 1);  // no file written yet: the index error comes first
  });
  ExpectError(ErrorKind::File, "AQO2.TXT", [&] { ReadArabicLine(f.state, 1, 1); });
  EXPECT_FALSE(std::filesystem::exists(f.folder.file("AQO2.TXT")));
}

}  // namespace
}  // namespace pelvaron
