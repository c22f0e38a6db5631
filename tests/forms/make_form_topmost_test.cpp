// MakeFormTopmost: the insert-after handle and the twips-to-pixels conversion.

#include <gtest/gtest.h>

#include <limits>

#include "forms/headless/headless_runtime.hpp"
#include "forms/make_form_topmost.hpp"
#include "module/error.hpp"
#include "tests/support/expect_error.hpp"

namespace pelvaron::forms {
namespace {

using testing::ExpectError;

struct NoEvents : FormEvents {
  void Form_Load() override {}
  void Click(std::string_view) override {}
};

class MakeFormTopmostTest : public ::testing::Test {
 protected:
  explicit MakeFormTopmostTest(HeadlessScreen screen = {})
      : runtime([this](std::string_view line) { lines.emplace_back(line); }, screen) {}

  // A loaded form with this outer size, at this position.
  Form& FormAt(float left, float top, float width, float height) {
    FormLayout layout;
    layout.name = "frmTest";
    layout.clientWidth = width;
    layout.clientHeight = height;
    form = runtime.CreateForm(layout, events);
    form->Show();
    form->SetLeft(left);
    form->SetTop(top);
    lines.clear();
    return *form;
  }

  std::vector<std::string> lines;
  NoEvents events;
  HeadlessRuntime runtime;
  std::unique_ptr<Form> form;
};

TEST_F(MakeFormTopmostTest, AnyNonZeroFlagMeansTopmostAndZeroTakesItOut) {
  Form& target = FormAt(150, 300, 450, 600);
  MakeFormTopmost(runtime, target, -1);
  MakeFormTopmost(runtime, target, 1);
  MakeFormTopmost(runtime, target, 0);
  EXPECT_EQ(lines, (std::vector<std::string>{"SetWindowPos frmTest -1 10 20 30 40 0",
                                             "SetWindowPos frmTest -1 10 20 30 40 0",
                                             "SetWindowPos frmTest -2 10 20 30 40 0"}));
}

TEST_F(MakeFormTopmostTest, HalfPixelsGoToTheEvenNeighbour) {
  // 22.5 / 15 = 1.5 -> 2; 37.5 / 15 = 2.5 -> 2; -7.5 / 15 = -0.5 -> 0; 52.6 / 15 = 3.5067 -> 4.
  Form& target = FormAt(22.5f, -7.5f, 37.5f, 52.6f);
  MakeFormTopmost(runtime, target, -1);
  EXPECT_EQ(lines, std::vector<std::string>{"SetWindowPos frmTest -1 2 0 2 4 0"});
}

TEST_F(MakeFormTopmostTest, AnOffScreenFormKeepsItsNegativePosition) {
  Form& target = FormAt(-715, -490, 2430, 1980);
  MakeFormTopmost(runtime, target, -1);
  EXPECT_EQ(lines, std::vector<std::string>{"SetWindowPos frmTest -1 -48 -33 162 132 0"});
}

TEST_F(MakeFormTopmostTest, AQuotientOutsideThe32BitRangeFailsBeforeTheCall) {
  Form& target = FormAt(1e30f, 0, 100, 100);
  EXPECT_THROW(MakeFormTopmost(runtime, target, -1), Error);
  EXPECT_TRUE(lines.empty());
}

TEST_F(MakeFormTopmostTest, AnUnloadedFormFails) {
  Form& target = FormAt(0, 0, 100, 100);
  target.Unload();
  lines.clear();
  EXPECT_THROW(MakeFormTopmost(runtime, target, -1), Error);
  EXPECT_TRUE(lines.empty());
}

class EachAxisItsOwnScale : public MakeFormTopmostTest {
 protected:
  EachAxisItsOwnScale() : MakeFormTopmostTest(HeadlessScreen{15360, 11520, 15, 12}) {}
};

TEST_F(EachAxisItsOwnScale, VerticalValuesUseTheVerticalScale) {
  Form& target = FormAt(150, 120, 300, 240);
  MakeFormTopmost(runtime, target, -1);
  EXPECT_EQ(lines, std::vector<std::string>{"SetWindowPos frmTest -1 10 10 20 20 0"});
}

class ZeroScale : public MakeFormTopmostTest {
 protected:
  ZeroScale() : MakeFormTopmostTest(HeadlessScreen{15360, 11520, 0, 15}) {}
};

TEST_F(ZeroScale, AnInvalidQuotientFailsBeforeTheCall) {
  Form& origin = FormAt(0, 0, 100, 100);  // 0 / 0: not a number
  ExpectError(ErrorKind::Overflow, "frmTest", [&] { MakeFormTopmost(runtime, origin, -1); });
  Form& moved = FormAt(15, 0, 100, 100);  // 15 / 0: infinite
  EXPECT_THROW(MakeFormTopmost(runtime, moved, -1), Error);
  EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace pelvaron::forms
