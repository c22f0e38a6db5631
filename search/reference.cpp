#include "search/reference.hpp"

#include <cctype>
#include <string>

#include "search/text_fold.hpp"
#include "search/word_lists.hpp"

namespace pelvaron::search {
namespace {

constexpr int kTooLarge = 99999;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

void TrimRight(std::string_view& text, std::string_view also = "") {
  while (!text.empty() && (IsBlank(text.back()) || also.find(text.back()) != std::string_view::npos))
    text.remove_suffix(1);
}
void TrimLeft(std::string_view& text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
}

// The number at the end of `text`, taken off it with the blanks before it.
std::optional<int> TakeNumberAtEnd(std::string_view& text) {
  std::size_t start = text.size();
  while (start > 0 && std::isdigit(static_cast<unsigned char>(text[start - 1]))) --start;
  if (start == text.size()) return std::nullopt;
  const std::string_view digits = text.substr(start);
  const int value = digits.size() > 5 ? kTooLarge : std::min(std::stoi(std::string(digits)), kTooLarge);
  text.remove_suffix(digits.size());
  TrimRight(text);
  return value;
}

bool StartsWithWord(std::string_view text, std::string_view lowerWord) {
  if (text.size() < lowerWord.size()) return false;
  for (std::size_t i = 0; i < lowerWord.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != lowerWord[i]) return false;
  return text.size() == lowerWord.size() || !std::isalpha(static_cast<unsigned char>(text[lowerWord.size()]));
}

// The words that may stand before a surah (reference_words.txt): "QS", "Q.S.", "Al-Qur'an", "surat", … .
void DropLeadingWords(std::string_view& head) {
  for (bool dropped = true; dropped;) {
    dropped = false;
    for (std::string_view word : ReferenceLeadWords()) {
      if (StartsWithWord(head, word)) {
        head.remove_prefix(word.size());
        while (!head.empty() && (IsBlank(head.front()) || head.front() == '.' || head.front() == ':'))
          head.remove_prefix(1);
        dropped = true;
        break;
      }
    }
  }
}

// "ayat" / "ayah" / "ay." (and "ke") between the name and the verse number (reference_words.txt).
void DropVerseWord(std::string_view& head) {
  for (std::string_view word : ReferenceVerseWords()) {
    if (head.size() > word.size() && IsBlank(head[head.size() - word.size() - 1]) &&
        StartsWithWord(head.substr(head.size() - word.size()), word)) {
      head.remove_suffix(word.size());
      TrimRight(head, ":,");
    }
  }
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int NumberOf(std::string_view digits) {
  return digits.size() > 5 ? kTooLarge : std::stoi(std::string(digits));
}

// The surah of what stands before the verse: a name, a number, or a name with its number after
// it ("Al-Baqarah (2)", "An-Nisa/4"), where the number wins.
std::optional<int> SurahOfHead(std::string_view head, const SurahNameMatcher& names, bool typos) {
  if (AllDigits(head)) return NumberOf(head);
  std::size_t start = head.size();
  while (start > 0 && std::isdigit(static_cast<unsigned char>(head[start - 1]))) --start;
  if (start < head.size() && start > 0 && IsBlank(head[start - 1])) {
    std::string_view name = head.substr(0, start);
    TrimRight(name, ":,.");
    DropLeadingWords(name);
    if (name.empty() || names.Find(name)) return NumberOf(head.substr(start));
    return std::nullopt;
  }
  return names.Find(head, typos);
}

// Brackets and slashes around the numbers as blanks, and "ke-2" as "ke 2".
std::string WithoutBrackets(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool dashBeforeNumber = c == '-' && i + 1 < text.size() &&
                                  std::isdigit(static_cast<unsigned char>(text[i + 1])) && i > 0 &&
                                  std::isalpha(static_cast<unsigned char>(text[i - 1]));
    out += std::string_view("()[]{}/").find(c) != std::string_view::npos || dashBeforeNumber ? ' ' : c;
  }
  return out;
}

}  // namespace

std::optional<Reference> ParseReference(std::string_view query, const SurahNameMatcher& names) {
  const std::string ascii = WithoutBrackets(AsciiDigitsAndDashes(query));
  std::string_view rest = ascii;
  TrimLeft(rest);
  TrimRight(rest, ".,;:!?");
  Reference reference;
  reference.surahAlone = true;
  if (const auto last = TakeNumberAtEnd(rest)) {
    reference.firstVerse = reference.lastVerse = *last;
    reference.surahAlone = false;
    if (!rest.empty() && rest.back() == '-') {
      rest.remove_suffix(1);
      TrimRight(rest);
      const auto first = TakeNumberAtEnd(rest);
      if (!first) return std::nullopt;
      reference.firstVerse = *first;
    }
  }
  TrimRight(rest, ":,.");
  std::string_view head = rest;
  DropLeadingWords(head);
  if (head.empty()) {
    // a number alone is a surah
    if (reference.surahAlone || reference.firstVerse != reference.lastVerse) return std::nullopt;
    return Reference{reference.firstVerse, 0, 0, true};
  }
  DropVerseWord(head);
  // A name mistyped is read as a surah only before a verse number: alone it is more likely a word.
  const auto surah = SurahOfHead(head, names, !reference.surahAlone);
  if (!surah) return std::nullopt;
  reference.surah = *surah;
  return reference;
}

}  // namespace pelvaron::search
