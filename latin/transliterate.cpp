#include "latin/transliterate.hpp"

#include <algorithm>
#include <vector>

#include "latin/arabic_words.hpp"
#include "latin/conjunctions.hpp"
#include "latin/letters.hpp"
#include "module/text.hpp"

namespace pelvaron::latin {
namespace {

// How many letters at a word's start are a particle printed as a word of its own; 0 when none.
// Wa and fa before a voweled hamza ("wa iyyāka", "fa iżā") and, unless the word list joins
// them, before a consonant ("wa lā", "fa sabbiḥ"); the vocative يَٰ (after an optional wa,
// which is always the vocative in the text: "yā qaumi", "yā ayyuhā"). The other joined
// particles stay as the Arabic and the editions write them ("lillāhi", "birabbil-falaq").
std::size_t ParticleLength(const ArabicWord& w, const JoinedWords& joined) {
  const bool waFa = w.size() > 2 && (w[0].base == ar::kWaw || w[0].base == ar::kFeh) && w[0].Has(ar::kFatha);
  if (waFa && IsHamza(w[1].base) && HasVowel(w[1]) && !w[1].Has(ar::kSukun)) return 1;
  if (BeginsWithWaOrFa(w) && !joined.contains(WordKey(w))) return 1;
  const std::size_t ya = w.size() > 2 && w[0].base == ar::kWaw && w[0].Has(ar::kFatha) ? 1 : 0;
  if (w.size() > ya + 2 && w[ya].base == ar::kYeh && w[ya].Has(ar::kFatha)) {
    const std::size_t next = w[ya + 1].base == ar::kTatweel ? ya + 2 : ya + 1;
    if (next < w.size() && w[next - 1].Has(ar::kDaggerAlef)) return next;
  }
  return 0;
}

std::vector<ArabicWord> SplitParticles(std::vector<ArabicWord> words, const JoinedWords& joined) {
  std::vector<ArabicWord> out;
  for (ArabicWord& w : words) {
    for (std::size_t split; (split = ParticleLength(w, joined)) != 0;) {
      out.emplace_back(w.begin(), w.begin() + static_cast<std::ptrdiff_t>(split));
      w.erase(w.begin(), w.begin() + static_cast<std::ptrdiff_t>(split));
    }
    out.push_back(std::move(w));
  }
  return out;
}

// ---- The Latin as sounds -----------------------------------------------------------------

enum class Vowel { None, A, I, U, E };

struct Sound {
  char32_t letter = 0;        // the Arabic consonant
  std::string consonant;      // its Latin; empty when not written
  bool shadda = false;        // as written
  bool doubled = false;       // written twice
  bool hyphenInside = false;  // the article assimilated: "r-r" of ar-raḥmān
  bool hyphenAfter = false;   // the article before a moon letter: "l-" of al-ḥamdu
  Vowel vowel = Vowel::None;
  bool isLong = false;
  bool silah = false;  // the pronoun's vowel made long by a small waw or yeh (lahū)
  char glide = 0;      // 'i' or 'u': the diphthongs ai, au
  bool tanwin = false;
  std::string nasal = "n";   // the tanwin's n, or the sound it takes (joins)
  bool sukunMarked = false;  // a written sukun: the n is said as it is
  bool taMarbuta = false;
  char helper = 0;    // a vowel said before hamzat waṣl after a tanwin
  std::string pause;  // written in brackets at a pause: "(un)"
};

struct Word {
  std::vector<Sound> sounds;
  bool wasl = false;           // begins with hamzat waṣl
  Vowel waslVowel = Vowel::A;  // said when nothing goes before
  bool joined = false;         // written on to the word before (the waṣl elided)
  std::string spelled;         // the letters at a surah's head, by name
  char32_t stopSign = 0;       // the mushaf's stop sign over its last letter
  bool pause = false;          // the reading pauses after it (a stop, or the verse's end)
};

std::string VowelText(Vowel v, bool isLong) {
  switch (v) {
    case Vowel::A:
      return isLong ? "ā" : "a";
    case Vowel::I:
      return isLong ? "ī" : "i";
    case Vowel::U:
      return isLong ? "ū" : "u";
    case Vowel::E:
      return isLong ? "ē" : "e";
    case Vowel::None:
      break;
  }
  return "";
}

Vowel VowelOf(const ArabicLetter& l, bool* tanwin) {
  for (char32_t m : l.marks) {
    switch (m) {
      case ar::kFatha:
        return Vowel::A;
      case ar::kKasra:
        return Vowel::I;
      case ar::kDamma:
        return Vowel::U;
      case ar::kImalaDot:
        return Vowel::E;
      case ar::kFathatan:
      case ar::kOpenFathatan:
        *tanwin = true;
        return Vowel::A;
      case ar::kKasratan:
      case ar::kOpenKasratan:
        *tanwin = true;
        return Vowel::I;
      case ar::kDammatan:
      case ar::kOpenDammatan:
        *tanwin = true;
        return Vowel::U;
      default:
        break;
    }
  }
  return Vowel::None;
}

// The name of God: the lam of لَّه after another lam, the word ending there or in مَّ
// (Allāhumma). Its a is long though no alif is written, and the article before it takes no
// hyphen: huwallāhu, lillāhi.
bool IsNameOfGod(const ArabicWord& w, std::size_t lam) {
  if (lam == 0 || lam + 1 >= w.size() || w[lam - 1].base != ar::kLam) return false;
  if (w[lam].base != ar::kLam || !w[lam].Has(ar::kShadda)) return false;
  if (w[lam + 1].base != ar::kHeh) return false;
  return lam + 2 == w.size() || (lam + 3 == w.size() && w[lam + 2].base == ar::kMeem);
}

// The vowel before `prev` made long when it is `v` (not after a tanwin).
void Lengthen(Sound* prev, Vowel v) {
  if (prev && !prev->tanwin && prev->vowel == v) prev->isLong = true;
}

// A tatweel carries marks: a hamza's seat (then it is a consonant, and its dagger alif no ā),
// a dagger alif or a small yeh lengthening the vowel before, or a small high noon (nunjī).
bool TakeTatweel(const ArabicLetter& l, std::vector<Sound>& sounds) {
  if (l.Has(ar::kHamzaAbove)) return false;
  Sound* prev = sounds.empty() ? nullptr : &sounds.back();
  if (l.Has(ar::kDaggerAlef)) Lengthen(prev, Vowel::A);
  if (l.Has(ar::kSmallHighYeh)) Lengthen(prev, Vowel::I);
  if (l.Has(ar::kSmallHighNoon)) {
    sounds.emplace_back();
    sounds.back().letter = ar::kNoon;
    sounds.back().consonant.assign(1, 'n');
  }
  return true;
}

// A plain waw or yeh after a vowel: ū or ī after its own vowel, the diphthong au or ai after
// a, ā with a dagger alif (ٱلصَّلَوٰة: aṣ-ṣalāh); else a consonant.
bool TakeWawOrYeh(const ArabicLetter& l, Sound* prev) {
  bool tanwin = false;
  const bool plain = VowelOf(l, &tanwin) == Vowel::None && !l.Has(ar::kShadda);
  if (!plain || !prev || prev->tanwin) return false;
  const Vowel own = l.base == ar::kWaw ? Vowel::U : Vowel::I;
  if (l.Has(ar::kDaggerAlef) || prev->vowel == own) {
    Lengthen(prev, l.Has(ar::kDaggerAlef) ? Vowel::A : own);
    return true;
  }
  if (prev->vowel != Vowel::A || prev->glide != 0) return false;
  prev->glide = l.base == ar::kWaw ? 'u' : 'i';
  return true;
}

// A letter that only lengthens or closes the vowel before it, or is not pronounced at all;
// true when it was taken so.
bool TakeVowelLetter(const ArabicLetter& l, std::vector<Sound>& sounds) {
  if (l.Has(ar::kNotPronounced) || l.Has(ar::kSmallHighRectangularZero)) return true;
  Sound* prev = sounds.empty() ? nullptr : &sounds.back();
  switch (l.base) {
    case ar::kAlef:
      Lengthen(prev, Vowel::E);
      Lengthen(prev, Vowel::A);
      return true;
    case ar::kAlefMaksura:
      Lengthen(prev, Vowel::E);
      Lengthen(prev, Vowel::I);
      Lengthen(prev, Vowel::A);
      return true;
    case ar::kTatweel:
      return TakeTatweel(l, sounds);
    case ar::kWaw:
    case ar::kYeh:
      return TakeWawOrYeh(l, prev);
    default:
      return false;
  }
}

// The article of a word: ٱل after its optional particle, or لِل (li + al).
enum class Article { None, Moon, Sun, NameOfGod };

Article ArticleAt(const ArabicWord& w, std::size_t lam) {
  if (lam + 1 >= w.size() || w[lam].base != ar::kLam) return Article::None;
  const bool afterWasl = lam >= 1 && w[lam - 1].base == ar::kAlefWasla;
  // li or la after an optional wa or fa: lil-muttaqīn, faliż-żakari, walal-ākhiratu.
  const bool afterLi = lam >= 1 && lam <= 2 && w[lam - 1].base == ar::kLam &&
                       (w[lam - 1].Has(ar::kKasra) || w[lam - 1].Has(ar::kFatha)) &&
                       (lam == 1 || w[0].base == ar::kWaw || w[0].base == ar::kFeh);
  if (!afterWasl && !afterLi) return Article::None;
  if (w[lam].Has(ar::kSukun)) return Article::Moon;
  if (w[lam].Has(ar::kShadda)) return IsNameOfGod(w, lam) ? Article::NameOfGod : Article::Sun;  // ٱلَّذِي
  if (!HasVowel(w[lam]) && w[lam + 1].Has(ar::kShadda))
    return IsNameOfGod(w, lam + 1) ? Article::NameOfGod : Article::Sun;
  return Article::None;
}

Word SpellLetters(const ArabicWord& w) {
  Word word;
  for (const ArabicLetter& l : w) {
    if (!word.spelled.empty()) word.spelled += ' ';
    word.spelled += LetterName(l.base);
  }
  return word;
}

// Hamzat waṣl at a word's start, said when nothing goes before: al- for the article, else u
// when the third letter has u (unẓur), else i (ihdinā).
Vowel WaslVowel(const ArabicWord& w) {
  if (ArticleAt(w, 1) != Article::None) return Vowel::A;
  bool tanwin = false;
  return w.size() > 2 && VowelOf(w[2], &tanwin) == Vowel::U ? Vowel::U : Vowel::I;
}

// The consonant as written: a hamza is ’ (not written at a word's start, nor after the
// article: al-ākhirah); ص with a small seen over it is read s.
bool IsHamzaLetter(const ArabicLetter& l) {
  return IsHamza(l.base) || l.Has(ar::kHamzaAbove) || l.Has(ar::kHamzaBelow);
}

std::string ConsonantText(const ArabicLetter& l, std::size_t j, const std::vector<Sound>& before) {
  if (IsHamzaLetter(l)) return j == 0 || (!before.empty() && before.back().hyphenAfter) ? "" : "’";
  if (l.base == ar::kSad && l.Has(ar::kSmallHighSeen)) return "s";
  return std::string(Consonant(l.base));
}

// Iqlāb, n read m before b: a small meem after a nūn, or after a vowel sign, which it makes a
// tanwin (عَلِيمُۢ بِ, ‘alīmum bi).
void ApplyIqlab(const ArabicLetter& l, Sound& s) {
  if (!l.Has(ar::kSmallHighMeem) && !l.Has(ar::kSmallLowMeem)) return;
  if (l.base == ar::kNoon && s.vowel == Vowel::None) {
    s.consonant.assign(1, 'm');
  } else if (s.vowel != Vowel::None) {
    s.tanwin = true;
    s.nasal.assign(1, 'm');
  }
}

// The sound of the consonant at w[j]; `assimilated` when the article's l became this letter.
Sound MakeSound(const ArabicWord& w, std::size_t j, Article article, bool assimilated,
                const std::vector<Sound>& before) {
  const ArabicLetter& l = w[j];
  Sound s;
  s.letter = l.base;
  s.consonant = ConsonantText(l, j, before);
  s.vowel = VowelOf(l, &s.tanwin);
  if (IsHamzaLetter(l) && s.vowel == Vowel::None && l.Has(ar::kMaddah)) {  // ٱلۡأٓخِرَة: the madd is the ā
    s.vowel = Vowel::A;
    s.isLong = true;
  }
  // A shadda on a word's first letter marks the join with the word before; the join is
  // written there (may yaqūlu, hudal lil-muttaqīn).
  s.shadda = l.Has(ar::kShadda);
  s.hyphenInside = assimilated || (article == Article::Sun && s.shadda);
  s.doubled = (s.shadda && j > 0) || s.hyphenInside;
  s.hyphenAfter = article == Article::Moon;
  s.sukunMarked = l.Has(ar::kSukun);
  s.taMarbuta = l.base == ar::kTehMarbuta;
  ApplyIqlab(l, s);
  if (l.Has(ar::kDaggerAlef) && s.vowel == Vowel::A) s.isLong = true;
  s.silah = (l.Has(ar::kSmallWaw) && s.vowel == Vowel::U) || (l.Has(ar::kSmallYeh) && s.vowel == Vowel::I);
  s.isLong = s.isLong || s.silah || IsNameOfGod(w, j);
  return s;
}

// The letters at a surah's head carry no vowel at all and are read by name.
bool IsSpelledLetters(const ArabicWord& w) {
  return std::none_of(w.begin(), w.end(), HasVowel) &&
         std::all_of(w.begin(), w.end(), [](const ArabicLetter& l) { return !LetterName(l.base).empty(); });
}

Word BuildWord(const ArabicWord& w) {
  if (IsSpelledLetters(w)) return SpellLetters(w);
  Word word;
  bool assimilateNext = false;  // the article's l became the next letter
  for (std::size_t j = 0; j < w.size(); ++j) {
    const ArabicLetter& l = w[j];
    if (l.base == ar::kAlefWasla) {
      if (j == 0) word.wasl = true;
      continue;
    }
    const Article article = ArticleAt(w, j);
    if (article == Article::Sun && !l.Has(ar::kShadda)) {  // said as the letter after it
      assimilateNext = true;
      continue;
    }
    if (article == Article::NameOfGod && !l.Has(ar::kShadda)) continue;
    if (TakeVowelLetter(l, word.sounds)) continue;
    // A consonant without any mark before a shadda is said as the letter after it
    // (عَبَدتُّمۡ, ‘abattum): the shadda's doubling writes it.
    if (l.marks.empty() && j > 0 && j + 1 < w.size() && w[j + 1].Has(ar::kShadda)) continue;
    word.sounds.push_back(MakeSound(w, j, article, assimilateNext, word.sounds));
    assimilateNext = false;
  }
  if (word.wasl) word.waslVowel = WaslVowel(w);
  word.stopSign = w.empty() ? 0 : StopSignOf(w.back());
  return word;
}

// ---- The passes over a verse -------------------------------------------------------------

// Where the reading pauses: at the verse's end, and at the mushaf's stop signs inside it (ۖ ۗ
// ۘ ۚ, and the first of a pair of ۛ, as reciters are taught to stop at one of the two).
void MarkPauses(std::vector<Word>& words) {
  bool pairOpen = false;
  for (Word& word : words) {
    const bool paired = word.stopSign == ar::kWaqfThreeDots;
    word.pause = word.stopSign != 0 && !(paired && pairOpen);
    if (paired) pairOpen = !pairOpen;
  }
  if (!words.empty()) words.back().pause = true;
}

// Elision: a word beginning with hamzat waṣl is written on to the word before, whose long
// vowel is then said short (fid-dunyā); after a tanwin the n takes an i (khairanil-…), after a
// closed syllable the helping vowel the text usually writes itself, else i. Not across a pause.
void ElideWasl(std::vector<Word>& words) {
  for (std::size_t k = 1; k < words.size(); ++k) {
    if (!words[k].wasl || words[k - 1].sounds.empty() || words[k - 1].pause) continue;
    words[k].joined = true;
    Sound& last = words[k - 1].sounds.back();
    if (last.tanwin) {
      last.helper = 'i';
    } else if (last.vowel == Vowel::None && last.glide == 0) {
      last.vowel = Vowel::I;
    } else if (last.glide == 0) {
      last.isLong = false;
    }
  }
}

bool IsAssimilating(char32_t next) {
  return next == ar::kYeh || next == ar::kWaw || next == ar::kMeem || next == ar::kNoon || next == ar::kLam ||
         next == ar::kReh;
}

// Joins of recitation: nūn sākinah and tanwin take the sound of a following y, w, m, n, l or
// r, and become m before b. A written sukun keeps the n (yā sīn, wal-qur’ān). Any other
// consonant the text leaves without a mark before a shadda takes the next word's first sound
// (qat tabayyana, yalhaż żālika). Not across a pause.
void JoinNasals(std::vector<Word>& words) {
  for (std::size_t k = 0; k + 1 < words.size(); ++k) {
    if (words[k].sounds.empty() || words[k].pause || words[k + 1].joined || words[k + 1].sounds.empty())
      continue;
    Sound& last = words[k].sounds.back();
    const char32_t next = words[k + 1].sounds.front().letter;
    if (words[k + 1].sounds.front().shadda && !last.tanwin && last.vowel == Vowel::None &&
        !last.sukunMarked && !last.doubled && last.glide == 0 && !Consonant(next).empty()) {
      last.consonant = Consonant(next);
      continue;
    }
    if (!IsAssimilating(next) && next != ar::kBeh) continue;
    const std::string sound = next == ar::kBeh ? "m" : std::string(Consonant(next));
    if (last.tanwin) {
      last.nasal = sound;
    } else if (last.letter == ar::kNoon && last.vowel == Vowel::None && !last.sukunMarked && !last.doubled) {
      last.consonant = sound;
    }
  }
}

// The pause form of a word: the last short vowel or tanwin goes in brackets, a tanwin after
// a is said ā (yusrā(n)), and tā’ marbūṭah is said h with what it would be in brackets, as is
// the pronoun's long vowel (yarah(ū)).
// Printed editions over the guideline here: the 1987 guideline writes a pause form alone
// (ḥāmiyah); the Ministry's Quran editions add the continued reading in brackets, "(tan)"
// after such an h, and that is followed.
void PauseAt(Word& word) {
  if (word.sounds.empty() || !word.spelled.empty()) return;
  Sound& last = word.sounds.back();
  if (last.silah) {  // yarah(ū)
    last.pause = VowelText(last.vowel, true);
    last.vowel = Vowel::None;
    return;
  }
  if (last.isLong || last.glide || last.vowel == Vowel::None) return;
  const std::string vowel = VowelText(last.vowel, false);
  if (last.taMarbuta) {
    last.pause = "t" + vowel + (last.tanwin ? "n" : "");
    last.consonant.assign(1, 'h');
    last.vowel = Vowel::None;
  } else if (last.tanwin && last.vowel == Vowel::A) {
    last.pause.assign(1, 'n');
    last.isLong = true;
  } else {
    last.pause = vowel + (last.tanwin ? "n" : "");
    last.vowel = Vowel::None;
  }
  last.tanwin = false;
}

// `startsReading`: the word opens the verse or follows a pause. The article before lām is
// then written "All…" as the name of God is (Allażī); joined, it keeps its hyphen (żal-lażī).
// Printed editions over the guideline here: the guideline keeps the article's hyphen.
std::string Render(const Sound& s, bool startsReading) {
  std::string out;
  if (s.doubled) {
    out += s.consonant;
    if (s.hyphenInside && !(startsReading && s.letter == ar::kLam)) out += '-';
  }
  out += s.consonant;
  out += VowelText(s.vowel, s.isLong);
  if (s.glide) out += s.glide;
  if (s.tanwin) out += s.nasal;
  if (s.helper) out += s.helper;
  if (s.hyphenAfter) out += '-';
  if (!s.pause.empty()) out += "(" + s.pause + ")";
  return out;
}

std::string RenderWord(const Word& word, bool startsReading) {
  std::string out = startsReading && word.wasl ? VowelText(word.waslVowel, false) : "";
  out += word.spelled;
  for (std::size_t i = 0; i < word.sounds.size(); ++i)
    out += Render(word.sounds[i], startsReading && word.wasl && i == 0);
  return out;
}

std::string UpperFirstLetter(const std::string& text) {
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = 1;
    const char32_t c = DecodeUtf8At(text, pos, &length);
    if (c != U'‘' && c != U'’' && c != U'-') {
      std::string out = text.substr(0, pos);
      AppendUtf8(out, LatinUpper(c));
      return out + text.substr(pos + length);
    }
    pos += length;
  }
  return text;
}

std::vector<Word> ReadWords(std::string_view arabicUtf8, const JoinedWords& joined) {
  std::vector<Word> words;
  for (const ArabicWord& w : SplitParticles(ParseWords(arabicUtf8), joined)) words.push_back(BuildWord(w));
  MarkPauses(words);
  ElideWasl(words);
  JoinNasals(words);
  for (Word& word : words)
    if (word.pause) PauseAt(word);
  return words;
}

}  // namespace

std::string TransliterateVerse(std::string_view arabicUtf8, const JoinedWords& joined) {
  std::string out;
  bool afterPause = true;
  for (const Word& word : ReadWords(arabicUtf8, joined)) {
    if (!out.empty() && !word.joined) out += afterPause ? ", " : " ";
    out += RenderWord(word, afterPause);
    afterPause = word.pause;
  }
  if (out.empty()) return out;
  return UpperFirstLetter(out) + ".";
}

}  // namespace pelvaron::latin
