// The citation after the inserted verses: each style's text and operations, the range it
// names when the dialog changes the translation's range, and a pack without Arabic names.

#include <gtest/gtest.h>

#include "insert/insert_request.hpp"
#include "module/error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;

class Citation : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteSmallPack(f.folder, {3, 12});
    f.Load();
    std::string names;
    for (int s = 1; s <= kSurahCount; ++s)
      names += s == 2 ? "\u0627\u0644\u0628\u0642\u0631\u0629\n" : "\u0633\u0648\u0631\u0629\n";
    f.folder.Write("surahnames.txt", names);
  }
  // The trace lines after the last verse's translation paragraph and the empty one after it.
  std::vector<std::string> Tail(const InsertRequest& request, std::size_t lines) {
    RunInsertRequest(f.state, f.trace, request);
    const auto all = f.Trace();
    return {all.end() - static_cast<std::ptrdiff_t>(std::min(lines, all.size())), all.end()};
  }
  DataFixture f;
};

TEST_F(Citation, EachStyleTypesOneParagraph) {
  using L = std::vector<std::string>;
  struct Case {
    CiteStyle style;
    int first, last;
    L tail;
  };
  for (const Case& c : std::vector<Case>{
           {CiteStyle::Qs, 2, 2, {"TypeParagraph", "TypeText \"(QS. Surah2 [2]: 2)\"", "TypeParagraph"}},
           {CiteStyle::Qs,
            10,
            12,
            {"TypeParagraph", "TypeText \"(QS. Surah2 [2]: 10\u201312)\"", "TypeParagraph"}},
           {CiteStyle::Short, 1, 2, {"TypeParagraph", "TypeText \"(QS 2:1\u20132)\"", "TypeParagraph"}},
           {CiteStyle::Arabic,
            11,
            12,
            {"RtlPara", "RtlRun", "Font.Name \"(normal text)\"",
             "TypeText \"[\u0627\u0644\u0628\u0642\u0631\u0629: \u0661\u0661\u2013\u0661\u0662]\"",
             "TypeParagraph", "LtrPara", "LtrRun"}}}) {
    f.traceText.str("");
    EXPECT_EQ(Tail({2, c.first, c.last, InsertWhat::Translation, true, c.style}, c.tail.size()), c.tail);
  }
  // Arabic only: the citation follows the fresh paragraph the Arabic leaves.
  f.traceText.str("");
  EXPECT_EQ(Tail({2, 1, 1, InsertWhat::Arabic, true, CiteStyle::Short}, 3),
            (L{"ParagraphFormat.Alignment 3", "TypeText \"(QS 2:1)\"", "TypeParagraph"}));
}

TEST_F(Citation, NamesTheRangeTheTranslationTookAndNothingWhenStopped) {
  const auto narrowed = [](const InsertRequest& r) -> std::optional<InsertRequest> {
    InsertRequest changed = r;
    changed.lastVerse = 3;
    return changed;
  };
  EXPECT_TRUE(
      RunInsertRequest(f.state, f.trace, {2, 1, 2, InsertWhat::All, true, CiteStyle::Short}, narrowed));
  EXPECT_EQ(f.Trace()[f.Trace().size() - 2], "TypeText \"(QS 2:1\u20133)\"");
  f.traceText.str("");
  EXPECT_FALSE(RunInsertRequest(f.state, f.trace, {2, 1, 2, InsertWhat::All, true, CiteStyle::Short},
                                [](const InsertRequest&) { return std::optional<InsertRequest>(); }));
  EXPECT_EQ(f.traceText.str().find("(QS"), std::string::npos);
}

TEST_F(Citation, ArabicWithoutSurahNamesFailsBeforeTyping) {
  std::filesystem::remove(f.folder.file("surahnames.txt"));
  try {
    RunInsertRequest(f.state, f.trace, {2, 1, 1, InsertWhat::All, true, CiteStyle::Arabic});
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("surahnames.txt"), std::string::npos) << e.what();
  }
  EXPECT_EQ(f.traceText.str(), "");
  EXPECT_THROW(ParseCiteStyle("apa"), Error);
}

}  // namespace
}  // namespace pelvaron
