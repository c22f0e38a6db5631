#include "search/surah_names.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "module/arabic_script.hpp"
#include "module/text.hpp"
#include "search/near_words.hpp"
#include "search/text_fold.hpp"

namespace pelvaron::search {
namespace {

constexpr std::array<std::string_view, 23> kLeadingWords = {
    "qs", "q",   "s",   "surah", "surat", "al",  "el", "an",  "ar",  "as",   "asy", "ash",
    "at", "ats", "ath", "ad",    "adz",   "adh", "az", "ali", "aal", "aali", "sy"};

std::string Utf8Of(std::u32string_view codePoints) {
  std::string out;
  for (char32_t c : codePoints) AppendUtf8(out, c);
  return out;
}

bool IsVowel(char c) { return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o'; }

// Latin words of `name`, folded; apostrophes vanish, every other non-letter separates.
std::vector<std::string> LatinWords(std::string_view name) {
  std::vector<std::string> words(1);
  for (std::size_t pos = 0, length = 1; pos < name.size(); pos += length) {
    const char32_t c = DecodeUtf8At(name, pos, &length);
    if (const char folded = FoldLatin(c))
      words.back() += folded;
    else if (c == U'\'' || c == U'\u2019' || c == U'\u2018' || c == U'`' || c == U'\u02BF' || c == U'\u02BC')
      continue;
    else if (!words.back().empty())
      words.emplace_back();
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

std::string FoldSpelling(const std::string& joined) {
  std::string s;
  for (std::size_t i = 0; i < joined.size(); ++i) {
    const char c = joined[i];
    const char next = i + 1 < joined.size() ? joined[i + 1] : 0;
    if ((c == 'd' && (next == 'z' || next == 'h'))) {
      s += 'z';
      ++i;
    } else if (c == 's' && (next == 'y' || next == 'h')) {
      s += 's';
      ++i;
    } else if (c == 't' && (next == 's' || next == 'h')) {
      s += 't';
      ++i;
    } else if (c == 'q')
      s += 'k';
    else if (c == 'o')
      s += 'a';
    else
      s += c;
  }
  std::string t;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char prev = t.empty() ? 0 : t.back();
    if (prev == 'a' && s[i] == 'w')
      t += 'u';
    else if (prev == 'a' && s[i] == 'y')
      t += 'i';
    else if (prev == 'i' && s[i] == 'y')
      t.back() = 'y';
    else
      t += s[i];
  }
  std::string u;
  for (char c : t)
    if (u.empty() || u.back() != c) u += c;
  if (u.size() > 2 && u.back() == 'h' && IsVowel(u[u.size() - 2])) u.pop_back();
  if (u.size() > 3 && u.back() == 'i' && !IsVowel(u[u.size() - 2]) && !IsVowel(u[u.size() - 3])) u.pop_back();
  return u;
}

// "albaqarah", "annas", "arrahman": the article written onto the name, the sun letters doubled.
bool DropJoinedArticle(std::string& word) {
  if (word.size() > 5 && word.starts_with("al")) {
    word.erase(0, 2);
    return true;
  }
  if (word.size() > 4 && word[0] == 'a' && word[1] == word[2] &&
      std::string_view("tsdzrnl").find(word[1]) != std::string_view::npos) {
    word.erase(0, 2);
    return true;
  }
  return false;
}

std::string NormaliseLatin(std::string_view name, bool joinedArticle = false) {
  std::vector<std::string> words = LatinWords(name);
  std::size_t first = 0;
  while (first + 1 < words.size() &&
         std::find(kLeadingWords.begin(), kLeadingWords.end(), words[first]) != kLeadingWords.end())
    ++first;
  if (joinedArticle && (first == words.size() || !DropJoinedArticle(words[first]))) return {};
  std::string joined;
  for (std::size_t i = first; i < words.size(); ++i) joined += words[i];
  return FoldSpelling(joined);
}

std::string NormaliseArabic(std::string_view name) {
  std::vector<std::string> words;
  for (const Token& token : Tokenize(name)) words.push_back(token.term);
  // سوره, teh marbuta already unified
  const std::string sura = Utf8Of(std::u32string{arabic::kSeen, arabic::kWaw, arabic::kReh, arabic::kHeh});
  std::size_t first = 0;
  while (first + 1 < words.size() && words[first] == sura) ++first;
  std::string joined;
  for (std::size_t i = first; i < words.size(); ++i) joined += words[i];
  const std::string article = Utf8Of(std::u32string{arabic::kAlef, arabic::kLam});
  if (joined.starts_with(article) && joined.size() > article.size() + 2) joined.erase(0, article.size());
  return joined;
}

}  // namespace

std::string NormaliseSurahName(std::string_view name) {
  return HasArabicLetter(name) ? NormaliseArabic(name) : NormaliseLatin(name);
}

void SurahNameMatcher::Add(std::string_view name, int surah) {
  const std::string key = NormaliseSurahName(name);
  if (!key.empty()) surahs_.try_emplace(key, surah);
}

std::optional<int> SurahNameMatcher::Find(std::string_view name, bool typos) const {
  const std::string key = NormaliseSurahName(name);
  if (key.empty()) return std::nullopt;
  if (const auto it = surahs_.find(key); it != surahs_.end()) return it->second;
  const std::string withoutArticle = HasArabicLetter(name) ? std::string() : NormaliseLatin(name, true);
  if (const auto it = surahs_.find(withoutArticle); !withoutArticle.empty() && it != surahs_.end())
    return it->second;
  if (!typos) return std::nullopt;
  std::vector<std::string> keys;
  for (const auto& entry : surahs_) keys.push_back(entry.first);
  std::sort(keys.begin(), keys.end());
  NearWords near;
  near.Build(keys);
  const std::u32string letters = CodePoints(key);
  std::optional<int> surah;
  int nearest = AllowedEdits(letters.size()) + 1;
  bool alone = false;
  near.Find(letters, nearest - 1, [&](std::size_t index, int edits) {
    const int found = surahs_.at(keys[index]);
    if (edits < nearest) {
      nearest = edits;
      surah = found;
      alone = true;
    } else if (edits == nearest && found != surah) {
      alone = false;
    }
  });
  return alone ? surah : std::nullopt;
}

}  // namespace pelvaron::search
