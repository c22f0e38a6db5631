// frmPilih's load and list handlers: what the lists hold after each selection.

#include <gtest/gtest.h>

#include "module/error.hpp"
#include "tests/forms/dialog_fixture.hpp"

namespace pelvaron::testing {
namespace {

using Lines = std::vector<std::string>;

std::vector<std::string> Entries(forms::ComboBox& combo) {
  std::vector<std::string> entries;
  for (int i = 0; i < combo.ListCount(); ++i) entries.push_back(combo.List(i));
  return entries;
}

std::vector<std::string> Numbers(int from, int to) {
  std::vector<std::string> numbers;
  for (int v = from; v <= to; ++v) numbers.push_back(std::to_string(v));
  return numbers;
}

class VerseDialogLoad : public DialogTest {};

TEST_F(VerseDialogLoad, ListsEverySurahAsThreeDigitsAndTrimmedName) {
  state.SurahTable[2].SurahName = "   Al-Baqarah                 ";  // blanks at both ends
  state.SurahTable[114].SurahName = "An-Nas                        ";
  app.OnGetAllClicked();
  forms::ComboBox& surat = combo("cbSurat");
  ASSERT_EQ(surat.ListCount(), 114);
  EXPECT_EQ(surat.List(0), "001. Surah1");
  EXPECT_EQ(surat.List(1), "002. Al-Baqarah");
  EXPECT_EQ(surat.List(12), "013. Surah 13");
  EXPECT_EQ(surat.List(113), "114. An-Nas");
}

TEST_F(VerseDialogLoad, StartsAtSurahOneVerseOneToOneUnchecked) {
  app.OnGetAllClicked();
  EXPECT_EQ(combo("cbSurat").Text(), "001. Surah1");
  EXPECT_EQ(combo("cbSurat").ListIndex(), 0);
  EXPECT_EQ(combo("cbFrom").Text(), "1");
  EXPECT_EQ(combo("cbTo").Text(), "1");
  EXPECT_EQ(Entries(combo("cbFrom")), Numbers(1, 7));
  EXPECT_EQ(Entries(combo("cbTo")), Numbers(1, 7));
  EXPECT_EQ(form().Check("Check1").Value(), 0);
  EXPECT_TRUE(runtime.Visible(form()));
}

TEST_F(VerseDialogLoad, CentresOnTheScreenAndMakesItselfTopmost) {
  app.OnGetAllClicked();
  // (15360 - 3525) / 2 = 5917.5 twips = 394.5 pixels, which goes to the even 394.
  EXPECT_FLOAT_EQ(form().Left(), 5917.5f);
  EXPECT_FLOAT_EQ(form().Top(), 4695.0f);
  EXPECT_EQ(TakeLines(), (Lines{"Load frmPilih", "SetWindowPos frmPilih -1 394 313 235 142 0"}));
}

TEST_F(VerseDialogLoad, ChoosingAFirstVerseRestartsTheLastVerseListThere) {
  app.OnGetAllClicked();
  combo("cbSurat").SetListIndex(4);
  combo("cbFrom").SetListIndex(2);
  EXPECT_EQ(combo("cbFrom").Text(), "3");
  EXPECT_EQ(combo("cbTo").Text(), "3");
  EXPECT_EQ(combo("cbTo").ListIndex(), 0);
  EXPECT_EQ(Entries(combo("cbTo")), Numbers(3, 120));

  combo("cbSurat").SetListIndex(1);
  EXPECT_EQ(combo("cbFrom").Text(), "1");
  EXPECT_EQ(combo("cbTo").Text(), "1");
  EXPECT_EQ(Entries(combo("cbFrom")), Numbers(1, 286));
  EXPECT_EQ(Entries(combo("cbTo")), Numbers(1, 286));
}

TEST_F(VerseDialogLoad, ChoosingTheLastVerseLeavesOneEntry) {
  app.OnGetAllClicked();
  combo("cbFrom").SetListIndex(6);
  EXPECT_EQ(Entries(combo("cbTo")), Numbers(7, 7));
}

TEST_F(VerseDialogLoad, ASurahWithoutVersesLeavesBothListsEmpty) {
  app.OnGetAllClicked();
  EXPECT_NO_THROW(combo("cbSurat").SetListIndex(12));
  EXPECT_EQ(combo("cbFrom").ListCount(), 0);
  EXPECT_EQ(combo("cbTo").ListCount(), 0);
  EXPECT_EQ(combo("cbFrom").Text(), "");
}

TEST_F(VerseDialogLoad, ChoosingAVerseAfterTypingASurahTakesTheListPositionNotTheText) {
  app.OnGetAllClicked();
  combo("cbSurat").SetListIndex(3);
  combo("cbSurat").SetText("2");  // typed: no entry is selected any more
  EXPECT_EQ(combo("cbSurat").ListIndex(), -1);
  EXPECT_NO_THROW(combo("cbFrom").SetListIndex(4));
  // No surah is selected, so the last-verse list has nothing to offer; its text follows.
  EXPECT_EQ(combo("cbTo").ListCount(), 0);
  EXPECT_EQ(combo("cbTo").Text(), "5");
  EXPECT_EQ(combo("cbFrom").ListCount(), 176);
}

TEST_F(VerseDialogLoad, ShowingItAgainWhileOpenKeepsTheChoices) {
  app.OnGetAllClicked();
  combo("cbSurat").SetListIndex(4);
  form().Check("Check1").SetValue(1);
  TakeLines();
  app.OnGetAyatClicked();
  EXPECT_TRUE(TakeLines().empty());  // no second load, no second placement
  EXPECT_EQ(combo("cbSurat").ListIndex(), 4);
  EXPECT_EQ(form().Check("Check1").Value(), 1);
  EXPECT_EQ(state.InsertMode, 2);
}

TEST_F(VerseDialogLoad, ShowingItAfterClosingStartsAfresh) {
  app.OnGetAllClicked();
  combo("cbSurat").SetListIndex(4);
  form().Check("Check1").SetValue(1);
  form().Unload();
  EXPECT_FALSE(runtime.Visible(form()));
  EXPECT_THROW(combo("cbSurat"), Error);  // its controls went with it
  TakeLines();
  app.OnGetTerjemahClicked();
  EXPECT_EQ(TakeLines().front(), "Load frmPilih");
  EXPECT_EQ(combo("cbSurat").ListIndex(), 0);
  EXPECT_EQ(combo("cbTo").Text(), "1");
  EXPECT_EQ(form().Check("Check1").Value(), 0);
}

}  // namespace
}  // namespace pelvaron::testing
