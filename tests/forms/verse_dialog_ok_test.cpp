// frmPilih's OK: what it reads from the boxes, what it refuses, what it inserts.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/forms/dialog_fixture.hpp"

namespace pelvaron::testing {
namespace {

using Lines = std::vector<std::string>;
const Lines kRefused{"Unload frmPilih", "MsgBox \"Ayat tidak ada!!!\" 64"};
const Lines kClosed{"Unload frmPilih"};

class VerseDialogOk : public DialogTest {
 protected:
  // Opens the dialog in `mode` and forgets the load's lines.
  void Open(int mode = 1) {
    if (mode == 1) app.OnGetAllClicked();
    if (mode == 2) app.OnGetAyatClicked();
    if (mode == 3) app.OnGetTerjemahClicked();
    TakeLines();
  }
  void Type(const char* box, const char* text) { combo(box).SetText(text); }
  void ExpectRefused() {
    EXPECT_EQ(TakeLines(), kRefused);
    EXPECT_EQ(TakeDocument(), "");
    EXPECT_FALSE(form().Loaded());
  }
  void ExpectInserted(const std::string& expected) {
    EXPECT_EQ(TakeLines(), kClosed);
    EXPECT_EQ(TakeDocument(), expected);
  }
};

TEST_F(VerseDialogOk, PressedAtOnceInsertsSurahOneVerseOne) {
  Open(1);
  PressOk();
  ExpectInserted(ExpectedArabic(1, 1, 1) + ExpectedTranslation(1, 1, 1));
}

TEST_F(VerseDialogOk, ModeChoosesTheInsertions) {
  Open(2);
  combo("cbSurat").SetListIndex(1);
  combo("cbFrom").SetListIndex(1);
  PressOk();
  ExpectInserted(ExpectedArabic(2, 2, 2));

  Open(3);
  combo("cbSurat").SetListIndex(1);
  combo("cbFrom").SetListIndex(1);
  PressOk();
  ExpectInserted(ExpectedTranslation(2, 2, 2));  // verse 2 of surah 2 carries note 1
}

TEST_F(VerseDialogOk, AModeNoButtonSetInsertsNothingButCloses) {
  app.VerseForm().form().Show();  // shown without a menu button: InsertMode is still 0
  TakeLines();
  PressOk();
  ExpectInserted("");
}

TEST_F(VerseDialogOk, GantiBarisEndsEveryArabicVerseWithAParagraph) {
  Open(2);
  combo("cbTo").SetListIndex(2);
  form().Check("Check1").SetValue(1);
  PressOk();
  const std::string expected = ExpectedArabic(1, 1, 3, false);
  ASSERT_NE(expected, ExpectedArabic(1, 1, 3, true));
  ExpectInserted(expected);
}

TEST_F(VerseDialogOk, AnEmptySurahBoxMeansSurahTwoAndResetsTheVerses) {
  Open(2);
  Type("cbSurat", "");
  Type("cbFrom", "5");
  Type("cbTo", "6");
  PressOk();
  ExpectInserted(ExpectedArabic(2, 1, 1));
}

TEST_F(VerseDialogOk, EmptyOrNonNumericVerseBoxesMeanVerseOne) {
  Open(2);
  combo("cbSurat").SetListIndex(2);
  Type("cbFrom", "");
  Type("cbTo", "abc");
  PressOk();
  ExpectInserted(ExpectedArabic(3, 1, 1));
}

TEST_F(VerseDialogOk, ATypedSurahCountsOnlyItsFirstThreeCharacters) {
  Open(2);
  Type("cbSurat", "12");
  Type("cbFrom", "100");  // beyond surah 1, the surah whose lists the boxes still hold
  Type("cbTo", "111");
  PressOk();
  ExpectInserted(ExpectedArabic(12, 100, 111));

  Open(2);
  Type("cbSurat", "0051");
  PressOk();
  ExpectInserted(ExpectedArabic(5, 1, 1));
}

TEST_F(VerseDialogOk, ATypedSurahRoundsHalvesToEven) {
  Open(2);
  Type("cbSurat", "2.5");
  PressOk();
  ExpectInserted(ExpectedArabic(2, 1, 1));

  Open(2);
  Type("cbSurat", "3.5");
  PressOk();
  ExpectInserted(ExpectedArabic(4, 1, 1));
}

TEST_F(VerseDialogOk, TypedVersesRoundHalvesToEven) {
  Open(2);
  Type("cbFrom", "2.5");
  Type("cbTo", "3.5");
  PressOk();
  ExpectInserted(ExpectedArabic(1, 2, 4));
}

TEST_F(VerseDialogOk, AVerseEqualToTheCountPassesAndOneMoreIsRefused) {
  Open(2);
  Type("cbFrom", "7");
  Type("cbTo", "7");
  PressOk();
  ExpectInserted(ExpectedArabic(1, 7, 7));

  Open(2);
  Type("cbTo", "8");
  PressOk();
  ExpectRefused();

  Open(2);
  Type("cbFrom", "8");
  Type("cbTo", "7");
  PressOk();
  ExpectRefused();

  Open(2);
  Type("cbTo", "7.4");  // checked before rounding: above the count
  PressOk();
  ExpectRefused();
}

TEST_F(VerseDialogOk, AFirstVerseAboveTheLastPassesTheCheck) {
  // No verse is typed, so no reference follows whatever the citation style.
  for (CiteStyle cite : {CiteStyle::None, CiteStyle::Qs, CiteStyle::Short}) {
    app.SetCitation(cite);
    Open(1);
    Type("cbFrom", "5");
    Type("cbTo", "3");
    PressOk();
    ExpectInserted(ExpectedArabic(1, 5, 3) + ExpectedTranslation(1, 5, 3));
  }
}

TEST_F(VerseDialogOk, ASurahOutsideTheTableIsRefused) {
  for (const char* surah : {"115", "999", "-3", "0.4", "0.5"}) {
    SCOPED_TRACE(surah);
    Open(1);
    Type("cbSurat", surah);
    PressOk();
    ExpectRefused();
  }
}

TEST_F(VerseDialogOk, TheLastSurahIsAccepted) {
  state.SurahTable[114].VerseCount = 1;  // the pack leaves it empty; its verse 1 is line 1
  Open(2);
  combo("cbSurat").SetListIndex(113);
  PressOk();
  ExpectInserted(ExpectedArabic(114, 1, 1));
}

TEST_F(VerseDialogOk, AVerseBelowOneIsRefused) {
  for (const char* verse : {"-1", "0.4", "-0.4"}) {
    SCOPED_TRACE(verse);
    Open(2);
    Type("cbFrom", verse);
    PressOk();
    ExpectRefused();

    Open(2);
    Type("cbTo", verse);
    PressOk();
    ExpectRefused();
  }
}

TEST_F(VerseDialogOk, ASurahWithoutVersesIsRefused) {
  Open(1);
  combo("cbSurat").SetListIndex(12);
  PressOk();
  ExpectRefused();
}

TEST_F(VerseDialogOk, ARefusalClosesBeforeTellingAndTheMenuOpensItAgain) {
  Open(1);
  Type("cbTo", "99");
  PressOk();
  ExpectRefused();
  app.OnGetAllClicked();
  EXPECT_EQ(TakeLines().front(), "Load frmPilih");
  EXPECT_EQ(combo("cbTo").Text(), "1");
}

}  // namespace
}  // namespace pelvaron::testing
