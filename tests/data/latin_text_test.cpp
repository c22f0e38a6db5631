#include "data/latin_text.hpp"

#include <gtest/gtest.h>

#include "module/error.hpp"
#include "tests/support/expect_error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

// Surah 1 with 3 verses, surah 2 with 2: surah 2 verse 2 is line 5.
class LatinText : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteSmallPack(f.folder, {3, 2}, {});
    f.Load();
  }
  testing::DataFixture f;
};

TEST_F(LatinText, ReadsAVerseAndAllLinesWithEitherLineEndAndABom) {
  for (const std::string& text : {std::string("a\r\nb\r\nc\r\nd\r\ne\r\n"), std::string("\xEF\xBB\xBF"
                                                                                        "a\nb\nc\nd\ne")}) {
    f.folder.Write("latin.txt", text);
    EXPECT_EQ(ReadLatinLine(f.state, 1, 1), "a");
    EXPECT_EQ(ReadLatinLine(f.state, 2, 2), "e");
    EXPECT_EQ(ReadLatinLines(f.state), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  }
}

TEST_F(LatinText, AMissingFileOrLineIsAnErrorNamingIt) {
  testing::ExpectError(ErrorKind::File, "latin.txt", [&] { ReadLatinLine(f.state, 1, 1); });
  testing::ExpectError(ErrorKind::File, "latin.txt", [&] { ReadLatinLines(f.state); });
  f.folder.Write("latin.txt", "a\r\nb\r\n");
  testing::ExpectError(ErrorKind::PastEnd, "latin.txt: no line 4 (surah 2 verse 1)",
                       [&] { ReadLatinLine(f.state, 2, 1); });
}

// latinjoined.txt is optional: a pack without it has no words read joined.
TEST_F(LatinText, TheJoinedWordsAreTheFilesLinesOrNone) {
  EXPECT_TRUE(ReadLatinJoinedWords(f.state).empty());
  f.folder.Write("latinjoined.txt",
                 "\xEF\xBB\xBF\u0648\u064E\u0633\u0650\u0639\r\n\u0648\u064E\u0642\u064E\u0628\r\n");
  EXPECT_EQ(ReadLatinJoinedWords(f.state),
            (std::vector<std::string>{"\u0648\u064E\u0633\u0650\u0639", "\u0648\u064E\u0642\u064E\u0628"}));
}

}  // namespace
}  // namespace pelvaron
