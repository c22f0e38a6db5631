// The parts ticked, as the insertion request takes them: every combination, none refused.

#include "forms/insert_parts.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/error.hpp"

namespace pelvaron::testing {
namespace {

using forms::InsertModeOf;
using forms::InsertParts;

TEST(InsertPartsTest, EveryCombinationOfPartsGivesTheModeAndTheLatinFlag) {
  struct Case {
    InsertParts parts;
    InsertWhat what;
    bool latin;
  };
  for (const Case& c : std::vector<Case>{{{true, false, true}, InsertWhat::All, false},
                                         {{true, true, true}, InsertWhat::All, true},
                                         {{true, false, false}, InsertWhat::Arabic, false},
                                         {{true, true, false}, InsertWhat::Arabic, true},
                                         {{false, false, true}, InsertWhat::Translation, false},
                                         {{false, true, true}, InsertWhat::Translation, true},
                                         {{false, true, false}, InsertWhat::Latin, false}}) {
    const auto mode = InsertModeOf(c.parts);
    const std::string name =
        std::to_string(c.parts.arabic) + std::to_string(c.parts.latin) + std::to_string(c.parts.translation);
    EXPECT_EQ(mode.what, c.what) << name;
    EXPECT_EQ(mode.latin, c.latin) << name;
  }
}

TEST(InsertPartsTest, NoPartIsAnInputErrorSayingSo) {
  try {
    InsertModeOf({});
    FAIL() << "no part was accepted";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::Input);
    EXPECT_STREQ(e.what(), forms::kNoPartChosen);
  }
}

}  // namespace
}  // namespace pelvaron::testing
