// The Latin in every layout a request can ask for, its refusal on a pack without latin.txt,
// and a range whose first verse is after its last.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "insert/insert_request.hpp"
#include "insert/latin_insert.hpp"
#include "module/error.hpp"
#include "tests/support/expect_error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;
using ::testing::ElementsAre;
using testing::ExpectError;

class LatinInsertTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteSmallPack(f.folder, {3, 5}, {});
    std::string latin;
    for (int n = 1; n <= 8; ++n) latin += "latin " + std::to_string(n) + "\r\n";
    f.folder.Write("latin.txt", latin);
    f.Load();
  }
  // The trace reduced to what shows the layout: "arabic" for a verse's symbols, the typed
  // texts, the italic switches and the citation.
  std::vector<std::string> Layout(const InsertRequest& request) {
    f.traceText.str("");
    RunInsertRequest(f.state, f.trace, request);
    std::vector<std::string> layout;
    for (const std::string& line : f.Trace()) {
      if (line.starts_with("InsertSymbol") && (layout.empty() || layout.back() != "arabic"))
        layout.push_back("arabic");
      if (line.starts_with("Font.Italic")) layout.push_back(line);
      if (line.starts_with("TypeText") && line != "TypeText \" \"") layout.push_back(line.substr(9));
    }
    return layout;
  }
  static InsertRequest Request(int surah, int first, int last, InsertWhat what, bool latin, bool perVerse) {
    InsertRequest r{surah, first, last, what};
    r.latin = latin;
    r.perVerse = perVerse;
    return r;
  }
  DataFixture f;
};

TEST_F(LatinInsertTest, Layouts) {
  const std::string on = "Font.Italic True", off = "Font.Italic False";
  EXPECT_THAT(Layout(Request(2, 1, 2, InsertWhat::Latin, false, false)),
              ElementsAre(on, "\"1. latin 4\"", "\"2. latin 5\"", off));
  EXPECT_THAT(
      Layout(Request(1, 1, 2, InsertWhat::All, true, false)),
      ElementsAre("arabic", on, "\"1. latin 1\"", "\"2. latin 2\"", off, "\"1.  Word1\"", "\"2.  Word2\""));
  EXPECT_THAT(Layout(Request(1, 2, 3, InsertWhat::All, true, true)),
              ElementsAre("arabic", on, "\"2. latin 2\"", off, "\"2.  Word2\"", "arabic", on,
                          "\"3. latin 3\"", off, "\"3.  Word3\""));
  EXPECT_THAT(Layout(Request(1, 1, 2, InsertWhat::All, false, true)),
              ElementsAre("arabic", "\"1.  Word1\"", "arabic", "\"2.  Word2\""));
  EXPECT_THAT(Layout(Request(1, 3, 3, InsertWhat::Translation, true, false)),
              ElementsAre(on, "\"3. latin 3\"", off, "\"3.  Word3\""));
  InsertRequest cited = Request(2, 5, 5, InsertWhat::Arabic, true, false);
  cited.cite = CiteStyle::Short;
  EXPECT_THAT(Layout(cited), ElementsAre("arabic", on, "\"5. latin 8\"", off, "\"(QS 2:5)\""));
}

TEST_F(LatinInsertTest, AFirstVerseAfterTheLastIsRefusedAndTypesNoVerse) {
  for (InsertWhat what : {InsertWhat::All, InsertWhat::Arabic, InsertWhat::Translation, InsertWhat::Latin})
    for (bool perVerse : {false, true})
      for (CiteStyle cite : {CiteStyle::None, CiteStyle::Qs, CiteStyle::Arabic}) {
        InsertRequest r = Request(2, 5, 3, what, true, perVerse);
        r.cite = cite;
        SCOPED_TRACE(static_cast<int>(what) * 100 + perVerse * 10 + static_cast<int>(cite));
        ExpectError(ErrorKind::Input, kVerseMissing, [&] { CheckInsertRequest(f.state, r); });
        // What the dialog lets through: no verse, no Latin line, no reference.
        EXPECT_THAT(Layout(r),
                    ::testing::AnyOf(ElementsAre(), ElementsAre("Font.Italic True", "Font.Italic False")));
      }
}

TEST_F(LatinInsertTest, ParagraphFormat) {
  InsertLatinLines(f.state, f.trace, 7, {"a"});
  EXPECT_THAT(f.Trace(), ElementsAre("LtrPara", "LtrRun", "ParagraphFormat.Alignment 0",
                                     "Font.Name \"(normal text)\"", "Font.Size 10", "Font.Italic True",
                                     "TypeText \"7. a\"", "TypeParagraph", "Font.Italic False"));
}

TEST_F(LatinInsertTest, APackWithoutTheFileRefusesBeforeTyping) {
  std::filesystem::remove(f.temp.path() / "DataQuran" / "latin.txt");
  for (const InsertRequest& r :
       {Request(1, 1, 1, InsertWhat::Latin, false, false), Request(1, 1, 1, InsertWhat::All, true, false),
        Request(1, 1, 1, InsertWhat::Arabic, true, true)}) {
    f.traceText.str("");
    ExpectError(ErrorKind::File, "latin.txt", [&] { RunInsertRequest(f.state, f.trace, r); });
    EXPECT_EQ(f.traceText.str(), "");
  }
  EXPECT_NO_THROW(RunInsertRequest(f.state, f.trace, Request(1, 1, 1, InsertWhat::All, false, true)));
}

TEST_F(LatinInsertTest, AShortFileOrADamagedIndexNamesTheLine) {
  f.folder.Write("latin.txt", "one\r\ntwo\r\n");
  ExpectError(ErrorKind::PastEnd, "latin.txt: 2 lines, surah 1 verse 3 is line 3",
              [&] { RunInsertRequest(f.state, f.trace, Request(1, 1, 3, InsertWhat::Latin, false, false)); });
  f.state.VersePos[2] = -10;  // a damaged position index
  ExpectError(ErrorKind::BadRecord, "latin.txt: surah 2 verse 1 would be line -9",
              [&] { RunInsertRequest(f.state, f.trace, Request(2, 1, 2, InsertWhat::Latin, false, false)); });
  EXPECT_EQ(f.traceText.str(), "");
}

}  // namespace
}  // namespace pelvaron
