#include "data/arabic_text.hpp"

#include <algorithm>
#include <charconv>

#include "data/file_snapshots.hpp"
#include "data/line_reader.hpp"
#include "data/read_only_file.hpp"
#include "module/arabic_script.hpp"
#include "module/error.hpp"
#include "module/numeric.hpp"
#include "module/text.hpp"

namespace pelvaron {
namespace {

// Calls `word` with each word's stored run of pieces (last piece first); the part after the
// last marker is dropped. Stops early when `word` returns false.
template <class Word>
void ForEachStoredWord(std::string_view line, Word&& word) {
  for (std::size_t pos = 0;;) {
    const std::size_t marker = line.find(kWordMarker, pos);
    if (marker == std::string_view::npos || !word(line.substr(pos, marker - pos))) return;
    pos = marker + kWordMarker.size();
  }
}

// The pieces of a stored word in stored order; none for an empty word.
std::vector<std::string_view> StoredPieces(std::string_view word) {
  std::vector<std::string_view> pieces;
  for (std::size_t start = 0; !word.empty();) {
    const std::size_t sep = word.find(kPieceSeparator, start);
    pieces.push_back(word.substr(start, sep == std::string_view::npos ? sep : sep - start));
    if (sep == std::string_view::npos) break;
    start = sep + 1;
  }
  return pieces;
}

// Appends what a word types in kNormalTextFont; `font` is the font selected so far. False when
// the verse-end ornament ends the line.
bool TypeNormalText(std::string_view word, std::string_view& font, std::string& typed) {
  const std::vector<std::string_view> pieces = StoredPieces(word);
  for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
    if (!it->empty())
      if (const auto selected = FontForSelector(it->front()); !selected.empty()) font = selected;
    if (*it == kBlankPiece || font != kNormalTextFont) continue;
    const int32_t c = CharacterNumberOf(*it);
    if (c == int32_t{arabic::kEndOfAyah}) return false;
    if (c > 0 && c < 0x110000) AppendUtf8(typed, static_cast<char32_t>(c));
  }
  return true;
}

}  // namespace

std::string_view FontForSelector(char selector) {
  switch (selector) {
    case '1':
      return "HQPB1";
    case '2':
      return "HQPB2";
    case '3':
      return "HQPB3";
    case '4':
      return "HQPB4";
    case '5':
      return "HQPB5";
    case kNormalTextSelector:
      return kNormalTextFont;
    default:
      return {};
  }
}

std::optional<char> GlyphPiece::Selector() const {
  if (Text.empty()) return std::nullopt;
  return Text.front();
}

std::string_view GlyphPiece::SelectedFont() const {
  const auto selector = Selector();
  return selector ? FontForSelector(*selector) : std::string_view{};
}

double GlyphPiece::Number() const {
  return Text.size() > 2 ? NumberAtStart(std::string_view(Text).substr(2)) : 0.0;
}

int32_t GlyphPiece::CharacterNumber() const {
  return ToInt32(Number() - kGlyphOffset, "character number of glyph piece \"" + Text + "\"");
}

std::optional<std::string> ReadArabicLine(const ModuleState& state, int16_t surah, int16_t verse) {
  const int32_t lineNumber = int32_t{state.VersePosOf(surah)} + verse;
  ReadOnlyFile file(state.DataFile(std::string(kArabicTextFile)), state.Files.get());
  if (lineNumber < 1) return std::nullopt;
  // An empty text file is damage, not a verse without words: typing nothing and reporting
  // success would hide it.
  if (file.size() == 0) throw Error(ErrorKind::PastEnd, file.name() + ": the file is empty");
  if (const FileSnapshot* kept = file.snapshot()) {
    const std::vector<std::string_view>& all = kept->Lines();
    return std::string(all[std::min<std::size_t>(static_cast<std::size_t>(lineNumber), all.size()) - 1]);
  }
  LineReader lines(file);
  lines.Skip(lineNumber - 1);
  std::string line;
  std::optional<std::string> last;
  if (lines.Next(line)) return line;
  // Fewer lines than asked for: the file's last line, found by reading it again.
  ReadOnlyFile again(state.DataFile(std::string(kArabicTextFile)), state.Files.get());
  LineReader rescan(again);
  while (rescan.Next(line)) last = line;
  return last;
}

std::vector<ArabicWord> ParseArabicLine(std::string_view line) {
  std::vector<ArabicWord> words;
  ForEachStoredWord(line, [&](std::string_view stored) {
    ArabicWord& word = words.emplace_back();
    for (std::string_view piece : StoredPieces(stored)) word.push_back(GlyphPiece{std::string(piece)});
    std::reverse(word.begin(), word.end());
    return true;
  });
  return words;
}

int32_t CharacterNumberOf(std::string_view piece) {
  int32_t stored = 0;
  if (piece.size() > 2 && piece.size() < 12) {
    const auto [end, ec] = std::from_chars(piece.data() + 2, piece.data() + piece.size(), stored);
    if (ec == std::errc() && end == piece.data() + piece.size()) return stored - kGlyphOffset;
  }
  return GlyphPiece{std::string(piece)}.CharacterNumber();
}

std::string NormalTextOfLine(std::string_view line) {
  std::string text, typed;
  std::string_view font;
  ForEachStoredWord(line, [&](std::string_view word) {
    typed.clear();
    if (!TypeNormalText(word, font, typed)) return false;
    if (!typed.empty()) text.append(text.empty() ? "" : " ").append(typed);
    return true;
  });
  return text;
}

}  // namespace pelvaron
