// The default pack's divisions.txt against facts anyone can check in a printed mushaf, and
// against quran-meta's own placement of every verse (its functions, not the lists the pack
// was built from). Needs the pack built beside `pelvaron` and, for the second, node and the
// unpacked quran-meta; skips without them unless PELVARON_REQUIRE_PACK is set.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "data/divisions.hpp"
#include "data/surah_index.hpp"

namespace pelvaron::testing {
namespace {

std::filesystem::path FromEnvironment(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value && *value ? value : fallback;
}

class DefaultPackDivisions : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto app = FromEnvironment("PELVARON_PACK_APP_PATH", PELVARON_DEFAULT_APP_PATH);
    if (!std::filesystem::exists(app / "DataQuran" / kDivisionsFile)) {
      if (std::getenv("PELVARON_REQUIRE_PACK")) FAIL() << "no divisions file in " << app / "DataQuran";
      GTEST_SKIP() << "no default pack with " << kDivisionsFile << " in " << app
                   << " (tools/make-default-pack.sh builds it)";
    }
    LoadModuleState(state_, app);
    divisions_ = ReadDivisions(state_);
  }
  VerseSpan Span(DivisionKind kind, int number) const {
    return DivisionSpan(divisions_, kind, number, state_);
  }

  ModuleState state_;
  Divisions divisions_;
};

TEST_F(DefaultPackDivisions, MatchesThePrintedMushaf) {
  EXPECT_EQ(Span(DivisionKind::Juz, 1).last, (VerseRef{2, 141}));
  EXPECT_EQ(Span(DivisionKind::Juz, 2).first, (VerseRef{2, 142}));
  EXPECT_EQ(Span(DivisionKind::Juz, 30).first, (VerseRef{78, 1}));
  EXPECT_EQ(Span(DivisionKind::Juz, 30).last, (VerseRef{114, 6}));
  EXPECT_EQ(Span(DivisionKind::Page, 1).first, (VerseRef{1, 1}));
  EXPECT_EQ(Span(DivisionKind::Page, 1).last, (VerseRef{1, 7}));
  EXPECT_EQ(Span(DivisionKind::Page, 2).first, (VerseRef{2, 1}));
  EXPECT_EQ(Span(DivisionKind::Page, 604).first, (VerseRef{112, 1}));
  EXPECT_EQ(Span(DivisionKind::Page, 604).last, (VerseRef{114, 6}));
  const std::vector<VerseRef> sajdah{{7, 206}, {13, 15}, {16, 50}, {17, 109}, {19, 58},
                                     {22, 18}, {22, 77}, {25, 60}, {27, 26},  {32, 15},
                                     {38, 24}, {41, 38}, {53, 62}, {84, 21},  {96, 19}};
  EXPECT_EQ(divisions_.Of(DivisionKind::Sajdah), sajdah);
  EXPECT_EQ(divisions_.Of(DivisionKind::Quarter).size(), 240u);  // the 60 hizb
  EXPECT_EQ(divisions_.Of(DivisionKind::Manzil)[1], (VerseRef{5, 1}));
}

// quran-meta's placement of every verse, from its own functions (quran_meta_verses.mjs).
std::string QuranMetaVerses() {
  const std::filesystem::path package = FromEnvironment("PELVARON_QURAN_META", PELVARON_QURAN_META_DIR);
  if (std::string(PELVARON_NODE).empty() || !std::filesystem::exists(package / "dist" / "hafs.js")) return {};
  const std::string command = std::string("\"") + PELVARON_NODE + "\" \"" + PELVARON_QURAN_META_SCRIPT +
                              "\" \"" + package.string() + "\"";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string out;
  char block[65536];
  for (std::size_t n; pipe && (n = std::fread(block, 1, sizeof block, pipe.get())) > 0;) out.append(block, n);
  return out;
}

TEST_F(DefaultPackDivisions, PlacesEveryVerseAsQuranMetaDoes) {
  const std::string verses = QuranMetaVerses();
  if (verses.empty()) {
    if (std::getenv("PELVARON_REQUIRE_PACK"))
      FAIL() << "no node or no quran-meta at " << PELVARON_QURAN_META_DIR;
    GTEST_SKIP() << "needs node and the unpacked quran-meta (" << PELVARON_QURAN_META_DIR << ")";
  }
  std::istringstream in(verses);
  int count = 0, mismatches = 0;
  for (VerseRef v; in >> v.surah >> v.verse; ++count) {
    int expected[5], sajdah = 0;
    for (int& e : expected) in >> e;
    in >> sajdah;
    const std::string at = VerseRefText(v);
    for (int k = 0; k < 5; ++k)
      if (DivisionOf(divisions_, static_cast<DivisionKind>(k), v) != expected[k] && ++mismatches <= 10)
        ADD_FAILURE() << at << ": " << kDivisionKinds[static_cast<std::size_t>(k)].name << " "
                      << DivisionOf(divisions_, static_cast<DivisionKind>(k), v) << ", quran-meta "
                      << expected[k];
    const auto& s = divisions_.Of(DivisionKind::Sajdah);
    if ((std::find(s.begin(), s.end(), v) != s.end()) != (sajdah == 1) && ++mismatches <= 10)
      ADD_FAILURE() << at << ": sajdah differs from quran-meta";
  }
  EXPECT_EQ(count, 6236);
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace pelvaron::testing
