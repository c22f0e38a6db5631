// The menu buttons' click handlers over the single form instances.

#include <gtest/gtest.h>

#include "forms/about_box.hpp"
#include "forms/search_dialog.hpp"
#include "insert/insert_request.hpp"
#include "module/error.hpp"
#include "tests/forms/dialog_fixture.hpp"

namespace pelvaron::testing {
namespace {

using Lines = std::vector<std::string>;

class MenuButtons : public DialogTest {};

TEST_F(MenuButtons, EachModeButtonSetsItsModeAndShowsTheOneDialog) {
  EXPECT_EQ(state.InsertMode, 0);
  app.OnGetAllClicked();
  EXPECT_EQ(state.InsertMode, 1);
  forms::Form* dialog = &form();
  EXPECT_TRUE(runtime.Visible(*dialog));
  app.OnGetAyatClicked();
  EXPECT_EQ(state.InsertMode, 2);
  app.OnGetTerjemahClicked();
  EXPECT_EQ(state.InsertMode, 3);
  EXPECT_EQ(dialog, &form());
  EXPECT_EQ(TakeLines(), (Lines{"Load frmPilih", "SetWindowPos frmPilih -1 394 313 235 142 0"}));
}

TEST_F(MenuButtons, SwitchingTheModeOfAnOpenDialogChangesWhatOkInserts) {
  app.OnGetAllClicked();
  combo("cbSurat").SetListIndex(2);
  app.OnGetAyatClicked();
  TakeLines();
  PressOk();
  EXPECT_EQ(TakeLines(), Lines{"Unload frmPilih"});
  EXPECT_EQ(TakeDocument(), ExpectedArabic(3, 1, 1));
  EXPECT_EQ(state.InsertMode, 2);  // kept after the dialog closed
}

TEST_F(MenuButtons, TheChosenCitationFollowsTheVerseDialogsInsertionAndIsTheSearchFormsFirstChoice) {
  app.SetCitation(CiteStyle::Short);
  app.OnGetAyatClicked();
  combo("cbSurat").SetListIndex(2);
  PressOk();
  const InsertRequest cited{3, 1, 1, InsertWhat::Arabic, true, CiteStyle::Short};
  EXPECT_EQ(TakeDocument(), Expected([&](DocumentOps& doc) { RunInsertRequest(state, doc, cited); }));
  app.OnSearchClicked();
  EXPECT_EQ(app.SearchForm().form().Combo("cbKutip").ListIndex(), 2);  // "(QS 2:255)"
}

TEST_F(MenuButtons, TheChosenLayoutAndLatinFollowTheVerseDialogAndTheSearchForm) {
  app.SetLatinLayout(false, true);
  app.OnGetAllClicked();
  combo("cbSurat").SetListIndex(2);
  PressOk();
  const InsertRequest perVerse{3, 1, 1, InsertWhat::All, true, CiteStyle::None, false, true};
  EXPECT_EQ(TakeDocument(), Expected([&](DocumentOps& doc) { RunInsertRequest(state, doc, perVerse); }));
  // The Latin asked of a pack without latin.txt: refused with the file named, nothing typed.
  app.SetLatinLayout(true, false);
  app.OnGetAyatClicked();
  combo("cbSurat").SetListIndex(2);
  TakeLines();
  PressOk();
  const Lines shown = TakeLines();
  EXPECT_TRUE(!shown.empty() && shown[0].find("latin.txt") != std::string::npos)
      << (shown.empty() ? "" : shown[0]);
  EXPECT_TRUE(TakeDocument().empty());
  app.OnSearchClicked();
  EXPECT_EQ(app.SearchForm().form().Combo("cbJenis").ListIndex(), 4);  // "Arab dan Latin" after Get Ayat
}

class BrokenScreen : public DialogTest {
 protected:
  BrokenScreen() : DialogTest(forms::HeadlessScreen{15360, 11520, 0, 0}) {}
};

TEST_F(BrokenScreen, AFailingShowReachesTheHostAndKeepsTheModeSet) {
  EXPECT_THROW(app.OnGetAyatClicked(), Error);
  EXPECT_EQ(state.InsertMode, 2);
  EXPECT_FALSE(form().Loaded());
  EXPECT_EQ(TakeLines(), (Lines{"Load frmPilih", "Unload frmPilih"}));
  EXPECT_THROW(app.OnAboutClicked(), Error);
  EXPECT_FALSE(app.AboutForm().form().Loaded());
}

}  // namespace
}  // namespace pelvaron::testing
