#include "search/spelling_folds.hpp"

#include <array>

namespace pelvaron::search {
namespace {

struct Fold {
  std::string_view written;
  char letter;
  std::string_view why;
};

constexpr std::array<Fold, 12> kFolds{{
    {"sy", 's', "ش as the Indonesian guideline writes it"},
    {"sh", 's', "ش and ص as English-style spellings write them"},
    {"ts", 's', "ث in the older Indonesian spelling; the Latin reading's ṡ, written s without its dot"},
    {"th", 't', "ط (and ث) as English-style spellings write them"},
    {"dz", 'z', "ذ in the older Indonesian spelling"},
    {"dh", 'z', "ذ, ض and ظ as English-style spellings write them"},
    {"zh", 'z', "ظ in some Indonesian spellings"},
    {"gh", 'g', "غ, which the guideline writes g"},
    {"kh", 'k', "خ, near enough to k that people write it so"},
    {"dj", 'j', "ج in the spelling before 1972"},
    {"q", 'k', "ق, which people write k as often as q"},
    {"o", 'a', "a fatha after a heavy letter, often written o (robbana)"},
}};

const Fold* FoldAt(std::string_view letters, std::size_t i) {
  for (const Fold& fold : kFolds)
    if (letters.substr(i, fold.written.size()) == fold.written) return &fold;
  return nullptr;
}

}  // namespace

std::string FoldSpellings(std::string_view letters) {
  std::string out;
  for (std::size_t i = 0; i < letters.size();) {
    const Fold* fold = FoldAt(letters, i);
    out += fold ? fold->letter : letters[i];
    i += fold ? fold->written.size() : 1;
  }
  return out;
}

std::string WithoutDoubles(std::string_view text) {
  std::string out;
  for (char c : text)
    if (out.empty() || out.back() != c) out += c;
  return out;
}

}  // namespace pelvaron::search
