// The search's reading of a query: tokens, words and phrases, surah names and references,
// and a search of a small index with what it made of the query.
#include <string_view>

#include "search/reference.hpp"
#include "search/surah_names.hpp"
#include "search/word_index.hpp"

namespace {

struct Setup {
  pelvaron::search::SurahNameMatcher names;
  pelvaron::search::WordIndex index;
  Setup() {
    names.Add("Al-Baqarah", 2);
    names.Add("Ya-Sin", 36);
    names.Add("\u0627\u0644\u0628\u0642\u0631\u0629", 2);
    for (const char* verse : {"Allah, tidak ada tuhan selain Dia. Kursi-Nya meliputi langit dan bumi",
                              "\u0671\u0644\u0644\u0651\u064E\u0647\u064F \u0644\u064E\u0622 \u0625\u0650\u0644\u064E\u0670\u0647\u064E",
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
  (void)setup.names.Find(query);
  (void)pelvaron::search::ParseReference(query, setup.names);
  (void)setup.index.Search(pelvaron::search::ParseWordQuery(query));
  return 0;
}
