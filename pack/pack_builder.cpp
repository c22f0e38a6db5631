#include "pack/pack_builder.hpp"

#include <fstream>
#include <map>

#include "data/format.hpp"
#include "latin/transliterate.hpp"
#include "module/error.hpp"
#include "pack/arabic_verse.hpp"
#include "pack/attribution.hpp"
#include "pack/format_writer.hpp"
#include "pack/group_store.hpp"
#include "pack/note_markers.hpp"
#include "pack/notes_file.hpp"
#include "pack/pack_folder_writer.hpp"
#include "pack/standard_arabic.hpp"
#include "pack/surah_names_writer.hpp"
#include "pack/windows1252_mapper.hpp"

namespace pelvaron::pack {
namespace {

std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error(ErrorKind::File, path.string() + ": cannot be opened");
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Where(std::size_t surah, std::size_t verse) {
  std::string where = "surah ";
  where += std::to_string(surah);
  where += " verse ";
  where += std::to_string(verse);
  return where;
}

std::string NoteMarker(int note) {
  std::string marker = "[";
  marker += std::to_string(note);
  marker += ']';
  return marker;
}

// The files' contents, gathered before anything is written.
struct PackContents {
  std::vector<SurahEntry> surahs;
  std::vector<std::string> positions;
  std::vector<std::string> arabicLines;
  std::vector<std::string> standardArabic;  // read into Latin once the whole text is known
  std::vector<std::string> verseRecords;
  std::vector<std::string> noteRecords;
};

// Turns the source's surahs and the notes into the pack's records, counting what it
// changed on the way.
class PackAssembler {
 public:
  PackAssembler(const PackRequest& request, const std::map<int, std::string>& notes)
      : request_(request), notes_(notes) {}
  void AddSurah(std::size_t s, const SourceSurah& surah);
  void AddNotes();
  const PackContents& contents() const { return contents_; }
  PackSummary& summary();
  const std::vector<std::string>& groups() const { return groups_.texts(); }

 private:
  void AddVerse(std::size_t s, std::size_t v, const SourceVerse& verse);
  // The translation with a marker for each footnote the notes hold, none for the others.
  std::string KnownMarkers(const std::string& translation);
  std::string GroupRecord(const std::string& text) {
    return EncodeGroupNumbers(groups_.Numbers(mapper_.Map(text)));
  }

  const PackRequest& request_;
  const std::map<int, std::string>& notes_;
  Windows1252Mapper mapper_;
  GroupStore groups_;
  PackContents contents_;
  PackSummary summary_;
};

void PackAssembler::AddSurah(std::size_t s, const SourceSurah& surah) {
  const std::string name = mapper_.Map(surah.latinName);
  if (name.size() > static_cast<std::size_t>(kSurahNameSize))
    throw Error(ErrorKind::BadRecord, "surah " + std::to_string(s + 1) + ": name \"" + surah.latinName +
                                          "\" longer than " + std::to_string(kSurahNameSize) + " characters");
  contents_.surahs.push_back({name, static_cast<int16_t>(surah.verses.size()), 0});
  contents_.positions.push_back(std::to_string(summary_.verses));
  for (std::size_t v = 0; v < surah.verses.size(); ++v) AddVerse(s, v, surah.verses[v]);
  if (summary_.verses > kMaxVerseCount)
    throw Error(ErrorKind::Overflow, "more than " + std::to_string(kMaxVerseCount) + " verses");
}

void PackAssembler::AddVerse(std::size_t s, std::size_t v, const SourceVerse& verse) {
  if (verse.translation.find_first_of("[]") != std::string::npos)
    throw Error(
        ErrorKind::BadRecord,
        Where(s + 1, v + 1) + ": the translation holds \"[\" or \"]\", which would read as a note marker");
  contents_.verseRecords.push_back(GroupRecord(KnownMarkers(verse.translation)));
  const std::string arabic = ToStandardArabic(verse.arabic, &summary_.arabicMarksMapped);
  contents_.arabicLines.push_back(ArabicVerseLine(arabic, static_cast<int>(v + 1), request_.verseEnd));
  contents_.standardArabic.push_back(arabic);
  ++summary_.verses;
}

std::string PackAssembler::KnownMarkers(const std::string& translation) {
  return RewriteNoteMarkers(translation, [&](int note) -> std::string {
    if (!notes_.contains(note)) {
      ++summary_.markersRemoved;
      return {};
    }
    ++summary_.markersWritten;
    return NoteMarker(note);
  });
}

void PackAssembler::AddNotes() {
  for (const auto& [number, text] : notes_) {
    contents_.noteRecords.resize(static_cast<std::size_t>(number));
    contents_.noteRecords.back() = GroupRecord(text);
  }
}

PackSummary& PackAssembler::summary() {
  summary_.groups = static_cast<int>(groups_.texts().size());
  summary_.notes = static_cast<int>(notes_.size());
  summary_.mappedCharacters = mapper_.mapped();
  summary_.unmappableCharacters = mapper_.unmappable();
  return summary_;
}

// latin.txt, and the word list that reads its wa and fa (latin/conjunctions.hpp), which needs
// the whole text.
void WriteLatin(PackFolderWriter& writer, const std::vector<std::string>& verses) {
  const latin::WaFaDecisions decisions = latin::DecideWaFa(verses);
  std::vector<std::string> latinLines;
  for (const std::string& verse : verses)
    latinLines.push_back(latin::TransliterateVerse(verse, decisions.joined));
  writer.Write(std::string(kLatinFile), EncodeLines(latinLines));
  writer.Write(std::string(kLatinJoinedFile),
               EncodeLines(std::vector<std::string>(decisions.joined.begin(), decisions.joined.end())));
}

void WriteData(PackFolderWriter& writer, const PackContents& contents,
               const std::vector<std::string>& groups) {
  writer.Write(std::string(kSurahIndexFile), EncodeSurahIndex(contents.surahs));
  writer.Write(std::string(kVersePositionsFile), EncodeLines(contents.positions));
  writer.Write(std::string(kArabicTextFile), EncodeLines(contents.arabicLines));
  WriteLatin(writer, contents.standardArabic);
  writer.WritePair(kVerseWordsPair, EncodeIndexedPair(contents.verseRecords));
  writer.WritePair(kNoteWordsPair, EncodeIndexedPair(contents.noteRecords));
  writer.WritePair(kGroupTextsPair, EncodeIndexedPair(groups));
}

// A settings file from an earlier build would outlive its choice: none is removed.
void WriteSettings(PackFolderWriter& writer, const std::string& settings) {
  if (!settings.empty())
    writer.Write(std::string(kSettingsFile), settings);
  else
    writer.Remove(std::string(kSettingsFile));
}

std::optional<std::string> DivisionsText(const std::optional<DivisionsSource>& divisions,
                                         const std::vector<SurahEntry>& surahs) {
  if (!divisions) return std::nullopt;
  std::vector<int> verseCounts;
  for (const SurahEntry& surah : surahs) verseCounts.push_back(surah.verseCount);
  return EncodeDivisions(*divisions, verseCounts);
}

// Without lists, a divisions file from an earlier build would outlive them: it is removed.
void WriteDivisions(PackFolderWriter& writer, const std::optional<std::string>& text) {
  if (text)
    writer.Write(std::string(kDivisionsFile), *text);
  else
    writer.Remove(std::string(kDivisionsFile));
}

}  // namespace

PackSummary BuildPack(const PackRequest& request) {
  // Checked before anything is written.
  const std::string settings =
      request.arabicFont.empty() ? "" : EncodeSettings({{std::string(kArabicFontKey), request.arabicFont}});
  const QuranSource source = LoadQuranSource(request.source);
  const std::map<int, std::string> notes =
      request.notes ? ReadNotesFile(*request.notes) : std::map<int, std::string>{};
  const std::optional<DivisionsSource> divisions =
      request.divisions ? std::optional(LoadDivisionsSource(*request.divisions)) : std::nullopt;
  PackAssembler pack(request, notes);
  for (std::size_t s = 0; s < source.surahs.size(); ++s) {
    pack.AddSurah(s, source.surahs[s]);
    if (request.progress) request.progress(static_cast<int>(s + 1));
  }
  pack.AddNotes();
  PackSummary& summary = pack.summary();

  const std::optional<std::string> divisionsText = DivisionsText(divisions, pack.contents().surahs);

  std::error_code ec;
  std::filesystem::create_directories(request.out, ec);
  if (ec) throw Error(ErrorKind::File, request.out.string() + ": cannot be created: " + ec.message());
  PackFolderWriter writer(request.out);
  WriteData(writer, pack.contents(), pack.groups());
  WriteSettings(writer, settings);
  WriteDivisions(writer, divisionsText);
  if (auto names = EncodeSurahNames(source)) writer.Write(std::string(kSurahNamesFile), *names);
  writer.Write("LICENSE.txt", ReadWhole(request.source / "LICENSE.txt"));
  writer.Write("ATTRIBUTION.txt",
               AttributionText(source, summary, request, divisions ? &*divisions : nullptr));
  writer.Commit();
  summary.files = writer.written();
  return summary;
}

}  // namespace pelvaron::pack
