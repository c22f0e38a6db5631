// frmCari on the headless runtime: a query fills the results, a picked result is inserted
// through the insertion entry point with the chosen citation and mode, refusals are message boxes.

#include "forms/search_dialog.hpp"
#include "insert/insert_request.hpp"
#include "insert/segments.hpp"
#include "module/error.hpp"
#include "tests/forms/dialog_fixture.hpp"

namespace pelvaron::testing {
namespace {

class SearchDialogTest : public DialogTest {
 protected:
  forms::Form& search() { return app.SearchForm().form(); }
  void Query(const std::string& text) {
    search().Combo("txtCari").SetText(text);
    runtime.UserClick(search(), "cmdCari");
  }
  std::string ExpectedRequest(const InsertRequest& request) const {
    return Expected([&](DocumentOps& doc) { RunInsertRequest(state, doc, request); });
  }
};

TEST_F(SearchDialogTest, QueryPickAndInsertWithCitation) {
  state.InsertMode = 3;  // the last menu button: translation
  app.OnSearchClicked();
  EXPECT_EQ(search().Combo("cbJenis").ListIndex(), 2);
  EXPECT_EQ(search().Combo("cbKutip").ListIndex(), 0);
  Query("2:3-5");
  ASSERT_EQ(search().Combo("cbHasil").ListCount(), 1);
  EXPECT_EQ(search().Combo("cbHasil").Text().substr(0, 6), "2:3-5 ");
  search().Combo("cbKutip").SetListIndex(2);  // (QS 2:255)
  TakeLines();
  runtime.UserClick(search(), "cmdSisipkan");
  EXPECT_EQ(TakeDocument(), ExpectedRequest({2, 3, 5, InsertWhat::Translation, true, CiteStyle::Short}));
  EXPECT_EQ(TakeLines(), (std::vector<std::string>{"Unload frmCari"}));
}

// divisions.txt for the pack: juz n from global verse 50(n - 1) + 1 (juz 1 is 1:1-2:43), every
// other division n from global verse n (sajdah n + 1).
std::string PackDivisions() {
  std::vector<VerseRef> verses;
  for (int s = 1; s <= static_cast<int>(kPackVerseCounts.size()); ++s)
    for (int v = 1; v <= kPackVerseCounts[static_cast<std::size_t>(s - 1)]; ++v) verses.push_back({s, v});
  std::string text;
  for (const DivisionKindFormat& kind : kDivisionKinds)
    for (int n = 1; n <= kind.count; ++n)
      text += std::string(kind.name) + " " + std::to_string(n) + " " +
              VerseRefText(verses[kind.name == "juz"      ? 50 * (n - 1)
                                  : kind.name == "sajdah" ? n
                                                          : n - 1]) +
              "\n";
  return text;
}

// Without divisions.txt a juz is refused naming the file; with it, a juz across surahs is
// inserted as a segments request.
TEST_F(SearchDialogTest, AJuzAcrossSurahsIsInsertedAsSegments) {
  app.OnSearchClicked();
  TakeLines();
  Query("juz 1");
  const auto shown = TakeLines();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("divisions.txt"), std::string::npos) << shown[0];
  std::string names;  // the headings' Arabic names
  for (int s = 1; s <= kSurahCount; ++s) names += "\u0633" + std::to_string(s) + "\n";
  DataFolder(temp.path()).Write("surahnames.txt", names);
  DataFolder(temp.path()).Write("divisions.txt", PackDivisions());
  Query("juz 1");
  runtime.UserClick(search(), "cmdSisipkan");
  InsertRequest request;
  request.segments = SegmentsBetween(state, {1, 1}, {2, 43});
  EXPECT_EQ(TakeDocument(), ExpectedRequest(request));
}

TEST_F(SearchDialogTest, EnterSearchesAndADoubleClickInsertsTheResult) {
  app.OnSearchClicked();
  search().Combo("txtCari").SetText("WORD9");  // the translation of global verse 9, surah 2 verse 2
  runtime.UserPressEnter(search(), "txtCari");
  ASSERT_GE(app.SearchForm().results().size(), 1u);
  EXPECT_EQ(app.SearchForm().results()[0].surah, 2);
  EXPECT_EQ(app.SearchForm().results()[0].verse, 2);
  search().Combo("cbJenis").SetListIndex(1);  // Arabic only
  // Only the open results list reports double-clicks; a drop-down's list never does.
  EXPECT_THROW(runtime.UserDoubleClick(search(), "cbJenis"), pelvaron::Error);
  EXPECT_EQ(TakeDocument(), "");
  runtime.UserDoubleClick(search(), "cbHasil");
  EXPECT_EQ(TakeDocument(), ExpectedRequest({2, 2, 2, InsertWhat::Arabic, true, CiteStyle::None}));
}

TEST_F(SearchDialogTest, RefusalsAreMessageBoxesAndTheFormStaysOpen) {
  app.OnSearchClicked();
  TakeLines();
  for (const auto& [query, message] : std::vector<std::pair<std::string, std::string>>{
           {"", "MsgBox \"the query is empty\" 64"},
           {"zzzz", "MsgBox \"tidak ditemukan\" 64"},
           {"1:8", "MsgBox \"Surah1 [1] has verses 1\u20137: 1:8 is not among them\" 64"}}) {
    Query(query);
    EXPECT_EQ(TakeLines(), (std::vector<std::string>{message})) << query;
    EXPECT_EQ(search().Combo("cbHasil").ListCount(), 0);
  }
  Query("tiga qul");  // names surahs this small pack leaves without verses
  EXPECT_EQ(TakeLines(), (std::vector<std::string>{"MsgBox \"tidak ditemukan\" 64"}));
  runtime.UserClick(search(), "cmdSisipkan");  // nothing picked
  EXPECT_EQ(TakeLines(), (std::vector<std::string>{"MsgBox \"tidak ditemukan\" 64"}));
  // The small pack has no surahnames.txt: the Arabic citation fails before anything is typed.
  Query("1:1");
  search().Combo("cbKutip").SetListIndex(3);
  runtime.UserClick(search(), "cmdSisipkan");
  const auto shown = TakeLines();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("surahnames.txt"), std::string::npos) << shown[0];
  EXPECT_EQ(TakeDocument(), "");
  EXPECT_TRUE(search().Loaded());
}

TEST_F(SearchDialogTest, TheLatinChoicesNeedLatinTxtAndInsertWithTheLatin) {
  app.OnSearchClicked();
  Query("1:2");
  TakeLines();
  for (int choice = 3; choice < static_cast<int>(std::size(forms::kInsertChoices)); ++choice) {
    search().Combo("cbJenis").SetListIndex(choice);
    runtime.UserClick(search(), "cmdSisipkan");
    const auto shown = TakeLines();
    ASSERT_EQ(shown.size(), 1u) << choice;
    EXPECT_NE(shown[0].find("latin.txt"), std::string::npos) << shown[0];
    EXPECT_EQ(TakeDocument(), "") << choice;
  }
  std::string latin;
  for (int verse = 1; verse <= 7; ++verse) latin += "Latin " + std::to_string(verse) + "\r\n";
  DataFolder(temp.path()).Write("latin.txt", latin);
  // The Latin entries' requests, from the fourth entry on.
  const std::pair<InsertWhat, bool> latinModes[] = {{InsertWhat::All, true},
                                                    {InsertWhat::Arabic, true},
                                                    {InsertWhat::Translation, true},
                                                    {InsertWhat::Latin, false}};
  ASSERT_EQ(std::size(latinModes) + 3, std::size(forms::kInsertChoices));
  for (int choice = 3; choice < static_cast<int>(std::size(forms::kInsertChoices)); ++choice) {
    InsertRequest request{1, 2, 2, latinModes[choice - 3].first};
    request.latin = latinModes[choice - 3].second;
    search().Combo("cbJenis").SetListIndex(choice);
    runtime.UserClick(search(), "cmdSisipkan");
    const std::string typed = TakeDocument();
    EXPECT_EQ(typed, ExpectedRequest(request)) << forms::kInsertChoices[choice].entry;
    EXPECT_NE(typed.find("TypeText \"2. Latin 2\""), std::string::npos) << choice;
    app.OnSearchClicked();
    Query("1:2");
    TakeLines();
  }
}

}  // namespace
}  // namespace pelvaron::testing
