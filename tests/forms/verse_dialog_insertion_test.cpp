// frmPilih's OK while the insertion runs: failures, and what the user does during the
// Arabic insertion's yields.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "tests/forms/dialog_fixture.hpp"

namespace pelvaron::testing {
namespace {

using Lines = std::vector<std::string>;

// The document trace, with the user's doing run at each yield to the host.
class YieldingSink : public TraceSink {
 public:
  using TraceSink::TraceSink;
  void Yield() override {
    TraceSink::Yield();
    ++yields;
    if (onYield) onYield();
  }
  std::function<void()> onYield;
  int yields = 0;
};

class VerseDialogInsertion : public DialogTest {
 protected:
  VerseDialogInsertion() {
    state.Document = yielding;
    app.OnGetAllClicked();
    TakeLines();
  }
  // Remembers the lines written by the user's actions at the first yield only.
  void AtFirstYield(std::function<void()> action) {
    yielding->onYield = [this, action] {
      if (yielding->yields == 1) action();
    };
  }
  std::shared_ptr<YieldingSink> yielding = std::make_shared<YieldingSink>(document);
};

TEST_F(VerseDialogInsertion, AMissingDataFileIsShownAndTheDialogStaysOpen) {
  std::filesystem::remove(temp.path() / "DataQuran" / "AQO2.TXT");
  EXPECT_NO_THROW(PressOk());
  const Lines shown = TakeLines();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].rfind("MsgBox \"", 0), 0u) << shown[0];
  EXPECT_NE(shown[0].find("AQO2.TXT"), std::string::npos) << shown[0];
  EXPECT_EQ(shown[0].substr(shown[0].size() - 3), " 16");
  EXPECT_TRUE(form().Loaded());
  EXPECT_EQ(combo("cbSurat").Text(), "001. Surah1");
}

TEST_F(VerseDialogInsertion, AFailingTranslationKeepsTheArabicTyped) {
  std::filesystem::remove(temp.path() / "DataQuran" / "Ayat Per Kata.idx");
  PressOk();
  const Lines shown = TakeLines();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("Ayat Per Kata"), std::string::npos) << shown[0];
  EXPECT_EQ(TakeDocument().rfind(ExpectedArabic(1, 1, 1), 0), 0u);
  EXPECT_TRUE(form().Loaded());
}

TEST_F(VerseDialogInsertion, AfterAFailureTheNextOkWorks) {
  const auto file = temp.path() / "DataQuran" / "AQO2.TXT";
  const auto kept = temp.path() / "AQO2.TXT";
  std::filesystem::rename(file, kept);
  PressOk();
  TakeLines();
  TakeDocument();
  std::filesystem::rename(kept, file);
  PressOk();
  EXPECT_EQ(TakeLines(), Lines{"Unload frmPilih"});
  EXPECT_EQ(TakeDocument(), ExpectedArabic(1, 1, 1) + ExpectedTranslation(1, 1, 1));
}

TEST_F(VerseDialogInsertion, NoDocumentIsShownAsAFailure) {
  state.Document.reset();
  EXPECT_NO_THROW(PressOk());
  const Lines shown = TakeLines();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].substr(shown[0].size() - 3), " 16");
  EXPECT_TRUE(form().Loaded());
}

TEST_F(VerseDialogInsertion, ASecondOkDuringTheInsertionIsIgnored) {
  combo("cbTo").SetListIndex(2);
  AtFirstYield([this] { PressOk(); });
  PressOk();
  EXPECT_EQ(yielding->yields, 3);
  EXPECT_EQ(TakeLines(), Lines{"Unload frmPilih"});
  EXPECT_EQ(TakeDocument(), ExpectedArabic(1, 1, 3) + ExpectedTranslation(1, 1, 3));
}

TEST_F(VerseDialogInsertion, TheTranslationTakesTheBoxesAsTheyAreAfterTheArabic) {
  AtFirstYield([this] {
    combo("cbSurat").SetListIndex(2);
    combo("cbFrom").SetListIndex(3);
  });
  PressOk();
  EXPECT_EQ(TakeDocument(), ExpectedArabic(1, 1, 1) + ExpectedTranslation(3, 4, 4));
}

TEST_F(VerseDialogInsertion, BoxesMadeInvalidDuringTheArabicAreRefusedBeforeTheTranslation) {
  AtFirstYield([this] { combo("cbTo").SetText("8"); });
  PressOk();
  EXPECT_EQ(TakeLines(), (Lines{"Unload frmPilih", "MsgBox \"Ayat tidak ada!!!\" 64"}));
  EXPECT_EQ(TakeDocument(), ExpectedArabic(1, 1, 1));
}

TEST_F(VerseDialogInsertion, ClosingTheDialogDuringTheArabicSkipsTheTranslation) {
  combo("cbTo").SetListIndex(1);
  AtFirstYield([this] { form().Unload(); });
  PressOk();
  EXPECT_EQ(TakeLines(), Lines{"Unload frmPilih"});
  EXPECT_EQ(TakeDocument(), ExpectedArabic(1, 1, 2));
}

TEST_F(VerseDialogInsertion, ASwitchedModeDuringTheArabicDoesNotChangeTheRunningInsertion) {
  AtFirstYield([this] { app.OnGetAyatClicked(); });
  PressOk();
  EXPECT_EQ(TakeDocument(), ExpectedArabic(1, 1, 1) + ExpectedTranslation(1, 1, 1));
  EXPECT_EQ(state.InsertMode, 2);
}

TEST_F(VerseDialogInsertion, OkCentresTheDialogAgain) {
  form().SetLeft(0);
  form().SetTop(30);
  float left = -1, top = -1;
  AtFirstYield([&] {
    left = form().Left();
    top = form().Top();
  });
  PressOk();
  EXPECT_FLOAT_EQ(left, 5917.5f);
  EXPECT_FLOAT_EQ(top, 4695.0f);
}

}  // namespace
}  // namespace pelvaron::testing
