#include "latin/conjunctions.hpp"

#include <map>
#include <unordered_set>

#include "latin/letters.hpp"
#include "module/error.hpp"

namespace pelvaron::latin {
namespace {

constexpr std::string_view kExceptionsFile = "conjunction_exceptions.txt";

// One line: the word as the text writes it, a tab, "apart" or "joined", a tab, the reason.
void ParseException(std::string_view line, int number, std::map<std::string, bool>& apart) {
  if (line.empty() || line.front() == '#') return;
  const std::size_t tab = line.find('\t');
  const std::size_t tab2 = tab == std::string_view::npos ? tab : line.find('\t', tab + 1);
  const std::vector<ArabicWord> word = ParseWords(line.substr(0, tab));
  const std::string_view reading = tab2 == std::string_view::npos ? "" : line.substr(tab + 1, tab2 - tab - 1);
  if (word.size() != 1 || (reading != "apart" && reading != "joined"))
    throw Error(ErrorKind::BadRecord, std::string(kExceptionsFile) + ": line " + std::to_string(number) +
                                          ": not a word, a tab, \"apart\" or \"joined\", a tab and a reason");
  apart[WordKey(word.front())] = reading == "apart";
}

std::map<std::string, bool> ParseExceptions(std::string_view text) {
  std::map<std::string, bool> apart;
  int number = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (line.ends_with('\r')) line.remove_suffix(1);
    ParseException(line, ++number, apart);
    pos = end + 1;
  }
  return apart;
}

const std::map<std::string, bool>& Exceptions() {
  static const std::map<std::string, bool> table = ParseExceptions(ConjunctionExceptionsText());
  return table;
}

std::u32string Skeleton(const ArabicWord& w) {
  std::u32string letters;
  for (const ArabicLetter& l : w) letters += l.base;
  return letters;
}

// What the whole text says about its words.
struct Lexicon {
  std::unordered_set<std::string> words;       // every word's key
  std::unordered_set<std::u32string> article;  // the letters after ٱل, with and without the last
};

Lexicon MakeLexicon(const std::vector<ArabicWord>& all) {
  Lexicon lex;
  for (const ArabicWord& w : all) {
    lex.words.insert(WordKey(w));
    const std::u32string letters = Skeleton(w);
    if (letters.size() < 4 || letters[0] != ar::kAlefWasla || letters[1] != ar::kLam) continue;
    lex.article.insert(letters.substr(2));
    lex.article.insert(letters.substr(2, letters.size() - 3));
  }
  return lex;
}

ArabicWord WithFirst(const ArabicWord& w, char32_t letter) {
  ArabicWord other = w;
  other.front().base = letter;
  return other;
}

bool IsWaWithFatha(const ArabicLetter& l) {
  return l.base == ar::kWaw && l.marks == std::u32string(1, ar::kFatha);
}

enum class Reading { Apart, Joined, Guess };

// The rest stands as a word, or after the other conjunction; or it is a second wa.
bool RestIsAWord(const ArabicWord& w, const Lexicon& lex) {
  const ArabicWord rest(w.begin() + 1, w.end());
  const char32_t other = w.front().base == ar::kWaw ? ar::kFeh : ar::kWaw;
  return lex.words.contains(WordKey(rest)) || lex.words.contains(WordKey(WithFirst(w, other))) ||
         IsWaWithFatha(rest.front());
}

// The word itself takes the article (ٱلۡوَلَدُ) or stands after a wa or fa (وَوَجَدَكَ).
bool WordTakesAParticle(const ArabicWord& w, const Lexicon& lex) {
  std::u32string letters = Skeleton(w);
  while (letters.size() > 2 && letters.back() == ar::kAlef) letters.pop_back();  // tanwin's alif
  if (lex.article.contains(letters)) return true;
  for (char32_t particle : {ar::kWaw, ar::kFeh}) {
    ArabicWord after = w;
    after.insert(after.begin(), ArabicLetter{particle, std::u32string(1, ar::kFatha)});
    if (lex.words.contains(WordKey(after))) return true;
  }
  return false;
}

Reading Decide(const ArabicWord& w, const Lexicon& lex) {
  if (const auto it = Exceptions().find(WordKey(w)); it != Exceptions().end())
    return it->second ? Reading::Apart : Reading::Joined;
  if (RestIsAWord(w, lex)) return Reading::Apart;
  return WordTakesAParticle(w, lex) ? Reading::Joined : Reading::Guess;
}

}  // namespace

bool BeginsWithWaOrFa(const ArabicWord& w) {
  if (w.size() < 3 || (w[0].base != ar::kWaw && w[0].base != ar::kFeh)) return false;
  if (w[0].marks != std::u32string(1, ar::kFatha)) return false;
  const ArabicLetter& next = w[1];
  const bool consonant = !Consonant(next.base).empty() && !IsHamza(next.base) && next.base != ar::kAlef &&
                         !next.Has(ar::kHamzaAbove) && !next.Has(ar::kHamzaBelow);
  // A shadda there doubles a letter the word already has (فَضَّلَ, faḍḍala): no word begins so.
  return consonant && HasVowel(next) && !next.Has(ar::kSukun) && !next.Has(ar::kShadda);
}

WaFaDecisions DecideWaFa(const std::vector<std::string>& verses) {
  std::vector<ArabicWord> all;
  for (const std::string& verse : verses)
    for (ArabicWord& w : ParseWords(verse)) all.push_back(std::move(w));
  const Lexicon lex = MakeLexicon(all);
  WaFaDecisions decisions;
  for (ArabicWord w : all) {
    for (; BeginsWithWaOrFa(w); w.erase(w.begin())) {
      const Reading reading = Decide(w, lex);
      if (reading == Reading::Joined) {
        decisions.joined.insert(WordKey(w));
        break;
      }
      if (reading == Reading::Guess) {
        decisions.guessed.insert(WordKey(w));
        ++decisions.guessedTimes;
      }
    }
  }
  return decisions;
}

JoinedWords JoinedWordsOf(const std::vector<std::string>& lines) {
  JoinedWords joined;
  for (const std::string& line : lines)
    for (const ArabicWord& w : ParseWords(line)) joined.insert(WordKey(w));
  return joined;
}

}  // namespace pelvaron::latin
