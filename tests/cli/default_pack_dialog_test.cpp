// The dialog and the insert command on the default data pack: opening the dialog and
// pressing OK inserts exactly what `pelvaron insert` does for surah 1, verse 1 to 1.

#include <gtest/gtest.h>

#include "tests/support/run_program.hpp"

namespace pelvaron {
namespace {

using testing::RunProgram;

TEST(DefaultPackDialog, ShowThenOkIsSurahOneVerseOne) {
  const auto insert = RunProgram(PELVARON_EXE, {"insert", "--app-path", PELVARON_PACK_DIR, "--surah", "1",
                                                "--first", "1", "--last", "1", "--format", "trace"});
  ASSERT_EQ(insert.status, 0) << insert.err;
  const auto dialog =
      RunProgram(PELVARON_EXE, {"dialog", "--app-path", PELVARON_PACK_DIR, "--mode", "all"}, "show\nok\n");
  ASSERT_EQ(dialog.status, 0) << dialog.err;
  EXPECT_EQ(dialog.out,
            "Load frmPilih\nSetWindowPos frmPilih -1 394 313 235 142 0\n" + insert.out + "Unload frmPilih\n");
  EXPECT_NE(insert.out.find("TypeText \"1.  Dengan nama Allah"), std::string::npos) << insert.out;
}

}  // namespace
}  // namespace pelvaron
