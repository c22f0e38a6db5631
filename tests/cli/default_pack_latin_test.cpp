// The Latin reading on the default data pack, through the program as a user runs it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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

// `pelvaron latin` reads a verse as the pack's latin.txt does: a joined root letter (113:3
// waqab, 2:255 wasi‘a, 94:2 waḍa‘nā after a wa), the conjunctions apart, the pauses at the stop
// signs, and All… at a verse's start (67:2).
TEST(DefaultPackLatin, TheLatinCommandReadsAVerseAsThePacksLatinDoes) {
  std::ifstream in(std::filesystem::path(PELVARON_PACK_DIR) / "DataQuran" / "latin.txt", std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('\r')));
  ASSERT_EQ(lines.size(), 6236u);
  const struct {
    std::size_t line;  // global verse number
    std::vector<std::string> arabic;
  } verses[] = {
      {6228, {"وَمِن", "شَرِّ", "غَاسِقٍ", "إِذَا", "وَقَبَ"}},
      {262,
       {"ٱللَّهُ لَآ إِلَٰهَ إِلَّا هُوَ ٱلۡحَيُّ ٱلۡقَيُّومُۚ لَا تَأۡخُذُهُۥ سِنَةࣱ وَلَا نَوۡمࣱۚ لَّهُۥ مَا فِي ٱلسَّمَٰوَٰتِ وَمَا فِي ٱلۡأَرۡضِۗ مَن ذَا ٱلَّذِي يَشۡفَعُ "
        "عِندَهُۥٓ إِلَّا بِإِذۡنِهِۦۚ يَعۡلَمُ مَا بَيۡنَ أَيۡدِيهِمۡ وَمَا خَلۡفَهُمۡۖ وَلَا يُحِيطُونَ بِشَيۡءࣲ مِّنۡ عِلۡمِهِۦٓ إِلَّا بِمَا شَآءَۚ وَسِعَ كُرۡسِيُّهُ ٱلسَّمَٰوَٰتِ "
        "وَٱلۡأَرۡضَۖ وَلَا يَـُٔودُهُۥ حِفۡظُهُمَاۚ وَهُوَ ٱلۡعَلِيُّ ٱلۡعَظِيمُ"}},
      {6092, {"وَوَضَعۡنَا عَنكَ وِزۡرَكَ"}},
      {5243, {"ٱلَّذِي خَلَقَ ٱلۡمَوۡتَ وَٱلۡحَيَوٰةَ لِيَبۡلُوَكُمۡ أَيُّكُمۡ أَحۡسَنُ عَمَلࣰاۚ وَهُوَ ٱلۡعَزِيزُ ٱلۡغَفُورُ"}},
  };
  for (const auto& verse : verses) {
    std::vector<std::string> args{"latin", "--app-path", PELVARON_PACK_DIR};
    args.insert(args.end(), verse.arabic.begin(), verse.arabic.end());
    const auto r = RunProgram(PELVARON_EXE, args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, lines[verse.line - 1] + "\n") << "global verse " << verse.line;
  }
  EXPECT_EQ(lines[6227], "Wa min syarri gāsiqin iżā waqab(a).");
  EXPECT_EQ(lines[6091], "Wa waḍa‘nā ‘anka wizrak(a).");
}

}  // namespace
}  // namespace pelvaron
