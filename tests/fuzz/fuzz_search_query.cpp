// The search's reading of a query: tokens, words and phrases, spelling variants, surah names
// (typos too) and references, and a search of a small word index and Latin index with it.
#include <string_view>

#include "search/latin_index.hpp"
#include "search/reference.hpp"
#include "search/spelling.hpp"
#include "search/surah_names.hpp"
#include "search/word_index.hpp"

namespace {

struct Setup {
  pelvaron::search::SurahNameMatcher names;
  pelvaron::search::WordIndex index;
  pelvaron::search::LatinIndex latin;
  pelvaron::search::SpellingVariants spelling{pelvaron::search::SpellingVariantsText(),
                                              "spelling_variants.txt"};
  Setup() {
    for (const char* verse :
         {"Bismill\u0101hir-ra\u1E25m\u0101nir-ra\u1E25\u012Bm(i).", "Qul huwall\u0101hu a\u1E25ad(un)."})
      latin.Add(verse);
    latin.Finish();
    names.Add("Al-Baqarah", 2);
    names.Add("Ya-Sin", 36);
    names.Add("\u0627\u0644\u0628\u0642\u0631\u0629", 2);
    for (const char* verse : {"Allah, tidak ada tuhan selain Dia. Kursi-Nya meliputi langit dan bumi",
                              "\u0671\u0644\u0644\u0651\u064E\u0647\u064F \u0644\u064E\u0622 "
                              "\u0625\u0650\u0644\u064E\u0670\u0647\u064E",
                              "tidak tidak tidak"})
      index.Add(pelvaron::search::Tokenize(verse));
    index.Finish();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Setup setup;
  const std::string_view query(reinterpret_cast<const char*>(data), size);
  (void)pelvaron::search::NormaliseSurahName(query);
  (void)setup.names.Find(query, true);
  (void)pelvaron::search::ParseReference(query, setup.names);
  auto words = pelvaron::search::ParseWordQuery(query);
  setup.spelling.Apply(words);
  (void)setup.index.Search(words);
  (void)setup.latin.Search(query);
  return 0;
}
