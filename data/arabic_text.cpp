#include "data/arabic_text.hpp"

#include <algorithm>

#include "data/line_reader.hpp"
#include "data/read_only_file.hpp"
#include "module/error.hpp"
#include "module/numeric.hpp"

namespace pelvaron {

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
  std::size_t pos = 0;
  while (true) {
    const std::size_t marker = line.find(kWordMarker, pos);
    if (marker == std::string_view::npos) break;  // the part after the last marker is dropped
    const std::string_view part = line.substr(pos, marker - pos);
    ArabicWord word;
    if (!part.empty()) {
      std::size_t start = 0;
      while (true) {
        const std::size_t sep = part.find(kPieceSeparator, start);
        word.push_back(
            GlyphPiece{std::string(part.substr(start, sep == std::string_view::npos ? sep : sep - start))});
        if (sep == std::string_view::npos) break;
        start = sep + 1;
      }
    }
    std::reverse(word.begin(), word.end());
    words.push_back(std::move(word));
    pos = marker + kWordMarker.size();
  }
  return words;
}

}  // namespace pelvaron
