// The search's pieces without a data pack: folding, the word index's matching and ranking,
// references and the well-known names data.

#include <gtest/gtest.h>

#include "module/error.hpp"
#include "search/reference.hpp"
#include "search/text_fold.hpp"
#include "search/well_known.hpp"
#include "search/word_index.hpp"

namespace pelvaron::search {
namespace {

std::vector<std::string> Terms(std::string_view text) {
  std::vector<std::string> terms;
  for (const Token& t : Tokenize(text)) terms.push_back(t.variant.empty() ? t.term : t.term + "|" + t.variant);
  return terms;
}

TEST(SearchText, TokenizeFoldsCaseAccentsJoinersAndArabicMarks) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Terms("Kursi-Nya, MENGANTUK. Mu'min \u00C9t\u00E9 R\u0101hman -- a-"), (V{"kursinya", "mengantuk", "mumin", "ete", "rahman", "a"}));
  // ٱلۡقَيُّومُۚ: alef wasla unified, marks and the annotation sign dropped
  EXPECT_EQ(Terms("\u0671\u0644\u06E1\u0642\u064E\u064A\u0651\u064F\u0648\u0645\u064F\u06DA"), (V{"\u0627\u0644\u0642\u064A\u0648\u0645"}));
  // إِلَٰهَ: without the superscript alef, and with it read as alef
  EXPECT_EQ(Terms("\u0625\u0650\u0644\u064E\u0670\u0647\u064E"), (V{"\u0627\u0644\u0647|\u0627\u0644\u0627\u0647"}));
  // tatweel gone, alef maksura → yeh, teh marbuta → heh; Latin and Arabic side by side are two words
  EXPECT_EQ(Terms("\u0639\u0644\u0640\u0649 \u0635\u0644\u0648\u0629abc"), (V{"\u0639\u0644\u064A", "\u0635\u0644\u0648\u0647", "abc"}));
  EXPECT_EQ(AsciiDigitsAndDashes("\u0662\u0665\u0665\u2013\u06F2\u06F5\u06F7"), "255-257");
}

TEST(SearchText, WordIndexMatchesPrefixesInAnyOrderAndPhrasesInOrder) {
  WordIndex index;
  for (const char* doc : {"langit dan bumi", "bumi dan langit di atas", "langit saja", "Langit-langit dan bumi-Nya"})
    index.Add(Tokenize(doc));
  index.Finish();
  const auto documents = [&](std::string_view query) {
    std::vector<int> found;
    for (const WordHit& hit : index.Search(ParseWordQuery(query))) found.push_back(hit.document);
    std::sort(found.begin(), found.end());
    return found;
  };
  using D = std::vector<int>;
  EXPECT_EQ(documents("LANGIT bumi"), (D{0, 1, 3}));  // prefixes: "bumi-Nya" is "buminya"
  EXPECT_EQ(documents("bum lang"), (D{0, 1, 3}));
  EXPECT_EQ(documents("langitlangit"), (D{3}));
  EXPECT_EQ(documents("\"langit dan bumi\""), (D{0, 3}));
  EXPECT_EQ(documents("\u201Cbumi dan langit\u201D"), (D{1}));
  EXPECT_EQ(documents("langit \"dan bum"), (D{0, 3}));  // an unclosed quote runs to the end
  EXPECT_EQ(documents("bintang"), D{});
  EXPECT_TRUE(ParseWordQuery("\"\" ,.;").empty());
}

TEST(SearchText, RankingPrefersRareWholeWordsStandingTogether) {
  WordIndex index;
  for (const char* doc : {"tidak tidur dan tidak makan", "tidak makan tidak minum tidak tidur", "tidurnya tidak nyenyak",
                          "tidak tidak tidak tidak"})
    index.Add(Tokenize(doc));
  index.Finish();
  const auto hits = index.Search(ParseWordQuery("tidak tidur"));
  ASSERT_EQ(hits.size(), 3u);
  EXPECT_EQ(hits[0].document, 0);  // the words side by side
  EXPECT_EQ(hits[1].document, 1);  // both whole words, apart
  EXPECT_EQ(hits[2].document, 2);  // "tidur" only as a prefix of "tidurnya"
  EXPECT_EQ(hits[1].firstPosition, 4);  // where "tidak tidur" stand together
}

TEST(SearchText, ReferencesWithoutNames) {
  const SurahNameMatcher none;
  const auto parse = [&](std::string_view q) -> std::string {
    const auto r = ParseReference(q, none);
    if (!r) return "none";
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + string.
    std::string text = std::to_string(r->surah);
    if (r->surahAlone) return text;
    text += ':';
    text += std::to_string(r->firstVerse);
    text += '-';
    text += std::to_string(r->lastVerse);
    return text;
  };
  EXPECT_EQ(parse("2:255"), "2:255-255");
  EXPECT_EQ(parse(" QS 2 : 255 - 257 "), "2:255-257");
  EXPECT_EQ(parse("Q.S. [2]: 7"), "2:7-7");
  EXPECT_EQ(parse("\u0663\u0666"), "36");  // ٣٦
  EXPECT_EQ(parse("2:0"), "2:0-0");        // out of range, refused by the engine, not a surah alone
  EXPECT_EQ(parse("2:9999999"), "2:99999-99999");
  EXPECT_EQ(parse("tidak tidur 2"), "none");
  EXPECT_EQ(parse("2-3"), "none");
  EXPECT_EQ(parse("QS"), "none");
}

TEST(SearchText, WellKnownNamesDataReadsAndRefusesBadLines) {
  const auto names = ParseWellKnownNames(WellKnownNamesText(), "well_known_verses.txt");
  ASSERT_GE(names.size(), 4u);
  const auto ok = ParseWellKnownNames("# comment\n\nx\t2:255\r\ny\t112,113:1-3\n", "t");
  ASSERT_EQ(ok.size(), 2u);
  EXPECT_EQ(ok[1].ranges.size(), 2u);
  EXPECT_EQ(ok[1].ranges[0].firstVerse, 0);
  EXPECT_EQ(ok[1].ranges[1].lastVerse, 3);
  for (const char* bad : {"no tab\n", "x\t2:\n", "x\t2:5-3\n", "x\t0\n", "x\t2:1-\n", "x\t1,\n", "x\tabc\n"}) {
    try {
      ParseWellKnownNames(std::string("# one\n") + bad, "names.txt");
      ADD_FAILURE() << bad;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find("names.txt line 2"), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace pelvaron::search
