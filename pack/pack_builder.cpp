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

std::optional<std::string> DivisionsText(const std::optional<DivisionsSource>& divisions,
                                         const std::vector<SurahEntry>& surahs) {
  if (!divisions) return std::nullopt;
  std::vector<int> verseCounts;
  for (const SurahEntry& surah : surahs) verseCounts.push_back(surah.verseCount);
  return EncodeDivisions(*divisions, verseCounts);
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
  PackSummary summary;
  Windows1252Mapper mapper;
  GroupStore groups;

  std::vector<SurahEntry> surahs;
  std::vector<std::string> positions;
  std::vector<std::string> arabicLines;
  std::vector<std::string> latinLines;
  std::vector<std::string> verseRecords;
  int globalVerse = 0;
  for (std::size_t s = 0; s < source.surahs.size(); ++s) {
    const SourceSurah& surah = source.surahs[s];
    const std::string name = mapper.Map(surah.latinName);
    if (name.size() > static_cast<std::size_t>(kSurahNameSize))
      throw Error(ErrorKind::BadRecord, "surah " + std::to_string(s + 1) + ": name \"" + surah.latinName +
                                            "\" longer than " + std::to_string(kSurahNameSize) +
                                            " characters");
    surahs.push_back({name, static_cast<int16_t>(surah.verses.size()), 0});
    positions.push_back(std::to_string(globalVerse));
    for (std::size_t v = 0; v < surah.verses.size(); ++v) {
      const SourceVerse& verse = surah.verses[v];
      if (verse.translation.find_first_of("[]") != std::string::npos)
        throw Error(ErrorKind::BadRecord,
                    Where(s + 1, v + 1) +
                        ": the translation holds \"[\" or \"]\", which would read as a note marker");
      const std::string translation = RewriteNoteMarkers(verse.translation, [&](int note) -> std::string {
        if (!notes.contains(note)) {
          ++summary.markersRemoved;
          return {};
        }
        ++summary.markersWritten;
        return NoteMarker(note);
      });
      verseRecords.push_back(EncodeGroupNumbers(groups.Numbers(mapper.Map(translation))));
      const std::string arabic = ToStandardArabic(verse.arabic, &summary.arabicMarksMapped);
      arabicLines.push_back(ArabicVerseLine(arabic, static_cast<int>(v + 1), request.verseEnd));
      latinLines.push_back(latin::TransliterateVerse(arabic));
      ++globalVerse;
    }
    if (globalVerse > kMaxVerseCount)
      throw Error(ErrorKind::Overflow, "more than " + std::to_string(kMaxVerseCount) + " verses");
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

  const std::optional<std::string> divisionsText = DivisionsText(divisions, surahs);

  std::error_code ec;
  std::filesystem::create_directories(request.out, ec);
  if (ec) throw Error(ErrorKind::File, request.out.string() + ": cannot be created: " + ec.message());
  PackFolderWriter writer(request.out);
  writer.Write(std::string(kSurahIndexFile), EncodeSurahIndex(surahs));
  writer.Write(std::string(kVersePositionsFile), EncodeLines(positions));
  writer.Write(std::string(kArabicTextFile), EncodeLines(arabicLines));
  writer.Write(std::string(kLatinFile), EncodeLines(latinLines));
  writer.WritePair(kVerseWordsPair, EncodeIndexedPair(verseRecords));
  writer.WritePair(kNoteWordsPair, EncodeIndexedPair(noteRecords));
  writer.WritePair(kGroupTextsPair, EncodeIndexedPair(groups.texts()));
  if (!request.arabicFont.empty())
    writer.Write(std::string(kSettingsFile), settings);
  else
    writer.Remove(
        std::string(kSettingsFile));  // a settings file from an earlier build would outlive its choice
  if (divisionsText)
    writer.Write(std::string(kDivisionsFile), *divisionsText);
  else
    writer.Remove(std::string(kDivisionsFile));  // nor would one from an earlier build's lists
  if (auto names = EncodeSurahNames(source)) writer.Write(std::string(kSurahNamesFile), *names);
  writer.Write("LICENSE.txt", ReadWhole(request.source / "LICENSE.txt"));
  writer.Write("ATTRIBUTION.txt",
               AttributionText(source, summary, request, divisions ? &*divisions : nullptr));
  writer.Commit();
  summary.files = writer.written();
  return summary;
}

}  // namespace pelvaron::pack
