#include "data/divisions.hpp"

#include <gtest/gtest.h>

#include "module/error.hpp"
#include "tests/support/expect_error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;
using testing::ExpectError;

// Surah 1 has 700 verses, the others one each. Division n of every kind starts at 1:n
// (sajdah n at 1:n + 1), except the last page, which starts at 3:1.
std::vector<std::string> ValidLines() {
  std::vector<std::string> lines;
  for (const DivisionKindFormat& kind : kDivisionKinds)
    for (int n = 1; n <= kind.count; ++n) {
      std::string verse = "1:" + std::to_string(kind.name == "sajdah" ? n + 1 : n);
      if (kind.name == "page" && n == kind.count) verse = "3:1";
      lines.push_back(std::string(kind.name) + " " + std::to_string(n) + " " + verse);
    }
  return lines;
}

// The 0-based line of division `number` of `kind`.
std::size_t LineOf(DivisionKind kind, int number) {
  std::size_t line = 0;
  for (int k = 0; k < static_cast<int>(kind); ++k) line += static_cast<std::size_t>(kDivisionKinds[k].count);
  return line + static_cast<std::size_t>(number - 1);
}

void Load(DataFixture& f, const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n") {
  std::vector<pack::SurahEntry> surahs{{"Surah 1", 700, 0}};
  for (int s = 2; s <= kSurahCount; ++s) surahs.push_back({"Surah " + std::to_string(s), 1, 0});
  f.folder.WriteSurahIndex(surahs);
  f.folder.WritePositions(std::vector<int>(kSurahCount, 0));
  f.Load();
  std::string text;
  for (const std::string& line : lines) text += line + lineEnd;
  f.folder.Write(std::string(kDivisionsFile), text);
}

TEST(Divisions, ReadsEveryKindAndGivesSpans) {
  for (const std::string lineEnd : {"\r\n", "\n"}) {
    DataFixture f;
    Load(f, ValidLines(), lineEnd);
    const Divisions d = ReadDivisions(f.state);
    for (int k = 0; k < kDivisionKindCount; ++k)
      EXPECT_EQ(d.starts[static_cast<std::size_t>(k)].size(),
                static_cast<std::size_t>(kDivisionKinds[k].count));
    EXPECT_EQ(d.Of(DivisionKind::Sajdah).front(), (VerseRef{1, 2}));
    struct Case {
      DivisionKind kind;
      int number;
      VerseRef first, last;
    };
    for (const Case& c :
         std::vector<Case>{{DivisionKind::Juz, 1, {1, 1}, {1, 1}},
                           {DivisionKind::Juz, 30, {1, 30}, {114, 1}},
                           {DivisionKind::Page, 602, {1, 602}, {1, 602}},
                           {DivisionKind::Page, 603, {1, 603}, {2, 1}},  // up to the surah's end
                           {DivisionKind::Page, 604, {3, 1}, {114, 1}}}) {
      const VerseSpan span = DivisionSpan(d, c.kind, c.number, f.state);
      EXPECT_EQ(span.first, c.first) << c.number;
      EXPECT_EQ(span.last, c.last) << c.number;
    }
    EXPECT_EQ(DivisionOf(d, DivisionKind::Juz, {1, 29}), 29);
    EXPECT_EQ(DivisionOf(d, DivisionKind::Juz, {50, 1}), 30);
    EXPECT_EQ(DivisionOf(d, DivisionKind::Page, {2, 1}), 603);
    EXPECT_EQ(DivisionOf(d, DivisionKind::Page, {3, 1}), 604);
  }
}

TEST(Divisions, ANumberOutsideTheKindIsAnInputErrorSayingTheRange) {
  DataFixture f;
  Load(f, ValidLines());
  const Divisions d = ReadDivisions(f.state);
  ExpectError(ErrorKind::Input, "juz 31 does not exist (1 to 30)",
              [&] { DivisionSpan(d, DivisionKind::Juz, 31, f.state); });
  ExpectError(ErrorKind::Input, "page 0 does not exist (1 to 604)",
              [&] { DivisionSpan(d, DivisionKind::Page, 0, f.state); });
}

TEST(Divisions, AMissingFileIsAFileErrorNamingIt) {
  DataFixture f;
  Load(f, {});
  std::filesystem::remove(f.state.DataFile(std::string(kDivisionsFile)));
  ExpectError(ErrorKind::File, "divisions.txt", [&] { ReadDivisions(f.state); });
}

TEST(Divisions, ABadLineIsAnErrorNamingTheFileAndLine) {
  const std::size_t juz5 = LineOf(DivisionKind::Juz, 5), quarter1 = LineOf(DivisionKind::Quarter, 1);
  struct Case {
    std::size_t line;  // 0-based; replaced by `text`, or removed when `text` is empty
    std::string text;
    std::string message;
  };
  for (const Case& c : std::vector<Case>{
           {juz5, "juz 5 1-5", "line 5: \"juz 5 1-5\" is not \"<kind> <number> <surah>:<verse>\""},
           {juz5, "juz 5 1:+5", "line 5: \"juz 5 1:+5\" is not"},
           {juz5, "juz  5 1:5", "line 5: \"juz  5 1:5\" is not"},
           {juz5, "juzz 5 1:5", "line 5: unknown kind \"juzz\""},
           {juz5, "juz 6 1:5", "line 5: juz 6 where 5 is due"},
           {juz5, "juz 5 1:701", "line 5: no verse 1:701 in the surah index"},
           {juz5, "juz 5 115:1", "line 5: no verse 115:1"},
           {juz5, "juz 5 1:4", "line 5: 1:4 is not after 1:4"},
           {LineOf(DivisionKind::Juz, 1), "juz 1 1:2", "line 1: the first juz starts at 1:2, not 1:1"},
           {quarter1 + 3, "juz 31 1:31", "line 34: juz after the quarter lines"},
           {quarter1, "juz 31 1:31", "line 31: more than 30 juz lines"},
           {LineOf(DivisionKind::Juz, 30), "", "line 30: 29 juz lines, 30 needed"}}) {
    std::vector<std::string> lines = ValidLines();
    if (c.text.empty())
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(c.line));
    else
      lines[c.line] = c.text;
    DataFixture f;
    Load(f, lines);
    const std::string message = ExpectError(ErrorKind::BadRecord, c.message, [&] { ReadDivisions(f.state); });
    EXPECT_NE(message.find("divisions.txt"), std::string::npos) << message;
  }
}

TEST(Divisions, AFileEndingShortSaysWhatIsMissing) {
  std::vector<std::string> lines = ValidLines();
  lines.pop_back();
  DataFixture f;
  Load(f, lines);
  ExpectError(ErrorKind::PastEnd, "divisions.txt: the file ends with 14 sajdah lines, 15 needed",
              [&] { ReadDivisions(f.state); });
  lines.resize(LineOf(DivisionKind::Page, 10));
  Load(f, lines);
  ExpectError(ErrorKind::PastEnd, "ends with 9 page lines, 604 needed", [&] { ReadDivisions(f.state); });
}

}  // namespace
}  // namespace pelvaron
