// `pelvaron find` end to end on the default pack: output formats, exit status and messages.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/support/run_program.hpp"

namespace pelvaron {
namespace {

using testing::RunProgram;

class DefaultPack : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::filesystem::exists(std::filesystem::path(app) / "DataQuran" / "surahnames.txt")) return;
    if (std::getenv("PELVARON_REQUIRE_PACK")) FAIL() << "no default pack in " << app;
    GTEST_SKIP() << "no default pack in " << app;
  }
  const char* env = std::getenv("PELVARON_PACK_APP_PATH");
  const std::string app = env && *env ? env : PELVARON_DEFAULT_APP_PATH;
};

TEST_F(DefaultPack, FindFormatsExitStatusAndMessages) {
  const auto find = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"find", "--app-path", app});
    return RunProgram(PELVARON_EXE, args);
  };
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string outStart;
    std::string errHas;
  };
  for (const Case& c : std::vector<Case>{{{"tidak", "mengantuk", "dan", "tidak", "tidur"},
                                          0,
                                          "2:255\t\u2026mengurus (makhluk-Nya), tidak mengantuk",
                                          ""},
                                         {{"2:255-257"}, 0, "2:255-257\t", ""},
                                         {{"--limit", "2", "Yasin"}, 0, "36:1\tYa Sin\n36:2\t", ""},
                                         {{"--limit", "2", "juz", "30"}, 0, "78:1-114:6\t", ""},
                                         {{"zzzzqx"}, 1, "", "tidak ditemukan"},
                                         {{"juz", "31"}, 1, "", "juz 31 does not exist"},
                                         {{"2:300"}, 1, "", "verses 1\u2013286"},
                                         {{"?!"}, 1, "", "no letters or digits"},
                                         {{""}, 1, "", "empty"},
                                         {{}, 2, "", "query"},
                                         {{"--limit", "0", "x"}, 2, "", "limit"},
                                         {{"--format", "xml", "x"}, 2, "", "format"}}) {
    const auto r = find(c.args);
    const std::string what = c.args.empty() ? "(no query)" : c.args.back();
    EXPECT_EQ(r.status, c.status) << what << ": " << r.err;
    EXPECT_EQ(r.out.substr(0, c.outStart.size()), c.outStart) << what;
    EXPECT_NE(r.err.find(c.errHas), std::string::npos) << what << ": " << r.err;
    if (c.status == 0) {
      EXPECT_EQ(r.err, "") << what;
    }
  }
  const auto limited = find({"--limit", "2", "Yasin"});
  EXPECT_EQ(std::count(limited.out.begin(), limited.out.end(), '\n'), 2);

  const auto json = find({"--format", "json", "tiga", "qul"});
  ASSERT_EQ(json.status, 0) << json.err;
  const auto results = nlohmann::json::parse(json.out);
  ASSERT_EQ(results.size(), 3u);
  EXPECT_EQ(results[0]["surah"], 112);
  EXPECT_EQ(results[0]["verse"], 1);
  EXPECT_EQ(results[0]["last_verse"], 4);
  EXPECT_TRUE(results[0]["score"].is_number());
  EXPECT_EQ(results[2]["snippet"].get<std::string>().rfind("Katakanlah", 0), 0u);
  EXPECT_FALSE(results[0].contains("last_surah"));
  const auto page = nlohmann::json::parse(find({"--format", "json", "--limit", "1", "hlm", "604"}).out).at(0);
  EXPECT_EQ(page["last_surah"], 114);
  EXPECT_EQ(page["last_verse"], 6);
}

// The search form driven by `pelvaron dialog`: query, pick, cite, insert types exactly what
// `pelvaron insert` does for the same range and citation.
TEST_F(DefaultPack, SearchFormInsertsWhatInsertDoes) {
  for (const char* cite : {"qs", "arabic"}) {
    const auto insert =
        RunProgram(PELVARON_EXE, {"insert", "--app-path", app, "--surah", "2", "--first", "285", "--last",
                                  "286", "--mode", "all", "--cite", cite, "--format", "trace"});
    ASSERT_EQ(insert.status, 0) << insert.err;
    const auto dialog =
        RunProgram(PELVARON_EXE, {"dialog", "--app-path", app},
                   std::string("search show\nsearch query akhir al-baqarah\nsearch pick 0\nsearch cite ") +
                       cite + "\nsearch insert\n");
    ASSERT_EQ(dialog.status, 0) << dialog.err;
    const std::string opened = "Load frmCari\nSetWindowPos frmCari -1 272 240 480 288 0\n";
    EXPECT_EQ(dialog.out, opened + insert.out + "Unload frmCari\n");
  }
  const auto state = RunProgram(PELVARON_EXE, {"dialog", "--app-path", app},
                                "search show\nsearch query tiga qul\nsearch state\n");
  EXPECT_NE(state.out.find("results=3\nResult 0 \"112:1-4  Katakanlah"), std::string::npos) << state.out;
  for (const char* bad :
       {"search query x\n", "search show\nsearch pick 0\n", "search show\nsearch cite apa\n"}) {
    const auto refused = RunProgram(PELVARON_EXE, {"dialog", "--app-path", app}, bad);
    EXPECT_EQ(refused.status, 2) << bad;
  }
}

// The search form and `find` share one engine: a half-remembered query of each kind lists the
// same verses in the same order in both.
TEST_F(DefaultPack, SearchFormListsWhatFindDoes) {
  for (const char* query :
       {"jadikanlah sabar dan sholat sebagai penolongmu", "tidak mengantk dan tidak tidur",
        "(QS. Luqman: 14)", "doa nabi yunus",
        "\u0648\u0644\u0627 \u062A\u0642\u0631\u0628\u0648\u0627 \u0627\u0644\u0632\u0646\u0627",
        "qul huwallahu ahad"}) {
    const auto found = RunProgram(PELVARON_EXE, {"find", "--app-path", app, "--limit", "50", query});
    const auto form = RunProgram(PELVARON_EXE, {"dialog", "--app-path", app},
                                 std::string("search show\nsearch query ") + query + "\nsearch state\n");
    ASSERT_EQ(form.status, 0) << form.err;
    std::string fromFind, fromForm;
    for (std::size_t at = 0; at < found.out.size(); at = found.out.find('\n', at) + 1)
      fromFind += found.out.substr(at, found.out.find('\t', at) - at) + " ";
    for (std::size_t at = form.out.find("Result "); at != std::string::npos;
         at = form.out.find("\nResult ", at + 1)) {
      const std::size_t label = form.out.find('"', at) + 1;
      fromForm += form.out.substr(label, form.out.find("  ", label) - label) + " ";
    }
    EXPECT_FALSE(fromFind.empty()) << query;
    EXPECT_EQ(fromForm, fromFind) << query;
  }
}

}  // namespace
}  // namespace pelvaron
