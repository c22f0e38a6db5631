#include "search/reference.hpp"

#include <array>
#include <cctype>
#include <string>

#include "search/text_fold.hpp"

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

// "QS", "Q.S." or "QS." before the rest.
void DropQsPrefix(std::string_view& head) {
  for (std::string_view prefix : {"q.s.", "qs.", "q.s", "qs"}) {
    if (StartsWithWord(head, prefix)) {
      head.remove_prefix(prefix.size());
      TrimLeft(head);
      return;
    }
  }
}

// "ayat" / "ayah" / "ay." between the name and the verse number.
void DropVerseWord(std::string_view& head) {
  for (std::string_view word : {"ayat", "ayah", "ay.", "verse"}) {
    if (head.size() > word.size() && IsBlank(head[head.size() - word.size() - 1]) &&
        StartsWithWord(head.substr(head.size() - word.size()), word)) {
      head.remove_suffix(word.size());
      TrimRight(head, ":,");
      return;
    }
  }
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<int> SurahOfHead(std::string_view head, const SurahNameMatcher& names) {
  if (!head.empty() && head.back() == ']') {
    const std::size_t open = head.rfind('[');
    if (open == std::string_view::npos) return std::nullopt;
    std::string_view number = head.substr(open + 1, head.size() - open - 2);
    TrimLeft(number);
    TrimRight(number);
    if (!AllDigits(number)) return std::nullopt;
    return number.size() > 5 ? kTooLarge : std::stoi(std::string(number));
  }
  if (AllDigits(head)) return head.size() > 5 ? kTooLarge : std::stoi(std::string(head));
  return names.Find(head);
}

}  // namespace

std::optional<Reference> ParseReference(std::string_view query, const SurahNameMatcher& names) {
  const std::string ascii = AsciiDigitsAndDashes(query);
  std::string_view rest = ascii;
  TrimLeft(rest);
  TrimRight(rest);
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
  DropQsPrefix(head);
  if (head.empty()) {
    // a number alone is a surah
    if (reference.surahAlone || reference.firstVerse != reference.lastVerse) return std::nullopt;
    return Reference{reference.firstVerse, 0, 0, true};
  }
  DropVerseWord(head);
  const auto surah = SurahOfHead(head, names);
  if (!surah) return std::nullopt;
  reference.surah = *surah;
  return reference;
}

}  // namespace pelvaron::search
