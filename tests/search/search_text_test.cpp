// The search's pieces without a data pack: folding, the word index's matching and ranking,
// references and the well-known names data.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "latin/letters.hpp"
#include "module/arabic_script.hpp"
#include "module/error.hpp"
#include "module/text.hpp"
#include "search/latin_index.hpp"
#include "search/near_words.hpp"
#include "search/reference.hpp"
#include "search/spelling.hpp"
#include "search/text_fold.hpp"
#include "search/well_known.hpp"
#include "search/word_lists.hpp"
#include "search/word_index.hpp"

namespace pelvaron::search {
namespace {

std::vector<std::string> Terms(std::string_view text) {
  std::vector<std::string> terms;
  for (const Token& t : Tokenize(text)) {
    terms.push_back(t.term);
    for (const std::string& v : t.variants) terms.back() += "|" + v;
  }
  return terms;
}

// A compiled-in data text whose second line is `bad` is refused naming that line.
void ExpectRefusedAtLine2(const std::function<void(std::string_view)>& read, const char* bad) {
  try {
    read(std::string("# one\n") + bad);
    ADD_FAILURE() << bad;
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("names.txt line 2"), std::string::npos) << e.what();
  }
}

TEST(SearchText, TokenizeFoldsCaseAccentsJoinersAndArabicMarks) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Terms("Kursi-Nya, MENGANTUK. Mu'min \u00C9t\u00E9 R\u0101hman -- a-"),
            (V{"kursinya", "mengantuk", "mumin", "ete", "rahman", "a"}));
  // ٱلۡقَيُّومُۚ: alef wasla unified, marks and the annotation sign dropped
  EXPECT_EQ(Terms("\u0671\u0644\u06E1\u0642\u064E\u064A\u0651\u064F\u0648\u0645\u064F\u06DA"),
            (V{"\u0627\u0644\u0642\u064A\u0648\u0645"}));
  // إِلَٰهَ: without the superscript alef, and with it read as alef
  EXPECT_EQ(Terms("\u0625\u0650\u0644\u064E\u0670\u0647\u064E"),
            (V{"\u0627\u0644\u0647|\u0627\u0644\u0627\u0647"}));
  // tatweel gone, alef maksura → yeh, teh marbuta → heh; Latin and Arabic side by side are two words
  // (a final alef maksura is held as alef too, as people type it)
  EXPECT_EQ(Terms("\u0639\u0644\u0640\u0649 \u0635\u0644\u0648\u0629abc"),
            (V{"\u0639\u0644\u064A|\u0639\u0644\u0627", "\u0635\u0644\u0648\u0647", "abc"}));
  // يُسۡرٗا with the open fathatan U+08F0; ءَامَنُواْ and آمنوا alike; the small high marks U+08D3-08FF
  EXPECT_EQ(Terms("\u064A\u064F\u0633\u06E1\u0631\u08F0\u0627"), (V{"\u064A\u0633\u0631\u0627"}));
  EXPECT_EQ(
      Terms("\u0621\u064E\u0627\u0645\u064E\u0646\u064F\u0648\u0627\u0652 \u0622\u0645\u0646\u0648\u0627"),
      (V{"\u0627\u0645\u0646\u0648\u0627", "\u0627\u0645\u0646\u0648\u0627"}));
  EXPECT_EQ(Terms("\u0628\u08D3\u0650\u0633\u08FF\u0645"), (V{"\u0628\u0633\u0645"}));
  // ٱلزِّنَىٰٓ: the maksura with its superscript alef is read as alef, not followed by one
  EXPECT_EQ(Terms("\u0671\u0644\u0632\u0651\u0650\u0646\u064E\u0649\u0670\u0653"),
            (V{"\u0627\u0644\u0632\u0646\u064A|\u0627\u0644\u0632\u0646\u0627"}));
  EXPECT_EQ(AsciiDigitsAndDashes("\u0662\u0665\u0665\u2013\u06F2\u06F5\u06F7"), "255-257");
}

TEST(SearchText, WordIndexMatchesPrefixesInAnyOrderAndPhrasesInOrder) {
  WordIndex index;
  for (const char* doc :
       {"langit dan bumi", "bumi dan langit di atas", "langit saja", "Langit-langit dan bumi-Nya"})
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
  for (const char* doc : {"tidak tidur dan tidak makan", "tidak makan tidak minum tidak tidur",
                          "tidurnya tidak nyenyak", "tidak tidak tidak tidak"})
    index.Add(Tokenize(doc));
  index.Finish();
  const auto hits = index.Search(ParseWordQuery("tidak tidur"));
  ASSERT_EQ(hits.size(), 3u);
  EXPECT_EQ(hits[0].document, 0);       // the words side by side
  EXPECT_EQ(hits[1].document, 1);       // both whole words, apart
  EXPECT_EQ(hits[2].document, 2);       // "tidur" only as a prefix of "tidurnya"
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
  // the forms people write around the numbers
  for (const auto& [query, reference] :
       std::vector<std::pair<const char*, const char*>>{{"surat 2 ayat 286", "2:286-286"},
                                                        {"[2]: 255", "2:255-255"},
                                                        {"(QS 4/59)", "4:59-59"},
                                                        {"surah ke-112 ayat 1.", "112:1-1"},
                                                        {"Al-Qur'an surat 3 ayat ke 7", "3:7-7"},
                                                        {"{\u0664:\u0665\u0669}", "4:59-59"},
                                                        {"Q.S. 2 (ayat 1-5)", "2:1-5"}})
    EXPECT_EQ(parse(query), reference) << query;
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
  for (const char* bad : {"no tab\n", "x\t2:\n", "x\t2:5-3\n", "x\t0\n", "x\t2:1-\n", "x\t1,\n", "x\tabc\n"})
    ExpectRefusedAtLine2([&](std::string_view text) { ParseWellKnownNames(text, "names.txt"); }, bad);
}

TEST(SearchText, TyposWithinOneEditFromFiveLettersAndTwoFromEight) {
  std::vector<std::string> words = {"kesanggupannya", "kemenangan", "mengantuk", "tidur",
                                    "teladan",        "mengenal",   "salat"};
  std::sort(words.begin(), words.end());
  NearWords near;
  near.Build(words);
  const auto found = [&](std::string_view query) {
    std::string out;
    near.Find(CodePoints(query), AllowedEdits(CodePoints(query).size()), [&](std::size_t i, int edits) {
      out += (out.empty() ? "" : " ") + words[i] + "/" + std::to_string(edits);
    });
    return out;
  };
  struct Case {
    const char* query;
    const char* found;
  };
  for (const Case& c : std::vector<Case>{{"kesangupannya", "kesanggupannya/1"},  // a letter dropped
                                         {"kemengangan", "kemenangan/1"},        // one added
                                         {"mengantk", "mengantuk/1"},
                                         {"mengnael", "mengenal/2"},  // changed and swapped, 8 letters
                                         {"mengenl", "mengenal/1"},
                                         {"tealdan", "teladan/1"},  // two swapped
                                         {"taeldan", ""},           // two edits in 7 letters
                                         {"tidru", "tidur/1"},      // 5 letters: one swap
                                         {"tidr", ""},              // under 5 letters: exact only
                                         {"salat", "salat/0"}}) {
    EXPECT_EQ(found(c.query), c.found) << c.query;
  }
  // Arabic letters count as letters, not bytes: الصابرين with one letter dropped.
  std::vector<std::string> arabic = {"\u0627\u0644\u0635\u0627\u0628\u0631\u064A\u0646"};
  near.Build(arabic);
  int hits = 0;
  near.Find(CodePoints("\u0627\u0644\u0635\u0628\u0631\u064A\u0646"), 1,
            [&](std::size_t, int edits) { hits += edits == 1; });
  EXPECT_EQ(hits, 1);
}

TEST(SearchText, SpellingVariantsAndStopWords) {
  const SpellingVariants variants(SpellingVariantsText(), "spelling_variants.txt");
  WordQuery query = ParseWordQuery("Sholatlah tauladan diantara dan ruku'");
  variants.Apply(query);
  std::vector<std::string> shown;
  for (const QueryWord& w : query.words) {
    shown.push_back(w.text + (w.stop ? "*" : ""));
    for (const std::string& a : w.alternates) shown.back() += "|" + a;
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"sholatlah|salatlah", "tauladan|teladan", "di*", "antara",
                                             "dan*", "ruku|rukuk"}));
  for (const char* bad : {"x\n", "x\ty\n", "x y\tz\tsource\n", "x\ty\t \n"})
    ExpectRefusedAtLine2([&](std::string_view text) { SpellingVariants(text, "names.txt"); }, bad);
}

TEST(SearchText, WordListsReadAndRefuseLinesWithoutAReason) {
  for (const std::vector<std::string>* list :
       {&StopWords(), &Suffixes(), &ReferenceLeadWords(), &ReferenceVerseWords(), &SurahNameLeadWords()})
    EXPECT_FALSE(list->empty());
  EXPECT_EQ(ParseWordList("# one\nlead\tqs\tthe citation\nname\tal\tthe article\n", "x", "lead"),
            std::vector<std::string>{"qs"});
  for (const char* bad : {"dan\n", "dan\t \n", "\tthe conjunction\n", "dan\tand\tmore\n"})
    ExpectRefusedAtLine2([&](std::string_view text) { ParseWordList(text, "names.txt"); }, bad);
  ExpectRefusedAtLine2([&](std::string_view text) { ParseWordList(text, "names.txt", "lead"); },
                       "qs\tcited\n");
}

// Every letter the Latin reading prints, in both cases, is a letter to the folds: a word
// holding it stays one word ("miṡqāla" is no "mi" and "qāla").
TEST(SearchText, LettersTheLatinPrintsAreLettersToEveryFold) {
  std::vector<std::string> printed{"ā", "ī", "ū", "ē"};
  for (char32_t c = arabic::kHamza; c <= arabic::kYeh; ++c)
    if (!latin::Consonant(c).empty()) printed.emplace_back(latin::Consonant(c));
  for (const std::string& letter : printed) {
    std::size_t length = 1;
    const char32_t first = DecodeUtf8At(letter, 0, &length);
    for (char32_t c : {first, latin::LatinUpper(first)}) {
      std::string word = "mi";
      AppendUtf8(word, c);
      word += letter.substr(length) + "q\u0101la";
      EXPECT_EQ(Tokenize(word).size(), 1u) << word;
      const bool joiner = c == U'\u2018' || c == U'\u2019';  // ‘ and ’ join, as apostrophes do
      EXPECT_TRUE(joiner || FoldLatin(c) != 0) << word;
    }
  }
  EXPECT_EQ(Terms("mi\u1E61q\u0101la \u1E60amud"), (std::vector<std::string>{"misqala", "samud"}));
}

// A few readings in the printed style, searched as people spell them.
TEST(SearchText, LatinReadingsMeetThePopularSpellings) {
  std::ifstream in(PELVARON_LATIN_SAMPLE);
  ASSERT_TRUE(in) << PELVARON_LATIN_SAMPLE;
  LatinIndex index;
  std::vector<std::string> labels;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    labels.push_back(line.substr(0, line.find('\t')));
    index.Add(line.substr(line.find('\t') + 1));
  }
  index.Finish();
  const auto first = [&](std::string_view query) -> std::string {
    const auto hits = index.Search(query);
    return hits.empty() ? "none" : labels[static_cast<std::size_t>(hits[0].document)];
  };
  struct Case {
    const char* query;
    const char* first;
  };
  for (const Case& c :
       std::vector<Case>{{"ihdinash shirathal mustaqim", "1:6"},  // sh/ṣ, th/ṭ, q/k
                         {"ihdinas sirotol mustakim", "1:6"},     // o for a
                         {"qul huwallahu ahad", "112:1"},
                         {"qul huwa allahu ahad", "112:1"},  // word boundaries differ
                         {"qul huwallahu ahd", "112:1"},     // a typo
                         {"inna ma'al usri yusro", "94:6"},  // the shorter verse of two
                         {"robbana atina fiddunya hasanah", "2:201"},
                         {"la ilaha illa anta subhanaka inni kuntu minadz dzolimin", "21:87"},  // dz/ẓ
                         {"hasbunallah wa ni'mal wakil", "3:173"},
                         {"bismillahirrohmanirrohim", "1:1"},
                         {"alhamdulillahi robbil 'alamin", "1:2"},
                         {"fabiayyi ala i robbikuma tukadziban", "55:13"},  // dz/ż, yy
                         {"tunjukilah kami jalan yang lurus", "none"},
                         {"qul", "none"}})  // too short to be read as Latin
    EXPECT_EQ(first(c.query), c.first) << c.query;
  EXPECT_EQ(LatinKey("Ihdinaṣ-ṣirāṭal-mustaqīm(a)."), LatinKey("ihdinash shirothol mustaqiim"));
  // ث: the reading's ṡ, and ts or s as people write it, meet as the surah-name fold has them meet
  for (const auto& [reading, typed] : std::vector<std::pair<const char*, const char*>>{
           {"\u1E61umma", "tsumma"}, {"\u1E61umma", "summa"}, {"mi\u1E61q\u0101la", "mitsqala"}})
    EXPECT_EQ(LatinKey(reading), LatinKey(typed)) << typed;
}

}  // namespace
}  // namespace pelvaron::search
