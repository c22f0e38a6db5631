#pragma once
// The table of letters of the Arab-Latin transliteration guideline (joint decree of the
// Ministries of Religious Affairs and of Education, 1987), as the Ministry's Quran editions
// print it. Everything the passes know about a single character lives here.

#include <string_view>

namespace pelvaron::latin {

// The Latin of a consonant; empty for a character that is none.
std::string_view Consonant(char32_t letter);

// The fourteen letters the article's l is assimilated to (al-qamar, but ar-raḥmān).
bool IsSunLetter(char32_t letter);

// ء أ إ ؤ ئ: a hamza, written ’ except at the start of a word.
bool IsHamza(char32_t letter);

// The spelled name of a letter standing alone at the head of a surah (الٓمٓ: alif lām mīm).
std::string_view LetterName(char32_t letter);

// Upper case of the first letter of a verse, the dotted and macron letters included.
char32_t LatinUpper(char32_t c);

// The Arabic characters the passes name.
namespace ar {
inline constexpr char32_t kHamza = U'\u0621', kAlefMaddaAbove = U'\u0622', kAlefHamzaAbove = U'\u0623',
                          kAlefHamzaBelow = U'\u0625';
inline constexpr char32_t kAlef = U'\u0627', kTehMarbuta = U'\u0629', kTeh = U'\u062A';
inline constexpr char32_t kLam = U'\u0644', kMeem = U'\u0645', kNoon = U'\u0646', kHeh = U'\u0647';
inline constexpr char32_t kWaw = U'\u0648', kAlefMaksura = U'\u0649', kYeh = U'\u064A';
inline constexpr char32_t kBeh = U'\u0628', kReh = U'\u0631';
inline constexpr char32_t kFeh = U'\u0641', kSad = U'\u0635', kTatweel = U'\u0640', kAlefWasla = U'\u0671';
inline constexpr char32_t kFathatan = U'\u064B', kDammatan = U'\u064C', kKasratan = U'\u064D';
inline constexpr char32_t kFatha = U'\u064E', kDamma = U'\u064F', kKasra = U'\u0650';
inline constexpr char32_t kShadda = U'\u0651';
inline constexpr char32_t kLastHarakah = U'\u065F';  // the end of the vowel and hamza marks
// The Uthmani text's small high rounded zero: a letter written but never pronounced.
inline constexpr char32_t kNotPronounced = U'\u0652';
inline constexpr char32_t kMaddah = U'\u0653', kHamzaAbove = U'\u0654', kHamzaBelow = U'\u0655';
inline constexpr char32_t kImalaDot = U'\u065C';  // مَجۡرٜىٰهَا, read majrēhā
inline constexpr char32_t kDaggerAlef = U'\u0670';
// The stop signs of the Madinah mushaf, over a word's last letter: better to go on (ṣalā),
// better to stop (qalā), compulsory (mīm), either (jīm), and the pair of which a reciter
// stops at one (three dots).
inline constexpr char32_t kStopBetterToContinue = U'\u06D6', kStopBetterToStop = U'\u06D7';
inline constexpr char32_t kStopCompulsory = U'\u06D8', kStopPermitted = U'\u06DA', kStopPaired = U'\u06DB';
inline constexpr char32_t kFirstQuranicMark = U'\u06D6';  // the Quranic marks run to kSmallLowMeem
inline constexpr char32_t kSmallHighSeen = U'\u06DC';     // over ص: read as س
// Over the alif of أَنَا: not pronounced when the reading goes on.
inline constexpr char32_t kSmallHighRectangularZero = U'\u06E0';
inline constexpr char32_t kSukun = U'\u06E1';  // the Uthmani sukun (head of khah)
inline constexpr char32_t kSmallHighMeem = U'\u06E2', kSmallLowMeem = U'\u06ED';  // iqlāb: n read m
inline constexpr char32_t kSmallWaw = U'\u06E5', kSmallYeh = U'\u06E6', kSmallHighYeh = U'\u06E7';
inline constexpr char32_t kSmallHighNoon = U'\u06E8';  // نُـۨجِي, read nunjī
// The open (staggered) tanween as the pack stores them.
inline constexpr char32_t kOpenFathatan = U'\u08F0', kOpenDammatan = U'\u08F1', kOpenKasratan = U'\u08F2';
// Blanks: a thin space inside a word seats the marks after it (فَٱدَّـٰرَ ٰٔتُمۡ).
inline constexpr char32_t kNoBreakSpace = U'\u00A0', kThinSpace = U'\u2009';
}  // namespace ar

}  // namespace pelvaron::latin
