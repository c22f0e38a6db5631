// The verse search on the default data pack: every kind of query with its first result, the
// refusals, every surah name plus the written-down Indonesian spellings, and the query set
// (query_set.tsv) with how many it answers. Needs the pack
// built beside `pelvaron` (tools/make-default-pack.sh); skips without it unless
// PELVARON_REQUIRE_PACK is set.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "data/in_memory_files.hpp"
#include "data/surah_index.hpp"
#include "insert/arabic_insert.hpp"
#include "data/surah_names.hpp"
#include "module/error.hpp"
#include "module/text.hpp"
#include "search/search_engine.hpp"
#include "search/text_fold.hpp"
#include "search/verse_texts.hpp"
#include "search/well_known.hpp"
#include "tests/support/typed_text_sink.hpp"

namespace pelvaron::search {
namespace {

class DefaultPackSearch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const char* env = std::getenv("PELVARON_PACK_APP_PATH");
    const std::filesystem::path app = env && *env ? env : PELVARON_DEFAULT_APP_PATH;
    if (!std::filesystem::exists(app / "DataQuran" / "surahnames.txt")) return;
    state_ = new ModuleState;
    LoadModuleState(*state_, app);
    engine_ = new SearchEngine(*state_);
  }
  void SetUp() override {
    if (engine_) return;
    if (std::getenv("PELVARON_REQUIRE_PACK")) FAIL() << "no default pack with surahnames.txt";
    GTEST_SKIP() << "no default pack (tools/make-default-pack.sh builds it)";
  }
  static std::string First(const std::string& query) {
    const auto results = engine_->Find(query, 3);
    if (results.empty()) return "none";
    return VerseLabel(results.front());
  }
  static inline ModuleState* state_ = nullptr;
  static inline SearchEngine* engine_ = nullptr;
};

struct Case {
  const char* query;
  const char* first;
};

void ExpectFirst(const std::vector<Case>& cases,
                 const std::function<std::string(const std::string&)>& first) {
  for (const Case& c : cases) EXPECT_EQ(first(c.query), c.first) << "query: " << c.query;
}

TEST_F(DefaultPackSearch, ReferenceForms) {
  ExpectFirst({{"2:255", "2:255"},
               {"2 : 255", "2:255"},
               {"2:255-257", "2:255-257"},
               {"2:255\u2013257", "2:255-257"},
               {"QS 2:255", "2:255"},
               {"QS. Al-Baqarah [2]: 255", "2:255"},
               {"Al-Baqarah 255", "2:255"},
               {"al baqoroh 255", "2:255"},
               {"baqarah:255", "2:255"},
               {"Al-Baqarah ayat 255", "2:255"},
               {"\u0627\u0644\u0628\u0642\u0631\u0629 \u0662\u0665\u0665", "2:255"},  // البقرة ٢٥٥
               {"Yasin", "36:1"},
               {"yaasiin", "36:1"},
               {"36", "36:1"},
               {"surah al-kahfi 10", "18:10"},
               {"annas 1-6", "114:1-6"},
               {"Q.S. An-Nisa/4:59", "4:59"},
               {"(QS. Al-Ahzab: 21)", "33:21"},
               {"Al Baqarah (2) ayat 153", "2:153"},
               {"(\u0662:\u0662\u0665\u0665)", "2:255"},
               {"surat al-baqarha ayat 255", "2:255"},  // a name mistyped, before a verse number
               {"QS. Al-Hujarat: 13", "49:13"},
               {"al-ikhlsa 1", "112:1"}},
              First);
  const auto yasin = engine_->Find("Yasin", 5);
  ASSERT_EQ(yasin.size(), 5u);
  EXPECT_EQ(yasin[4].verse, 5);  // a surah alone lists its verses in order
}

TEST_F(DefaultPackSearch, IndonesianWords) {
  ExpectFirst({{"tidak mengantuk dan tidak tidur", "2:255"},
               {"TIDAK MENGANTUK", "2:255"},
               {"kursinya meliputi", "2:255"},  // "Kursi-Nya"
               {"sapi betina kuning", "2:69"},
               {"\"meliputi langit dan bumi\"", "2:255"},
               {"zzzzqx", "none"}},
              First);
  // A phrase keeps its order: the reversed words are not the phrase.
  EXPECT_EQ(First("\"bumi dan langit meliputi\""), "none");
  // Prefixes: "mengantu" still finds the verse that holds "mengantuk".
  const auto prefix = engine_->Find("tidak mengantu", 5);
  ASSERT_FALSE(prefix.empty());
  EXPECT_NE(prefix[0].snippet.find("mengantuk"), std::string::npos) << prefix[0].snippet;
  EXPECT_LE(prefix[0].snippet.size(), 110u + 6u);  // about 100 characters and the two ellipses
}

TEST_F(DefaultPackSearch, ArabicWithoutMarks) {
  ExpectFirst(
      {{"\u0627\u0644\u0644\u0647 \u0644\u0627 \u0627\u0644\u0647 \u0627\u0644\u0627 \u0647\u0648 "
        "\u0627\u0644\u062d\u064a "
        "\u0627\u0644\u0642\u064a\u0648\u0645",
        "2:255"},  // الله لا اله الا هو الحي القيوم
       {"\u0642\u0644 \u0647\u0648 \u0627\u0644\u0644\u0647 \u0627\u062d\u062f", "112:1"},  // قل هو الله احد
       {"\u0627\u0644\u062d\u0645\u062f \u0644\u0644\u0647 \u0631\u0628 "
        "\u0627\u0644\u0639\u0627\u0644\u0645\u064a\u0646",
        "1:2"},  // الحمد لله رب العالمين, written with the alef Uthmani script leaves out
       {"\u0642\u064f\u0644\u0652 \u0623\u064e\u0639\u064f\u0648\u0630\u064f "
        "\u0628\u0650\u0631\u064e\u0628\u0651\u0650 "
        "\u0671\u0644\u0652\u0641\u064e\u0644\u064e\u0642\u0650",
        "113:1"},  // with its marks and alef wasla
       {"\u0648\u0644\u0627 \u062A\u0642\u0631\u0628\u0648\u0627 \u0627\u0644\u0632\u0646\u0627",
        "17:32"},  // الزنا for الزنى
       {"\u0634\u0639\u0648\u0628\u0627 \u0648\u0642\u0628\u0627\u0626\u0644",
        "49:13"},  // شعوبا: open tanween U+08F0 there
       {"\u0639\u0644\u0645 \u0627\u0644\u0642\u0631\u0622\u0646", "55:2"},  // علم القرآن: آ for ءا
       {"\u0627\u0647\u062F\u0646\u0627 \u0627\u0644\u0635\u0631\u0627\u0637 "
        "\u0627\u0644\u0645\u0633\u062A\u0642\u0645",
        "1:6"}},  // اهدنا الصراط المستقم: a letter dropped
      First);
}

TEST_F(DefaultPackSearch, WellKnownNames) {
  ExpectFirst({{"ayat kursi", "2:255"},
               {"Ayatul Kursi", "2:255"},
               {"al-fatihah", "1:1"},
               {"akhir al-baqarah", "2:285-286"},
               {"doa sapu jagat", "2:201"},
               {"Doa Nabi Yunus", "21:87"},
               {"dua ayat terakhir surat al-baqarah", "2:285-286"}},
              First);
  const auto qul = engine_->Find("tiga qul", 10);
  ASSERT_EQ(qul.size(), 3u);
  EXPECT_EQ(qul[0].surah, 112);
  EXPECT_EQ(qul[1].surah, 113);
  EXPECT_EQ(qul[2].surah, 114);
  EXPECT_EQ(qul[2].lastVerse, 6);
}

TEST_F(DefaultPackSearch, BadInputSaysWhy) {
  struct Bad {
    const char* query;
    const char* message;
  };
  for (const Bad& b : std::vector<Bad>{{"", "empty"},
                                       {"  ?!  ", "no letters or digits"},
                                       {"2:300", "Al-Baqarah [2] has verses 1\u2013286"},
                                       {"2:0", "verses 1\u2013286"},
                                       {"2:286-285", "2:286\u2013285"},
                                       {"115:1", "surah 115 does not exist"},
                                       {"juz 31", "juz 31 does not exist (juz are 1 to 30)"},
                                       {"juz 0", "juz 0 does not exist"},
                                       {"halaman 605", "page 605 does not exist (pages are 1 to 604)"}}) {
    try {
      engine_->Find(b.query, 10);
      ADD_FAILURE() << "no error for \"" << b.query << "\"";
    } catch (const Error& e) {
      EXPECT_EQ(e.kind(), ErrorKind::Input);
      EXPECT_NE(std::string(e.what()).find(b.message), std::string::npos) << b.query << ": " << e.what();
    }
  }
}

// " w1 w2 … ": the folded words of `text`, to find one run of words in another.
std::string FoldedWords(std::string_view text) {
  std::string folded = " ";
  for (const Token& t : Tokenize(text)) folded += t.term + " ";
  return folded;
}

// Every line of well_known_verses.txt names verses of the pack, and each quote of a topic line
// (third column `Kemenag: "…" / "…"`, one per reference) stands in its reference's translation.
TEST_F(DefaultPackSearch, WellKnownVersesExistAndTopicQuotesStandInThem) {
  std::map<std::pair<int, int>, std::string> translation;
  for (const VerseText& v : ReadVerseTexts(*state_))
    translation[{v.surah, v.verse}] = FoldedWords(v.translation);
  int quotes = 0;
  ForEachDataLine(WellKnownNamesText(), [&](std::string_view line, int number) {
    const WellKnownName entry = ParseWellKnownNames(line, "well_known_verses.txt").at(0);
    const std::size_t source = line.find("\tKemenag: ");
    std::string_view quoted = source == line.npos ? "" : line.substr(source + 10);
    for (const VerseRange& r : entry.ranges) {
      const int count = r.surah <= kSurahCount ? state_->Surah(r.surah).VerseCount : 0;
      ASSERT_TRUE(count > 0 && r.lastVerse <= count) << "line " << number;
      if (source == line.npos) continue;
      ASSERT_FALSE(quoted.empty()) << "line " << number << ": fewer quotes than references";
      const std::size_t end = std::min(quoted.find(" / "), quoted.size());
      const std::string quote = FoldedWords(quoted.substr(0, end));
      quoted.remove_prefix(std::min(quoted.size(), end + 3));
      bool found = false;
      for (int v = std::max(r.firstVerse, 1); v <= (r.firstVerse ? r.lastVerse : count); ++v)
        found = found || translation[{r.surah, v}].find(quote) != std::string::npos;
      EXPECT_TRUE(found) << "line " << number << ":" << quote << "is not in its verses";
      ++quotes;
    }
    EXPECT_TRUE(quoted.empty()) << "line " << number << ": more quotes than references";
  });
  EXPECT_GE(quotes, 100);
}

// A juz or a page lists its whole range first, then its verses in order; a topic its verses.
TEST_F(DefaultPackSearch, JuzPagesAndTopics) {
  ExpectFirst({{"juz 30", "78:1-114:6"},
               {"Juz \u2018Amma", "78:1-114:6"},
               {"JUZ 1", "1:1-2:141"},
               {"juz ke-2", "2:142-252"},
               {"halaman 1", "1:1-7"},
               {"hal. 2", "2:1-5"},
               {"hlm 604", "112:1-114:6"},
               {"ayat tentang sabar", "2:153"},
               {"Ayat-ayat tentang sholat", "2:43"},
               {"ayat puasa", "2:183"}},  // its own line, before the topic's
              First);
  EXPECT_NE(First("juz 30 ayat 5"), "78:1-114:6");  // more than a juz: a words query
  const auto juz = engine_->Find("juz 30", 3);
  ASSERT_EQ(juz.size(), 3u);
  EXPECT_EQ(VerseLabel(juz[2]), "78:2");
}

// The search reads the Arabic lines itself; what it reads must be what the insertion types.
TEST_F(DefaultPackSearch, ArabicTextIsWhatTheInsertionTypes) {
  ModuleState memory = *state_;
  auto files = std::make_shared<InMemoryFiles>();
  files->LoadFolder(state_->AppPath / "DataQuran");
  memory.Files = files;
  const std::vector<VerseText> texts = ReadVerseTexts(memory);
  ASSERT_EQ(texts.size(), 6236u);
  for (std::size_t i = 0; i < texts.size(); i += 97) {  // a spread over the whole Quran
    const VerseText& verse = texts[i];
    testing::TypedTextSink sink;
    InsertArabicRange(memory, sink, verse.surah, verse.verse, verse.verse, false);
    const std::string& typed = sink.paragraphs.front();
    EXPECT_EQ(TrimSpaces(typed), verse.arabic)
        << verse.surah << ":" << verse.verse;  // the blank after the last word
  }
}

TEST_F(DefaultPackSearch, EverySurahNameAndTheWrittenDownSpellings) {
  const SurahNameMatcher names = SurahNamesOf(*state_);
  const auto arabic = ReadArabicSurahNames(*state_);
  std::set<std::string> keys;
  for (int s = 1; s <= kSurahCount; ++s) {
    const std::string latin = TrimmedName(state_->Surah(s));
    EXPECT_EQ(names.Find(latin), s) << latin;
    EXPECT_EQ(names.Find(arabic[static_cast<std::size_t>(s)]), s) << arabic[static_cast<std::size_t>(s)];
    EXPECT_TRUE(keys.insert(NormaliseSurahName(latin)).second) << latin << " folds onto another surah's name";
  }
  std::ifstream in(PELVARON_SURAH_SPELLINGS);
  ASSERT_TRUE(in) << PELVARON_SURAH_SPELLINGS;
  int checked = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    EXPECT_EQ(names.Find(line.substr(tab + 1)), std::stoi(line.substr(0, tab))) << line.substr(tab + 1);
    ++checked;
  }
  EXPECT_GE(checked, 40);
}

// The half-remembered queries of query_set.tsv: how many have an answer among the first three
// results and first, overall and by kind.
TEST_F(DefaultPackSearch, QuerySet) {
  std::ifstream in(PELVARON_QUERY_SET);
  ASSERT_TRUE(in) << PELVARON_QUERY_SET;
  struct Tally {
    int queries = 0, top3 = 0, first = 0;
  };
  std::map<std::string, Tally> kinds;
  Tally all;
  std::string failures;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab1 = line.find('\t'), tab2 = line.find('\t', tab1 + 1);
    ASSERT_NE(tab2, std::string::npos) << line;
    const std::string kind = line.substr(0, tab1), query = line.substr(tab1 + 1, tab2 - tab1 - 1);
    std::set<std::string> answers;
    std::istringstream words(line.substr(tab2 + 1));
    for (std::string answer; words >> answer;) {
      // Every answer is a verse (or range) of the pack.
      int surah = 0, verse = 0, last = 0;
      ASSERT_GE(std::sscanf(answer.c_str(), "%d:%d-%d", &surah, &verse, &last), 2) << answer;
      ASSERT_TRUE(surah >= 1 && surah <= kSurahCount && verse >= 1 &&
                  std::max(verse, last) <= state_->Surah(surah).VerseCount)
          << answer;
      answers.insert(answer);
    }
    std::vector<SearchResult> results;
    try {
      results = engine_->Find(query, 3);
    } catch (const Error&) {
    }
    int rank = 0;
    while (rank < static_cast<int>(results.size()) &&
           !answers.contains(VerseLabel(results[static_cast<std::size_t>(rank)])))
      ++rank;
    for (Tally* t : {&all, &kinds[kind]}) {
      ++t->queries;
      t->top3 += rank < static_cast<int>(results.size());
      t->first += rank == 0 && !results.empty();
    }
    if (rank >= static_cast<int>(results.size()))
      failures += "  not in the first three: [" + kind + "] " + query + "\n";
  }
  const auto figures = [](const Tally& t) {
    char text[120];
    std::snprintf(text, sizeof text, "top-3: %d/%d (%.0f%%), first: %d/%d (%.0f%%)", t.top3, t.queries,
                  100.0 * t.top3 / t.queries, t.first, t.queries, 100.0 * t.first / t.queries);
    return std::string(text);
  };
  std::cout << "query set " << figures(all) << "\n";
  for (const auto& [kind, tally] : kinds) std::cout << "  " << kind << ": " << figures(tally) << "\n";
  std::cout << failures;
  EXPECT_GE(all.queries, 80);
  EXPECT_GE(all.top3 * 100, 95 * all.queries) << figures(all);
  EXPECT_GE(all.first * 100, 85 * all.queries) << figures(all);
}

}  // namespace
}  // namespace pelvaron::search
