// The Latin reading on the default data pack, through the program as a user runs it.

#include <gtest/gtest.h>

#include "tests/support/run_program.hpp"

namespace pelvaron {
namespace {

using testing::RunProgram;

TEST(DefaultPackLatin, InsertTypesThePacksLatinNumberedLikeTheTranslation) {
  const auto r = RunProgram(PELVARON_EXE, {"insert", "--app-path", PELVARON_PACK_DIR, "--surah", "112",
                                           "--first", "1", "--last", "2", "--mode", "latin"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1. Qul huwallāhu aḥad(un).\n2. Allāhuṣ-ṣamad(u).\n\n");  // and the paragraph after
}

TEST(DefaultPackLatin, TheLatinCommandReadsTextCopiedInTheHafsFontsEncoding) {
  // 94:6 as quran-json has it, the open fathatan at U+0657.
  const auto r =
      RunProgram(PELVARON_EXE, {"latin", "\u0625\u0650\u0646\u0651\u064e", "\u0645\u064e\u0639\u064e",
                                "\u0671\u0644\u06e1\u0639\u064f\u0633\u06e1\u0631\u0650",
                                "\u064a\u064f\u0633\u06e1\u0631\u0657\u0627"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Inna ma‘al-‘usri yusrā(n).\n");
}

}  // namespace
}  // namespace pelvaron
