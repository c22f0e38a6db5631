#include "search/verse_texts.hpp"

#include <charconv>

#include "data/arabic_text.hpp"
#include "data/in_memory_files.hpp"
#include "data/latin_text.hpp"
#include "data/indexed_file.hpp"
#include "data/line_reader.hpp"
#include "insert/arabic_insert.hpp"
#include "module/arabic_script.hpp"
#include "module/error.hpp"
#include "module/numeric.hpp"
#include "module/text.hpp"

namespace pelvaron::search {
namespace {

// The character number of a piece: plain digits (every piece a pack builder writes) read
// directly, anything else the way the insertion reads it.
int32_t CharacterNumberOf(std::string_view piece) {
  int32_t stored = 0;
  if (piece.size() > 2 && piece.size() < 12) {
    const auto [end, ec] = std::from_chars(piece.data() + 2, piece.data() + piece.size(), stored);
    if (ec == std::errc() && end == piece.data() + piece.size()) return stored - 4096;
  }
  return GlyphPiece{std::string(piece)}.CharacterNumber();
}

// The Unicode text of a line, read as ParseArabicLine and the Arabic insertion read it (words
// closed by the word marker, each word's pieces stored last first) without copying each
// piece. Only "(normal text)" pieces carry code points; the glyph fonts' numbers are
// positions in those fonts and say nothing searchable.
std::string ArabicOfLine(std::string_view line) {
  std::string text;
  std::string typed;
  std::vector<std::string_view> pieces;
  std::string_view font;
  for (std::size_t pos = 0;;) {
    const std::size_t marker = line.find(kWordMarker, pos);
    if (marker == std::string_view::npos) break;  // the part after the last marker is dropped
    const std::string_view part = line.substr(pos, marker - pos);
    pos = marker + kWordMarker.size();
    pieces.clear();
    for (std::size_t start = 0; !part.empty();) {
      const std::size_t sep = part.find('_', start);
      pieces.push_back(part.substr(start, sep == std::string_view::npos ? sep : sep - start));
      if (sep == std::string_view::npos) break;
      start = sep + 1;
    }
    typed.clear();
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
      const std::string_view piece = *it;
      if (!piece.empty())
        if (const auto selected = FontForSelector(piece.front()); !selected.empty()) font = selected;
      if (piece == kBlankPiece || font != kNormalTextFont) continue;
      const int32_t c = CharacterNumberOf(piece);
      if (c == int32_t{arabic::kEndOfAyah}) return text;  // the sign and the verse number close the line
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
    files->LoadFolder(state.AppPath / kDataFolderName);
    state.Files = std::move(files);
  }
  IndexedFile verses(state, IndexedPair::AyatPerKata);
  IndexedFile groups(state, IndexedPair::GroupKata);
  std::vector<VerseText> texts;
  std::vector<int32_t> lineOf;  // by verse: its line of AQO2.TXT, as the Arabic insertion finds it
  for (int s = 1; s <= kSurahCount; ++s) {
    const int count = state.Surah(s).VerseCount;
    for (int v = 1; v <= count; ++v) {
      const std::string where = "surah " + std::to_string(s) + " verse " + std::to_string(v);
      const int32_t record = int32_t{state.VersePosOf(s)} + v;
      VerseText text{static_cast<int16_t>(s), static_cast<int16_t>(v), {}, {}, {}};
      try {
        const std::string expanded = ExpandGroupRecord(ReadIndexedRecord(verses, record), groups);
        text.translation = std::string(TrimSpaces(UpperCaseFirst(expanded, 2)));
      } catch (const Error& e) {
        throw Error(e.kind(), where + ": " + e.what());
      }
      texts.push_back(std::move(text));
      lineOf.push_back(record);
    }
  }
  // One pass over AQO2.TXT: each line goes to the verses that read it.
  std::vector<std::vector<std::size_t>> versesOfLine;
  for (std::size_t i = 0; i < lineOf.size(); ++i) {
    if (lineOf[i] < 1) continue;
    const auto line = static_cast<std::size_t>(lineOf[i]);
    if (versesOfLine.size() < line) versesOfLine.resize(line);
    versesOfLine[line - 1].push_back(i);
  }
  ReadOnlyFile file(state.DataFile("AQO2.TXT"), state.Files.get());
  LineReader reader(file);
  std::string line;
  for (std::size_t n = 0; n < versesOfLine.size() && reader.Next(line); ++n) {
    if (versesOfLine[n].empty()) continue;
    const std::string arabic = ArabicOfLine(line);
    for (std::size_t i : versesOfLine[n]) texts[i].arabic = arabic;
  }
  // A pack without latin.txt has no Latin reading to search; line n is the n-th verse, as `texts` is.
  if (state.Files->Find(state.DataFile(std::string(kLatinFile)))) {
    const std::vector<std::string> latin = ReadLatinLines(state);
    for (std::size_t i = 0; i < texts.size() && i < latin.size(); ++i) texts[i].latin = latin[i];
  }
  return texts;
}

}  // namespace pelvaron::search
