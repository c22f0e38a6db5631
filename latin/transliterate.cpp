#include "latin/transliterate.hpp"

#include <algorithm>
#include <vector>

#include "latin/letters.hpp"
#include "module/text.hpp"

namespace pelvaron::latin {
namespace {

// ---- The Arabic as letters with their marks ----------------------------------------------

struct ArabicLetter {
  char32_t base = 0;
  std::u32string marks;
  bool Has(char32_t mark) const { return marks.find(mark) != std::u32string::npos; }
};
using ArabicWord = std::vector<ArabicLetter>;

bool IsBase(char32_t c) { return (c >= U'\u0621' && c <= U'\u064A') || c == ar::kAlefWasla; }
bool IsMark(char32_t c) {
  return (c >= U'\u064B' && c <= U'\u065F') || c == ar::kDaggerAlef || (c >= U'\u06D6' && c <= U'\u06ED') ||
         (c >= ar::kOpenFathatan && c <= ar::kOpenKasratan);
}
bool IsBlank(char32_t c) { return c == U' ' || c == U'\u00A0'; }
// A thin space the text sets inside a word (فَٱدَّـٰرَ ٰٔتُمۡ) carries the marks after it, as
// a tatweel does; before a letter it is a blank.
constexpr char32_t kThinSpace = U'\u2009';

std::vector<ArabicWord> ParseWords(std::string_view text) {
  std::vector<ArabicWord> words(1);
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = 1;
    const char32_t c = DecodeUtf8At(text, pos, &length);
    pos += length;
    std::size_t nextLength = 1;
    const bool markNext = pos < text.size() && IsMark(DecodeUtf8At(text, pos, &nextLength));
    if (IsBlank(c) || (c == kThinSpace && !markNext)) {
      if (!words.back().empty()) words.emplace_back();
    } else if (c == U'\u0622') {  // آ as one character, in text from elsewhere
      words.back().push_back({ar::kAlef, std::u32string(1, ar::kMaddah)});
    } else if (IsBase(c) || c == kThinSpace) {
      words.back().push_back({c == kThinSpace ? ar::kTatweel : c, {}});
    } else if (IsMark(c) && !words.back().empty()) {
      words.back().back().marks += c;
    }
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

bool HasVowel(const ArabicLetter& l) {
  // Iterator algorithms, not std::ranges: the web build's libc++ 14 lacks the range ones.
  return std::any_of(l.marks.begin(), l.marks.end(), [](char32_t m) {
    return (m >= ar::kFathatan && m <= ar::kShadda) || m == ar::kSukun || m == ar::kDaggerAlef ||
           (m >= ar::kOpenFathatan && m <= ar::kOpenKasratan);
  });
}

// وَ and فَ before a hamza, and the vocative يَٰ, are printed as words of their own
// ("wa iyyāka", "fa iżā", "yā ayyuhā", "yā qaumi"), so a hamza after them stays unwritten as
// at any word's start. The guideline lets joined particles be written either way; other ones
// stay joined as the Arabic writes them ("walam", "lillāhi", "birabbil-falaq"), since the
// letters alone cannot tell a conjunction wa from a root's w (wa lam, but wajada).
std::vector<ArabicWord> SplitParticles(std::vector<ArabicWord> words) {
  std::vector<ArabicWord> out;
  for (ArabicWord& w : words) {
    std::size_t split = 0;
    const bool conjunction =
        w.size() > 2 && (w[0].base == ar::kWaw || w[0].base == ar::kFeh) && w[0].Has(ar::kFatha);
    if (conjunction && IsHamza(w[1].base) && HasVowel(w[1]) && !w[1].Has(ar::kSukun)) split = 1;
    // يَٰ (after an optional wa) is always the vocative in the text: yā qaumi, wayā samā’u.
    const std::size_t ya = w.size() > 2 && w[0].base == ar::kWaw && w[0].Has(ar::kFatha) ? 1 : 0;
    if (w.size() > ya + 2 && w[ya].base == ar::kYeh && w[ya].Has(ar::kFatha)) {
      const std::size_t next = w[ya + 1].base == ar::kTatweel ? ya + 2 : ya + 1;
      if (next < w.size() && w[next - 1].Has(ar::kDaggerAlef)) split = next;
    }
    if (split) {
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

// A letter that only lengthens or closes the vowel before it, or is not pronounced at all;
// true when it was taken so.
bool TakeVowelLetter(const ArabicLetter& l, std::vector<Sound>& sounds) {
  if (l.Has(ar::kNotPronounced) || l.Has(ar::kSmallHighRectangularZero)) return true;
  Sound* prev = sounds.empty() ? nullptr : &sounds.back();
  bool tanwin = false;
  const bool plain = VowelOf(l, &tanwin) == Vowel::None && !l.Has(ar::kShadda);
  const auto lengthen = [&](Vowel v) {
    if (prev && !prev->tanwin && prev->vowel == v) prev->isLong = true;
    return true;
  };
  switch (l.base) {
    case ar::kAlef:
      if (prev && !prev->tanwin && prev->vowel == Vowel::E) prev->isLong = true;
      return lengthen(Vowel::A);
    case ar::kAlefMaksura:
      if (prev && !prev->tanwin && (prev->vowel == Vowel::E || prev->vowel == Vowel::I)) prev->isLong = true;
      return lengthen(Vowel::A);
    case ar::kTatweel:
      if (l.Has(ar::kHamzaAbove)) return false;  // a hamza's seat: its dagger alif is no ā
      if (l.Has(ar::kDaggerAlef)) lengthen(Vowel::A);
      if (l.Has(ar::kSmallHighYeh)) lengthen(Vowel::I);
      if (l.Has(ar::kSmallHighNoon)) {
        sounds.emplace_back();
        sounds.back().letter = ar::kNoon;
        sounds.back().consonant.assign(1, 'n');
      }
      return true;
    case ar::kWaw:
    case ar::kYeh: {
      if (!plain || !prev || prev->tanwin) return false;
      if (l.Has(ar::kDaggerAlef)) return lengthen(Vowel::A);  // ٱلصَّلَوٰة: aṣ-ṣalāh
      const Vowel own = l.base == ar::kWaw ? Vowel::U : Vowel::I;
      if (prev->vowel == own) return lengthen(own);
      if (prev->vowel == Vowel::A && prev->glide == 0) {
        prev->glide = l.base == ar::kWaw ? 'u' : 'i';
        return true;
      }
      return false;
    }
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

Word BuildWord(const ArabicWord& w) {
  // The letters at a surah's head carry no vowel at all and are read by name.
  if (std::none_of(w.begin(), w.end(), HasVowel) &&
      std::all_of(w.begin(), w.end(), [](const ArabicLetter& l) { return !LetterName(l.base).empty(); }))
    return SpellLetters(w);
  Word word;
  bool assimilateNext = false;  // the article's l became the next letter
  for (std::size_t j = 0; j < w.size(); ++j) {
    const ArabicLetter& l = w[j];
    if (l.base == ar::kAlefWasla) {
      if (j == 0) {
        word.wasl = true;
        // al- for the article, else u when the third letter has u (unẓur), else i (ihdinā).
        bool tanwin = false;
        if (ArticleAt(w, 1) != Article::None)
          word.waslVowel = Vowel::A;
        else
          word.waslVowel = w.size() > 2 && VowelOf(w[2], &tanwin) == Vowel::U ? Vowel::U : Vowel::I;
      }
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
    Sound s;
    s.letter = l.base;
    const bool hamza = IsHamza(l.base) || l.Has(ar::kHamzaAbove) || l.Has(ar::kHamzaBelow);
    s.consonant = hamza ? "’" : std::string(Consonant(l.base));
    if (l.base == ar::kSad && l.Has(ar::kSmallHighSeen)) s.consonant.assign(1, 's');
    // A hamza is not written at a word's start, nor after the article (al-ākhirah).
    if (hamza && (j == 0 || (!word.sounds.empty() && word.sounds.back().hyphenAfter))) s.consonant.clear();
    s.vowel = VowelOf(l, &s.tanwin);
    if (hamza && s.vowel == Vowel::None && l.Has(ar::kMaddah)) {  // ٱلۡأٓخِرَة: the madd is the ā
      s.vowel = Vowel::A;
      s.isLong = true;
    }
    // A shadda on a word's first letter marks the join with the word before; the join is
    // written there (may yaqūlu, hudal lil-muttaqīn).
    s.shadda = l.Has(ar::kShadda);
    s.doubled = s.shadda && j > 0;
    s.hyphenInside = assimilateNext || (article == Article::Sun && l.Has(ar::kShadda));
    s.doubled = s.doubled || s.hyphenInside;
    s.hyphenAfter = article == Article::Moon;
    assimilateNext = false;
    s.sukunMarked = l.Has(ar::kSukun);
    s.taMarbuta = l.base == ar::kTehMarbuta;
    // Iqlāb, n read m before b: a small meem after a nūn, or after a vowel sign, which it
    // makes a tanwin (عَلِيمُۢ بِ, ‘alīmum bi).
    if (l.Has(ar::kSmallHighMeem) || l.Has(ar::kSmallLowMeem)) {
      if (l.base == ar::kNoon && s.vowel == Vowel::None) {
        s.consonant.assign(1, 'm');
      } else if (s.vowel != Vowel::None) {
        s.tanwin = true;
        s.nasal.assign(1, 'm');
      }
    }
    if (l.Has(ar::kDaggerAlef) && s.vowel == Vowel::A) s.isLong = true;
    s.silah = (l.Has(ar::kSmallWaw) && s.vowel == Vowel::U) || (l.Has(ar::kSmallYeh) && s.vowel == Vowel::I);
    s.isLong = s.isLong || s.silah;
    if (IsNameOfGod(w, j)) s.isLong = true;
    word.sounds.push_back(std::move(s));
  }
  return word;
}

// ---- The passes over a verse -------------------------------------------------------------

// Elision: a word beginning with hamzat waṣl is written on to the word before, whose long
// vowel is then said short (fid-dunyā); after a tanwin the n takes an i (khairanil-…), after a
// closed syllable the helping vowel the text usually writes itself, else i.
void ElideWasl(std::vector<Word>& words) {
  for (std::size_t k = 1; k < words.size(); ++k) {
    if (!words[k].wasl || words[k - 1].sounds.empty()) continue;
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

// Joins of recitation: nūn sākinah and tanwin take the sound of a following y, w, m, n, l or
// r, and become m before b. A written sukun keeps the n (yā sīn, wal-qur’ān). Any other
// consonant the text leaves without a mark before a shadda takes the next word's first sound
// (qat tabayyana, yalhaż żālika).
void JoinNasals(std::vector<Word>& words) {
  static const std::u32string kAssimilating = U"\u064A\u0648\u0645\u0646\u0644\u0631";
  for (std::size_t k = 0; k + 1 < words.size(); ++k) {
    if (words[k].sounds.empty() || words[k + 1].joined || words[k + 1].sounds.empty()) continue;
    Sound& last = words[k].sounds.back();
    const char32_t next = words[k + 1].sounds.front().letter;
    if (words[k + 1].sounds.front().shadda && !last.tanwin && last.vowel == Vowel::None &&
        !last.sukunMarked && !last.doubled && last.glide == 0 && !Consonant(next).empty()) {
      last.consonant = Consonant(next);
      continue;
    }
    const bool assimilates = kAssimilating.find(next) != std::u32string::npos;
    if (!assimilates && next != U'\u0628') continue;
    const std::string sound = assimilates ? std::string(Consonant(next)) : "m";
    if (last.tanwin) {
      last.nasal = sound;
    } else if (last.letter == ar::kNoon && last.vowel == Vowel::None && !last.sukunMarked && !last.doubled) {
      last.consonant = sound;
    }
  }
}

// The pause at the verse's end: the last short vowel or tanwin goes in brackets, a tanwin
// after a is said ā (yusrā(n)), and tā’ marbūṭah is said h with what it would be in brackets,
// as is the pronoun's long vowel (yarah(ū)).
// Printed editions over the guideline here: the 1987 guideline writes a pause form alone
// (ḥāmiyah); the Ministry's Quran editions add the continued reading in brackets, "(tan)"
// after such an h, and that is followed.
void Pause(std::vector<Word>& words) {
  if (words.empty() || words.back().sounds.empty() || !words.back().spelled.empty()) return;
  Sound& last = words.back().sounds.back();
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
    last.tanwin = false;
  } else if (last.tanwin && last.vowel == Vowel::A) {
    last.pause.assign(1, 'n');
    last.isLong = true;
    last.tanwin = false;
  } else {
    last.pause = vowel + (last.tanwin ? "n" : "");
    last.vowel = Vowel::None;
    last.tanwin = false;
  }
}

std::string Render(const Sound& s) {
  std::string out;
  if (s.doubled) {
    out += s.consonant;
    if (s.hyphenInside) out += '-';
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

}  // namespace

std::string TransliterateVerse(std::string_view arabicUtf8) {
  std::vector<Word> words;
  for (const ArabicWord& w : SplitParticles(ParseWords(arabicUtf8))) words.push_back(BuildWord(w));
  ElideWasl(words);
  JoinNasals(words);
  Pause(words);
  std::string out;
  for (const Word& word : words) {
    if (out.empty() && word.wasl)
      out += VowelText(word.waslVowel, false);
    else if (!out.empty() && !word.joined)
      out += ' ';
    out += word.spelled;
    for (const Sound& s : word.sounds) out += Render(s);
  }
  if (out.empty()) return out;
  return UpperFirstLetter(out) + ".";
}

}  // namespace pelvaron::latin
