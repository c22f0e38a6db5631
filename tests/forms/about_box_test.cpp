// frmabout: its layout's derived texts, its placement and which clicks close it.

#include <gtest/gtest.h>

#include "forms/about_box.hpp"
#include "forms/fit_text.hpp"
#include "tests/forms/dialog_fixture.hpp"

namespace pelvaron::testing {
namespace {

using Lines = std::vector<std::string>;

const forms::ControlLayout& Find(const forms::FormLayout& layout, const std::string& name) {
  for (const auto& control : layout.controls)
    if (control.name == name) return control;
  throw std::runtime_error("no control " + name);
}

TEST(AboutBoxLayout, TheWordMarkIsTheShortNameFollowedByProduct) {
  const forms::AboutIdentity identity{"Someone Else", "Abc", "one@example.org", "two@example.org", "abc99"};
  const auto layout = forms::AboutBoxLayout(identity);
  // Read left to right: Label5, Label8, Label7, Label6.
  EXPECT_EQ(Find(layout, "Label5").caption + Find(layout, "Label8").caption + Find(layout, "Label7").caption +
                Find(layout, "Label6").caption,
            "Abcproduct");
  EXPECT_EQ(Find(layout, "Label8").caption, "c");
  EXPECT_EQ(Find(layout, "Label2").caption, "Created by  Someone Else");
  EXPECT_EQ(Find(layout, "Label9").caption, "one@example.org");
  EXPECT_EQ(Find(layout, "Label3").caption, "two@example.org");
  EXPECT_EQ(Find(layout, "Label4").caption, "ym id : abc99");
}

TEST(AboutBoxLayout, LabelsAreTransparentBoldAndOnlyTheMailLabelsPoint) {
  const auto layout = forms::AboutBoxLayout();
  EXPECT_EQ(layout.caption, std::string(15, ' ') + "About");
  int labels = 0;
  for (const auto& control : layout.controls) {
    if (control.kind != forms::ControlKind::Label) continue;
    SCOPED_TRACE(control.name);
    ++labels;
    EXPECT_TRUE(control.transparent);
    EXPECT_TRUE(control.shrinkToFit);
    ASSERT_TRUE(control.font.has_value());
    EXPECT_TRUE(control.font->bold);
    const bool mail = control.name == "Label9" || control.name == "Label3";
    EXPECT_EQ(control.pointer == forms::Pointer::Hand, mail);
    EXPECT_EQ(control.font->underline, mail);
  }
  EXPECT_EQ(labels, 9);
  EXPECT_EQ(Find(layout, "Label5").caption + Find(layout, "Label8").caption, "Pelvaron");
}

TEST(FittedPoints, ShrinksInQuarterPointsUntilTheTextFitsButNotBelowTheSmallest) {
  struct Case {
    float points, box, widthPerPoint, fitted;
  };
  for (const Case& c : {Case{8.25f, 100, 10, 8.25f}, Case{8.25f, 80, 10, 8.0f}, Case{8.25f, 79, 10, 7.75f},
                        Case{8.25f, 60, 10, 6.0f}, Case{8.25f, 10, 10, forms::kSmallestFittedPoints},
                        Case{4.0f, 10, 10, 4.0f}}) {
    const float fitted = forms::FittedPoints(c.points, c.box, [&](float p) { return p * c.widthPerPoint; });
    EXPECT_FLOAT_EQ(fitted, c.fitted) << c.points << " pt in " << c.box;
  }
}

class AboutBoxTest : public DialogTest {
 protected:
  forms::Form& about() { return app.AboutForm().form(); }
};

TEST_F(AboutBoxTest, ShowsCentredAndTopmost) {
  app.OnAboutClicked();
  EXPECT_TRUE(runtime.Visible(about()));
  EXPECT_FLOAT_EQ(about().Left(), 6465.0f);
  EXPECT_FLOAT_EQ(about().Top(), 4770.0f);
  EXPECT_EQ(TakeLines(), (Lines{"Load frmabout", "SetWindowPos frmabout -1 431 318 162 132 0"}));
}

TEST_F(AboutBoxTest, AboutTwiceUsesTheOneInstanceAndLeavesTheModeAlone) {
  app.OnGetAyatClicked();
  app.OnAboutClicked();
  forms::Form* first = &about();
  app.OnAboutClicked();
  EXPECT_EQ(first, &about());
  EXPECT_EQ(TakeLines(), (Lines{"Load frmPilih", "SetWindowPos frmPilih -1 394 313 235 142 0",
                                "Load frmabout", "SetWindowPos frmabout -1 431 318 162 132 0"}));
  EXPECT_EQ(state.InsertMode, 2);
}

TEST_F(AboutBoxTest, Label4LeavesItOpenAndEveryOtherClickClosesIt) {
  app.OnAboutClicked();
  runtime.UserClick(about(), "Label4");
  EXPECT_TRUE(about().Loaded());
  for (const char* target :
       {"", "Label1", "Label2", "Label3", "Label5", "Label6", "Label7", "Label8", "Label9", "Shape1"}) {
    SCOPED_TRACE(target);
    app.OnAboutClicked();
    ASSERT_TRUE(about().Loaded());
    TakeLines();
    runtime.UserClick(about(), target);
    EXPECT_FALSE(about().Loaded());
    EXPECT_EQ(TakeLines(), Lines{"Unload frmabout"});
  }
  app.OnAboutClicked();  // loaded afresh
  EXPECT_EQ(TakeLines(), (Lines{"Load frmabout", "SetWindowPos frmabout -1 431 318 162 132 0"}));
}

class SmallScreen : public DialogTest {
 protected:
  SmallScreen() : DialogTest(forms::HeadlessScreen{1000, 1000, 15, 15}) {}
};

TEST_F(SmallScreen, TheAboutBoxComesOutAtANegativePosition) {
  app.OnAboutClicked();
  EXPECT_FLOAT_EQ(app.AboutForm().form().Left(), -715.0f);
  EXPECT_FLOAT_EQ(app.AboutForm().form().Top(), -490.0f);
  EXPECT_EQ(TakeLines(), (Lines{"Load frmabout", "SetWindowPos frmabout -1 -48 -33 162 132 0"}));
}

}  // namespace
}  // namespace pelvaron::testing
