#pragma once
// The Arabic script as the Quran text uses it: named code points (letters, harakat, tanwin,
// the Uthmani text's small marks, waqf signs, verse-end ornaments, digits) and the classes of
// characters the Latin reading and the search both need. Each fact about a code point has
// this one home; the rooms give it meaning (what a mark is read as, what a search ignores).

namespace pelvaron::arabic {

// ---- Letters (U+0621..U+064A), hamza and its seats, alef forms -----------------------------
inline constexpr char32_t kHamza = U'\u0621';
inline constexpr char32_t kAlefMadda = U'\u0622';  // آ as one character, in text from elsewhere
inline constexpr char32_t kAlefHamzaAbove = U'\u0623', kWawHamzaAbove = U'\u0624';
inline constexpr char32_t kAlefHamzaBelow = U'\u0625', kYehHamzaAbove = U'\u0626';
inline constexpr char32_t kAlef = U'\u0627', kBeh = U'\u0628', kTehMarbuta = U'\u0629';
inline constexpr char32_t kTeh = U'\u062A', kTheh = U'\u062B', kJeem = U'\u062C', kHah = U'\u062D';
inline constexpr char32_t kKhah = U'\u062E', kDal = U'\u062F', kThal = U'\u0630', kReh = U'\u0631';
inline constexpr char32_t kZain = U'\u0632', kSeen = U'\u0633', kSheen = U'\u0634', kSad = U'\u0635';
inline constexpr char32_t kDad = U'\u0636', kTah = U'\u0637', kZah = U'\u0638', kAin = U'\u0639';
inline constexpr char32_t kGhain = U'\u063A', kFeh = U'\u0641', kQaf = U'\u0642', kKaf = U'\u0643';
inline constexpr char32_t kLam = U'\u0644', kMeem = U'\u0645', kNoon = U'\u0646', kHeh = U'\u0647';
inline constexpr char32_t kWaw = U'\u0648', kAlefMaksura = U'\u0649', kYeh = U'\u064A';
// The hamzat waṣl: an alef the reading skips when a word goes before.
inline constexpr char32_t kAlefWasla = U'\u0671';
// Stretches a joined letter; carries no sound, and the text hangs marks on it.
inline constexpr char32_t kTatweel = U'\u0640';

// ---- Harakat, tanwin and the marks set on a letter -----------------------------------------
inline constexpr char32_t kFathatan = U'\u064B', kDammatan = U'\u064C', kKasratan = U'\u064D';
inline constexpr char32_t kFatha = U'\u064E', kDamma = U'\u064F', kKasra = U'\u0650';
inline constexpr char32_t kShadda = U'\u0651';
// U+0652, drawn in the Uthmani text as a small high rounded zero: a letter written but never
// pronounced (the Uthmani sukun is kSukun below).
inline constexpr char32_t kNotPronounced = U'\u0652';
inline constexpr char32_t kMaddah = U'\u0653', kHamzaAbove = U'\u0654', kHamzaBelow = U'\u0655';
inline constexpr char32_t kImalaDot = U'\u065C';    // the dot below of مَجۡرٜىٰهَا, read majrēhā
inline constexpr char32_t kDaggerAlef = U'\u0670';  // the superscript alef: a long ā not written in full
// The open (staggered) tanween as the pack stores them.
inline constexpr char32_t kOpenFathatan = U'\u08F0', kOpenDammatan = U'\u08F1', kOpenKasratan = U'\u08F2';

// ---- The Uthmani text's small marks (U+06D6..U+06ED) ---------------------------------------
// Waqf signs, the pause marks set over the line: U+06D6..U+06DC.
inline constexpr char32_t kWaqfSadLamAlefMaksura = U'\u06D6';  // صلى: reading on is better
inline constexpr char32_t kWaqfQafLamAlefMaksura = U'\u06D7';  // قلى: pausing is better
inline constexpr char32_t kWaqfMeem = U'\u06D8';               // م: pause here
inline constexpr char32_t kWaqfLamAlef = U'\u06D9';            // لا: do not pause
inline constexpr char32_t kWaqfJeem = U'\u06DA';               // ج: either
inline constexpr char32_t kWaqfThreeDots = U'\u06DB';          // ∴ ∴: pause at one of the two
inline constexpr char32_t kSmallHighSeen = U'\u06DC';          // also over ص: read as س
inline constexpr char32_t kEndOfAyah = U'\u06DD';              // the verse-end ornament
inline constexpr char32_t kRubElHizb = U'\u06DE';              // the quarter-hizb ornament
inline constexpr char32_t kSmallHighRoundedZero = U'\u06DF';
// Over the alif of أَنَا: not pronounced when the reading goes on.
inline constexpr char32_t kSmallHighRectangularZero = U'\u06E0';
inline constexpr char32_t kSukun = U'\u06E1';  // the Uthmani sukun (the head of khah)
inline constexpr char32_t kSmallHighMeem = U'\u06E2', kSmallLowMeem = U'\u06ED';  // iqlāb: n read m
inline constexpr char32_t kSmallLowSeen = U'\u06E3', kSmallHighMadda = U'\u06E4';
inline constexpr char32_t kSmallWaw = U'\u06E5', kSmallYeh = U'\u06E6', kSmallHighYeh = U'\u06E7';
inline constexpr char32_t kSmallHighNoon = U'\u06E8';  // نُـۨجِي, read nunjī
inline constexpr char32_t kPlaceOfSajdah = U'\u06E9';
inline constexpr char32_t kEmptyCentreLowStop = U'\u06EA', kEmptyCentreHighStop = U'\u06EB';
inline constexpr char32_t kRoundedHighStopFilled = U'\u06EC';

// ---- Verse-end ornaments, digits, the spaces the text sets ---------------------------------
inline constexpr char32_t kOrnateLeftParenthesis = U'\uFD3E', kOrnateRightParenthesis = U'\uFD3F';
inline constexpr char32_t kArabicIndicZero = U'\u0660';          // ٠..٩: U+0660..U+0669
inline constexpr char32_t kExtendedArabicIndicZero = U'\u06F0';  // ۰..۹: U+06F0..U+06F9
inline constexpr char32_t kNoBreakSpace = U'\u00A0';
// Set inside a word (فَٱدَّـٰرَ ٰٔتُمۡ), where it carries the marks after it as a tatweel does.
inline constexpr char32_t kThinSpace = U'\u2009';

// ---- Classes -------------------------------------------------------------------------------

// The letters of the basic block, hamza to yeh (U+0621..U+064A), tatweel not among them.
constexpr bool IsBasicLetter(char32_t c) { return c >= kHamza && c <= kYeh && c != kTatweel; }

// Any letter: the basic ones and the extended ones from alef wasla on (U+0671..U+06D3).
constexpr bool IsLetter(char32_t c) { return IsBasicLetter(c) || (c >= kAlefWasla && c <= U'\u06D3'); }

// Alef with a hamza or madda, and alef wasla: the forms of alef (alef itself not among them).
constexpr bool IsAlefForm(char32_t c) {
  return c == kAlefMadda || c == kAlefHamzaAbove || c == kAlefHamzaBelow || c == kAlefWasla;
}

// The three tanwin, plain or open.
constexpr bool IsTanwin(char32_t c) {
  return (c >= kFathatan && c <= kKasratan) || (c >= kOpenFathatan && c <= kOpenKasratan);
}

// The harakat the text writes: tanwin, the short vowels, shadda and the Uthmani sukun (U+0652
// is kNotPronounced there, no sukun).
constexpr bool IsHarakah(char32_t c) { return IsTanwin(c) || (c >= kFatha && c <= kShadda) || c == kSukun; }

// The marks the Uthmani text sets on a letter: harakat and the signs after them
// (U+064B..U+065F), the dagger alef, the small marks and waqf signs (U+06D6..U+06ED, the
// verse-end ornament among them) and the open tanween.
constexpr bool IsUthmaniMark(char32_t c) {
  return (c >= kFathatan && c <= U'\u065F') || c == kDaggerAlef ||
         (c >= kWaqfSadLamAlefMaksura && c <= kSmallLowMeem) || (c >= kOpenFathatan && c <= kOpenKasratan);
}

// Every combining mark of vowels and Quranic annotation: the Uthmani ones, the honorific
// signs (U+0610..U+061A) and the extended annotation marks (U+08D3..U+08FF).
constexpr bool IsQuranicMark(char32_t c) {
  return IsUthmaniMark(c) || (c >= U'\u0610' && c <= U'\u061A') || (c >= U'\u08D3' && c <= U'\u08FF');
}

// The value of an Arabic-Indic or extended Arabic-Indic digit, -1 for any other character.
constexpr int DigitValue(char32_t c) {
  if (c >= kArabicIndicZero && c <= kArabicIndicZero + 9) return static_cast<int>(c - kArabicIndicZero);
  if (c >= kExtendedArabicIndicZero && c <= kExtendedArabicIndicZero + 9)
    return static_cast<int>(c - kExtendedArabicIndicZero);
  return -1;
}

}  // namespace pelvaron::arabic
