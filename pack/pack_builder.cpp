#include "pack/pack_builder.hpp"

#include <fstream>
#include <map>
#include <unordered_map>

#include "module/error.hpp"
#include "module/text.hpp"
#include "pack/format_writer.hpp"
#include "pack/note_markers.hpp"
#include "pack/surah_names_writer.hpp"
#include "pack/windows1252_mapper.hpp"

namespace pelvaron::pack {
namespace {

constexpr char32_t kVerseEndSign = U'\u06DD';
constexpr int kMaxGroupNumber = 32767;

std::vector<std::string> SplitWords(std::string_view text, std::string_view separators) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t end = std::min(text.find_first_of(separators, pos), text.size());
    words.emplace_back(text.substr(pos, end - pos));
    pos = end + 1;
  }
  return words;
}

// The word-group store: each distinct text once, numbered from 1 in order of first use.
class GroupStore {
 public:
  int Number(const std::string& text) {
    const auto [it, added] = numbers_.try_emplace(text, static_cast<int>(texts_.size()) + 1);
    if (added) {
      if (it->second > kMaxGroupNumber)
        throw Error(ErrorKind::Overflow, "more than 32767 distinct words: \"" + DecodeWindows1252(text) + "\" has no number");
      texts_.push_back(text);
    }
    return it->second;
  }
  // Windows-1252 words of `text`, blanks between them dropped, as group numbers.
  std::vector<int> Numbers(const std::string& text) {
    std::vector<int> groups;
    for (const std::string& word : SplitWords(text, " \t\r\n"))
      if (!word.empty()) groups.push_back(Number(word));
    return groups;
  }
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  std::unordered_map<std::string, int> numbers_;
  std::vector<std::string> texts_;
};

// Note number to its UTF-8 text, from the notes file.
std::map<int, std::string> ReadNotes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error(ErrorKind::File, path.string() + ": cannot be opened");
  std::map<int, std::string> notes;
  std::string line;
  for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::string where = path.string() + " line " + std::to_string(lineNumber);
    const std::size_t tab = line.find('\t');
    const std::string number = line.substr(0, tab);
    if (tab == std::string::npos || number.empty() || number.size() > 5 ||
        number.find_first_not_of("0123456789") != std::string::npos)
      throw Error(ErrorKind::BadRecord, where + ": not a note number, a tab and the note's text");
    const int note = std::stoi(number);
    if (note < 1 || note > 32767) throw Error(ErrorKind::Overflow, where + ": note " + number + " outside 1 to 32767");
    if (!notes.emplace(note, line.substr(tab + 1)).second)
      throw Error(ErrorKind::BadRecord, where + ": note " + number + " given twice");
  }
  return notes;
}

std::string ArabicLineOf(const SourceVerse& verse, int verseNumber) {
  std::vector<std::vector<std::string>> words;
  for (const std::string& word : SplitWords(verse.arabic, " ")) {
    std::vector<std::string> pieces;
    for (std::size_t pos = 0; pos < word.size();) {
      std::size_t length = 1;
      const char32_t c = DecodeUtf8At(word, pos, &length);
      pieces.push_back(GlyphPieceText('6', static_cast<int32_t>(c)));
      pos += length;
    }
    words.push_back(std::move(pieces));
  }
  // The verse-end sign and the verse number close the verse, as printed copies do.
  std::vector<std::string> end{GlyphPieceText('6', static_cast<int32_t>(kVerseEndSign))};
  const std::string digits = ArabicIndicNumber(verseNumber);
  for (std::size_t pos = 0; pos < digits.size();) {
    std::size_t length = 1;
    end.push_back(GlyphPieceText('6', static_cast<int32_t>(DecodeUtf8At(digits, pos, &length))));
    pos += length;
  }
  words.push_back(std::move(end));
  return ArabicLine(words);
}

class PackWriter {
 public:
  PackWriter(const std::filesystem::path& dir, PackSummary& summary) : dir_(dir), summary_(summary) {}

  // Written beside its final name and renamed, so a failed run leaves no half file.
  void Write(const std::string& name, const std::string& bytes) {
    const std::filesystem::path target = dir_ / name;
    const std::filesystem::path part = dir_ / (name + ".part");
    {
      std::ofstream out(part, std::ios::binary | std::ios::trunc);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out.flush();
      if (!out) throw Error(ErrorKind::File, part.string() + ": cannot be written");
    }
    std::error_code ec;
    std::filesystem::rename(part, target, ec);
    if (ec) throw Error(ErrorKind::File, target.string() + ": cannot be replaced: " + ec.message());
    summary_.files.emplace_back(name, bytes.size());
  }
  void WritePair(const std::string& name, const IndexedPairBytes& pair) {
    Write(name + ".idx", pair.index);
    Write(name + ".dat", pair.data);
  }

 private:
  std::filesystem::path dir_;
  PackSummary& summary_;
};

std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error(ErrorKind::File, path.string() + ": cannot be opened");
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Attribution(const QuranSource& source, const PackSummary& summary, bool withNotes) {
  const std::string package = source.packageName + " " + source.packageVersion;
  std::string text =
      "The Quran text in this folder (Uthmani script), the surah names and verse counts and the\r\n"
      "Indonesian translation (by the Indonesian Islamic Affairs Ministry) come from the npm\r\n"
      "package " + package + " by Risan Bagja Pradana (https://github.com/risan/quran-json),\r\n"
      "which takes the Uthmani text and the translation from The Noble Qur'an Encyclopedia\r\n"
      "(https://quranenc.com). Its licence is in LICENSE.txt.\r\n\r\n"
      "Changes made by `pelvaron pack`: the texts were converted to the DataQuran file formats;\r\n"
      "each verse's Arabic text ends with the verse-end sign and the verse number; the\r\n"
      "translation was split into words and re-encoded as Windows-1252, " +
      std::to_string(summary.mappedCharacters) + " characters that code page lacks\r\nreplaced by their nearest form; ";
  text += withNotes ? "footnote numbers written as [n] markers, with the notes' texts from a separate file.\r\n"
                    : "footnote numbers removed (the package does not carry the notes' texts).\r\n";
  return text;
}

}  // namespace

std::string ArabicIndicNumber(int number) {
  std::string out;
  for (char digit : std::to_string(number)) AppendUtf8(out, U'\u0660' + static_cast<char32_t>(digit - '0'));
  return out;
}

PackSummary BuildPack(const PackRequest& request) {
  const QuranSource source = LoadQuranSource(request.source);
  const std::map<int, std::string> notes = request.notes ? ReadNotes(*request.notes) : std::map<int, std::string>{};
  PackSummary summary;
  Windows1252Mapper mapper;
  GroupStore groups;

  std::vector<SurahEntry> surahs;
  std::vector<std::string> positions;
  std::vector<std::string> arabicLines;
  std::vector<std::string> verseRecords;
  int globalVerse = 0;
  for (std::size_t s = 0; s < source.surahs.size(); ++s) {
    const SourceSurah& surah = source.surahs[s];
    const std::string name = mapper.Map(surah.latinName);
    if (name.size() > 30) throw Error(ErrorKind::BadRecord, "surah " + std::to_string(s + 1) + ": name \"" + surah.latinName + "\" longer than 30 characters");
    surahs.push_back({name, static_cast<int16_t>(surah.verses.size()), 0});
    positions.push_back(std::to_string(globalVerse));
    for (std::size_t v = 0; v < surah.verses.size(); ++v) {
      const SourceVerse& verse = surah.verses[v];
      const std::string where = "surah " + std::to_string(s + 1) + " verse " + std::to_string(v + 1);
      if (verse.translation.find_first_of("[]") != std::string::npos)
        throw Error(ErrorKind::BadRecord, where + ": the translation holds \"[\" or \"]\", which would read as a note marker");
      const std::string translation = RewriteNoteMarkers(verse.translation, [&](int note) -> std::string {
        if (!notes.contains(note)) {
          ++summary.markersRemoved;
          return {};
        }
        ++summary.markersWritten;
        return "[" + std::to_string(note) + "]";
      });
      verseRecords.push_back(EncodeGroupNumbers(groups.Numbers(mapper.Map(translation))));
      arabicLines.push_back(ArabicLineOf(verse, static_cast<int>(v + 1)));
      ++globalVerse;
    }
    if (globalVerse > 32767) throw Error(ErrorKind::Overflow, "more than 32767 verses");
    if (request.progress) request.progress(static_cast<int>(s + 1));
  }

  std::vector<std::string> noteRecords;
  for (const auto& [number, text] : notes) {
    noteRecords.resize(static_cast<std::size_t>(number));
    noteRecords.back() = EncodeGroupNumbers(groups.Numbers(mapper.Map(text)));
  }

  summary.verses = globalVerse;
  summary.groups = static_cast<int>(groups.texts().size());
  summary.notes = static_cast<int>(notes.size());
  summary.mappedCharacters = mapper.mapped();
  summary.unmappableCharacters = mapper.unmappable();

  std::error_code ec;
  std::filesystem::create_directories(request.out, ec);
  if (ec) throw Error(ErrorKind::File, request.out.string() + ": cannot be created: " + ec.message());
  PackWriter writer(request.out, summary);
  writer.Write("surahindex.mtf", EncodeSurahIndex(surahs));
  writer.Write("pos_depag.txt", EncodeLines(positions));
  writer.Write("AQO2.TXT", EncodeLines(arabicLines));
  writer.WritePair("Ayat Per Kata", EncodeIndexedPair(verseRecords));
  writer.WritePair("Note Per Kata", EncodeIndexedPair(noteRecords));
  writer.WritePair("GROUP_KATA", EncodeIndexedPair(groups.texts()));
  if (auto names = EncodeSurahNames(source)) writer.Write("surahnames.txt", *names);
  writer.Write("LICENSE.txt", ReadWhole(request.source / "LICENSE.txt"));
  writer.Write("ATTRIBUTION.txt", Attribution(source, summary, request.notes.has_value()));
  return summary;
}

}  // namespace pelvaron::pack
