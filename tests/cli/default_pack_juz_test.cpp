// Juz, page and cross-surah requests on the command line against the default pack: the
// headings and basmala lines around what a one-surah request types, the refusals and the
// usage errors. Skips without the pack (with divisions.txt) unless PELVARON_REQUIRE_PACK is set.

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/fixtures.hpp"
#include "tests/support/run_program.hpp"
#include "tests/support/temp_dir.hpp"

namespace pelvaron {
namespace {

using testing::RunProgram;
using testing::Words;

class DefaultPackJuz : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::filesystem::exists(std::filesystem::path(app) / "DataQuran" / "divisions.txt")) return;
    if (std::getenv("PELVARON_REQUIRE_PACK")) FAIL() << "no default pack with divisions.txt in " << app;
    GTEST_SKIP() << "no default pack with divisions.txt in " << app;
  }
  testing::ProgramResult Insert(const std::string& args, const std::string& appPath = "") {
    std::vector<std::string> all{"insert", "--app-path", appPath.empty() ? app : appPath};
    for (std::string& word : Words(args)) all.push_back(std::move(word));
    return RunProgram(PELVARON_EXE, all);
  }
  // What a request types as text; it must succeed.
  std::string Text(const std::string& args) {
    const auto r = Insert(args + " --format text");
    EXPECT_EQ(r.status, 0) << args << ": " << r.err;
    return r.out;
  }
  const char* env = std::getenv("PELVARON_PACK_APP_PATH");
  const std::string app = env && *env ? env : PELVARON_DEFAULT_APP_PATH;
};

// A request's text without the line of the empty paragraph it leaves open, where the next
// surah's heading goes.
std::string Closed(const std::string& text) { return text.substr(0, text.size() - 1); }

std::vector<std::string> TypedTexts(const std::string& trace) {
  std::vector<std::string> texts;
  for (const std::string& line : testing::SplitLines(trace))
    if (line.starts_with("TypeText ")) texts.push_back(line.substr(9));
  return texts;
}

TEST_F(DefaultPackJuz, Juz30OpensWithAnNabasHeadingAndEndsWithAnNas6) {
  const auto r = Insert("--juz 30 --format trace");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> texts = TypedTexts(r.out);
  ASSERT_GT(texts.size(), 3u);
  EXPECT_EQ(texts[0], "\"Surat An-Naba\"");
  EXPECT_EQ(texts[1], "\"\u0633\u0648\u0631\u0629 \u0627\u0644\u0646\u0628\u0625\"");
  EXPECT_EQ(texts[2],
            "\"\u0628\u0650\u0633\u06e1\u0645\u0650 \u0671\u0644\u0644\u0651\u064e\u0647\u0650 "
            "\u0671\u0644\u0631\u0651\u064e\u062d\u06e1\u0645\u064e\u0670\u0646\u0650 "
            "\u0671\u0644\u0631\u0651\u064e\u062d\u0650\u064a\u0645\u0650\"");
  EXPECT_TRUE(texts.back().starts_with("\"6.  Dari (golongan) jin dan manusia")) << texts.back();
  int headings = 0;
  for (const std::string& text : texts) headings += text.starts_with("\"Surat ");
  EXPECT_EQ(headings, 114 - 78 + 1);
}

TEST_F(DefaultPackJuz, HeadingsAroundWhatOneSurahRequestsType) {
  const std::string fatihah =
      "Surat Al-Fatihah\n\u0633\u0648\u0631\u0629 \u0627\u0644\u0641\u0627\u062a\u062d\u0629\n";
  EXPECT_EQ(Text("--page 1"), fatihah + Text("--surah 1 --first 1 --last 7"));
  // At-Taubah: heading, no basmala line.
  const std::string taubah =
      "Surat At-Tawbah\n\u0633\u0648\u0631\u0629 \u0627\u0644\u062a\u0648\u0628\u0629\n";
  EXPECT_EQ(Text("--from 8:75 --to 9:2 --mode arabic"),
            Closed(Text("--surah 8 --first 75 --last 75 --mode arabic")) + taubah +
                Text("--surah 9 --first 1 --last 2 --mode arabic"));
  // Yunus: heading and the basmala, 1:1 without its verse end.
  const std::string basmala = Text("--surah 1 --first 1 --last 1 --mode arabic");
  const std::string yunus = Text("--from 9:129 --to 10:1 --mode arabic --per-verse --cite short");
  EXPECT_NE(yunus.find("\u0633\u0648\u0631\u0629 \u064a\u0648\u0646\u0633\n" +
                       basmala.substr(0, basmala.find(" \u200e")) + "\n"),
            std::string::npos)
      << yunus;
  EXPECT_TRUE(yunus.ends_with("(QS 9:129\u201310:1)\n\n")) << yunus;
  // A page within one surah cites it as one surah.
  EXPECT_TRUE(Text("--page 2 --mode translation --cite qs").ends_with("(QS. Al-Baqarah [2]: 1\u20135)\n\n"));
}

TEST_F(DefaultPackJuz, APackWithoutTheDivisionsRefusesJuzAndPageBeforeTyping) {
  testing::TempDir temp;
  std::filesystem::copy(std::filesystem::path(app) / "DataQuran", temp.path() / "DataQuran");
  std::filesystem::remove(temp.path() / "DataQuran" / "divisions.txt");
  for (const char* args : {"--juz 30 --format trace", "--page 2 --format trace"}) {
    const auto r = Insert(args, temp.path().string());
    EXPECT_EQ(r.status, 1) << args;
    EXPECT_EQ(r.out, "") << args;
    EXPECT_NE(r.err.find("divisions.txt"), std::string::npos) << r.err;
  }
  EXPECT_EQ(Insert("--from 78:1 --to 79:1 --format trace", temp.path().string()).status, 0);
}

TEST_F(DefaultPackJuz, BadNumbersAndMixedWaysAreUsageErrors) {
  for (const char* args :
       {"--juz 0", "--juz 31", "--juz x", "--page 0", "--page 605", "--from 78:1", "--from 0:1 --to 1:1",
        "--from 115:1 --to 115:2", "--from 1:1 --to 1", "--from 1:0 --to 1:1", "--from 2:1 --to 1:7",
        "--juz 1 --page 1", "--juz 1 --surah 1 --first 1 --last 1", "--surah 1 --first 1", ""}) {
    const auto r = Insert(std::string(args) + " --format trace");
    EXPECT_EQ(r.status, 2) << args << ": " << r.err;
    EXPECT_EQ(r.out, "") << args;
  }
}

}  // namespace
}  // namespace pelvaron
