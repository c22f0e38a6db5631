#pragma once
// The conjunctions wa and fa. The Ministry's editions print them as words of their own before
// a consonant ("wa lā", "fa sabbiḥ") and joined where the next word's hamzat waṣl is elided
// ("wal-arḍ"); but a word may begin with its root's own w or f (وَسِعَ wasi‘a, وَقَبَ waqab),
// and the letters alone cannot tell. The whole text can: what is left without the wa is a
// word elsewhere, or the word itself stands after the article or after another wa. Words no
// evidence decides are read apart (the conjunction is by far the more common), and counted;
// conjunction_exceptions.txt settles the words the evidence gets wrong, with a reason each.

#include <set>
#include <string>
#include <vector>

#include "latin/arabic_words.hpp"

namespace pelvaron::latin {

// The keys (WordKey) of the words whose first w or f is the word's own letter.
using JoinedWords = std::set<std::string>;

// وَ or فَ with fatha alone before a consonant with a vowel: a conjunction or a root's letter.
bool BeginsWithWaOrFa(const ArabicWord& w);

struct WaFaDecisions {
  JoinedWords joined;
  std::set<std::string> guessed;  // keys of the words read apart for want of evidence
  int guessedTimes = 0;           // how often such words occur
};

// Decides every word of the text (one verse a string) that begins with wa or fa.
WaFaDecisions DecideWaFa(const std::vector<std::string>& verses);

// A word list as a pack keeps it (latinjoined.txt), one word a line; a line's last vowel and
// stop sign do not matter, and blank lines are passed over.
JoinedWords JoinedWordsOf(const std::vector<std::string>& lines);

// The exceptions file as compiled in (conjunction_exceptions.txt).
std::string_view ConjunctionExceptionsText();

}  // namespace pelvaron::latin
