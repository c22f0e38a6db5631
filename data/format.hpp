#pragma once
// The DataQuran files as they lie on disk: names, record layouts, markers and limits. The
// readers (data/), the pack builder (pack/) and the tests' writer all take them from here,
// so a format detail has one home.

#include <array>
#include <string_view>

namespace pelvaron {

// surahindex.mtf: 114 records, each the Windows-1252 name padded with spaces, then the
// verse count and a value never read, both 16-bit little-endian.
inline constexpr std::string_view kSurahIndexFile = "surahindex.mtf";
inline constexpr int kSurahNameSize = 30;
inline constexpr int kSurahRecordSize = kSurahNameSize + 2 + 2;

// pos_depag.txt: per surah, the global number of the verse before its first, one a line.
inline constexpr std::string_view kVersePositionsFile = "pos_depag.txt";

// Both text files end their lines with CR LF.
inline constexpr std::string_view kLineEnd = "\r\n";

// AQO2.TXT: one verse a line, each word a run of glyph pieces "S|NNNN" joined by "_" and
// stored last piece first, each word closed by the marker. S selects the font, NNNN is the
// character number plus kGlyphOffset; the second character is never read.
inline constexpr std::string_view kArabicTextFile = "AQO2.TXT";
inline constexpr std::string_view kWordMarker = "_6| _";
inline constexpr std::string_view kBlankPiece = "6| ";
inline constexpr char kPieceSeparator = '_';
inline constexpr char kPieceSelectorEnd = '|';
inline constexpr int kGlyphOffset = 4096;
// The selector of the document's own text font, and the name the insertions give that font.
inline constexpr char kNormalTextSelector = '6';
inline constexpr char kNormalTextFont[] = "(normal text)";

// The ".idx"/".dat" pairs: the index holds 1-based start positions as 32-bit little-endian
// entries, closed by one past the data; the data holds the records back to back.
inline constexpr std::string_view kVerseWordsPair = "Ayat Per Kata";  // verse to group numbers
inline constexpr std::string_view kNoteWordsPair = "Note Per Kata";   // note to group numbers
inline constexpr std::string_view kGroupTextsPair = "GROUP_KATA";     // group to Windows-1252 text
inline constexpr std::string_view kIndexExtension = ".idx";
inline constexpr std::string_view kDataExtension = ".dat";
inline constexpr int kIndexEntrySize = 4;

// Group records: 16-bit big-endian group numbers with the high bit clear. Verse positions
// are 16-bit too, and note numbers are kept to the same range.
inline constexpr int kGroupNumberSize = 2;
inline constexpr int kMaxGroupNumber = 32767;
inline constexpr int kMaxNoteNumber = 32767;
inline constexpr int kMaxVerseCount = 32767;

// pelvaron.ini: the pack's settings, one "Key=Value" a line (CR LF), read when present.
// A pack without it behaves as packs always have.
inline constexpr std::string_view kSettingsFile = "pelvaron.ini";
inline constexpr std::string_view kArabicFontKey = "ArabicFont";  // the font for the Arabic text

// surahnames.txt: the surahs' Arabic names, UTF-8, one a line, surah 1 first. Newer than the
// other files, so a pack may lack it; only the citations and the search read it.
inline constexpr std::string_view kSurahNamesFile = "surahnames.txt";

// latin.txt: the Latin reading of every verse, UTF-8, one verse a line in the order of
// AQO2.TXT (line n is global verse n, surah 1 verse 1 first), CR LF (LF read too). Written by
// `pelvaron pack` from the Arabic and corrected by hand where a publisher wants it; a pack
// may lack it, and only requests for the Latin read it.
inline constexpr std::string_view kLatinFile = "latin.txt";

// latinjoined.txt: the words whose first w or f is their own letter and not the conjunction wa
// or fa (وَسِعَ, wasi‘a), UTF-8, one a line as the text writes it less its last vowel, CR LF.
// Written by `pelvaron pack` from the whole Arabic text; `pelvaron latin` reads it so that it
// reads a verse as latin.txt does. A pack may lack it.
inline constexpr std::string_view kLatinJoinedFile = "latinjoined.txt";
// divisions.txt: the Hafs mushaf's divisions, ASCII, CR LF (LF read too), one a line:
// "<kind> <number> <surah>:<verse>", the division's first verse (for "sajdah", the verse of
// prostration itself). A division ends where the next of its kind begins, the last at the
// end of the Quran. Kinds in this order, each numbered from 1 without gaps: juz (30),
// quarter (240 quarters of the 60 hizb, four to a hizb), page (604, the Madinah print),
// manzil (7), ruku (556), sajdah (15). Written by `pelvaron pack` from quran-meta; a pack
// may lack it, and only juz and page requests and the search read it.
inline constexpr std::string_view kDivisionsFile = "divisions.txt";
enum class DivisionKind { Juz, Quarter, Page, Manzil, Ruku, Sajdah };
inline constexpr int kDivisionKindCount = 6;
struct DivisionKindFormat {
  std::string_view name;  // as the file writes it
  int count;
};
// Indexed by DivisionKind; the file holds the kinds in this order.
inline constexpr std::array<DivisionKindFormat, kDivisionKindCount> kDivisionKinds{
    {{"juz", 30}, {"quarter", 240}, {"page", 604}, {"manzil", 7}, {"ruku", 556}, {"sajdah", 15}}};
inline constexpr int kQuartersPerHizb = 4;

}  // namespace pelvaron
