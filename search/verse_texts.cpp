#include "search/verse_texts.hpp"

#include <charconv>

#include "data/arabic_text.hpp"
#include "data/in_memory_files.hpp"
#include "data/indexed_file.hpp"
#include "data/line_reader.hpp"
#include "insert/arabic_insert.hpp"
#include "module/error.hpp"
#include "module/numeric.hpp"
#include "module/text.hpp"

namespace pelvaron::search {
namespace {

constexpr int32_t kVerseEndSign = 0x06DD;

// The character number of a piece: plain digits (every piece a pack builder writes) read
// directly, anything else the way the insertion reads it.
int32_t CharacterNumberOf(const GlyphPiece& piece) {
  const std::string& text = piece.Text;
  int32_t stored = 0;
  if (text.size() > 2 && text.size() < 12) {
    const auto [end, ec] = std::from_chars(text.data() + 2, text.data() + text.size(), stored);
    if (ec == std::errc() && end == text.data() + text.size()) return stored - 4096;
  }
  return piece.CharacterNumber();
}

// The Unicode text of a line: only "(normal text)" pieces carry code points; the glyph fonts'
// numbers are positions in those fonts and say nothing searchable.
std::string ArabicOfLine(std::string_view line) {
  std::string text;
  for (const ArabicWord& word : ParseArabicLine(line)) {
    std::string typed;
    std::string_view font;
    for (const GlyphPiece& piece : word) {
      if (const auto selected = piece.SelectedFont(); !selected.empty()) font = selected;
      if (piece.IsBlank() || font != kNormalTextFont) continue;
      const int32_t c = CharacterNumberOf(piece);
      if (c == kVerseEndSign) return text;  // the sign and the verse number close the line
      if (c > 0 && c < 0x110000) AppendUtf8(typed, static_cast<char32_t>(c));
    }
    if (typed.empty()) continue;
    if (!text.empty()) text += ' ';
    text += typed;
  }
  return text;
}

}  // namespace

std::vector<VerseText> ReadVerseTexts(const ModuleState& disk) {
  ModuleState state = disk;
  if (!state.Files) {
    auto files = std::make_shared<InMemoryFiles>();
    files->LoadFolder(state.AppPath / "DataQuran");
    state.Files = std::move(files);
  }
  std::vector<std::string> lines;
  {
    ReadOnlyFile file(state.DataFile("AQO2.TXT"), state.Files.get());
    LineReader reader(file);
    for (std::string line; reader.Next(line);) lines.push_back(std::move(line));
  }
  IndexedFile verses(state, IndexedPair::AyatPerKata);
  IndexedFile groups(state, IndexedPair::GroupKata);
  std::vector<VerseText> texts;
  for (int s = 1; s <= kSurahCount; ++s) {
    const int count = state.Surah(s).VerseCount;
    for (int v = 1; v <= count; ++v) {
      const std::string where = "surah " + std::to_string(s) + " verse " + std::to_string(v);
      const int32_t record = int32_t{state.VersePosOf(s)} + v;
      VerseText text{static_cast<int16_t>(s), static_cast<int16_t>(v), {}, {}};
      try {
        const std::string expanded = ExpandGroupRecord(ReadIndexedRecord(verses, record), groups);
        text.translation = std::string(TrimSpaces(UpperCaseFirst(expanded, 2)));
      } catch (const Error& e) {
        throw Error(e.kind(), where + ": " + e.what());
      }
      if (record >= 1 && static_cast<std::size_t>(record) <= lines.size())
        text.arabic = ArabicOfLine(lines[static_cast<std::size_t>(record) - 1]);
      texts.push_back(std::move(text));
    }
  }
  return texts;
}

}  // namespace pelvaron::search
