#include "search/verse_texts.hpp"

#include "data/arabic_text.hpp"
#include "data/in_memory_files.hpp"
#include "data/indexed_file.hpp"
#include "data/latin_text.hpp"
#include "data/line_reader.hpp"
#include "module/error.hpp"
#include "module/text.hpp"

namespace pelvaron::search {
namespace {

// The state with every data file read into memory, unless it already reads from memory.
ModuleState InMemory(const ModuleState& disk) {
  ModuleState state = disk;
  if (!state.Files) {
    auto files = std::make_shared<InMemoryFiles>();
    files->LoadFolder(state.AppPath / kDataFolderName);
    state.Files = std::move(files);
  }
  return state;
}

// Each verse with its translation as the translation insertion types it; `lineOf` gets, by
// verse, its line of the Arabic text as the Arabic insertion finds it.
std::vector<VerseText> ReadTranslations(const ModuleState& state, std::vector<int32_t>& lineOf) {
  IndexedFile verses(state, IndexedPair::AyatPerKata);
  IndexedFile groups(state, IndexedPair::GroupKata);
  std::vector<VerseText> texts;
  for (int s = 1; s <= kSurahCount; ++s) {
    for (int v = 1; v <= state.Surah(s).VerseCount; ++v) {
      const int32_t record = int32_t{state.VersePosOf(s)} + v;
      VerseText text{static_cast<int16_t>(s), static_cast<int16_t>(v), {}, {}, {}};
      try {
        const std::string expanded = ExpandGroupRecord(ReadIndexedRecord(verses, record), groups);
        text.translation = std::string(TrimSpaces(UpperCaseFirst(expanded, 2)));
      } catch (const Error& e) {
        throw Error(e.kind(), "surah " + std::to_string(s) + " verse " + std::to_string(v) + ": " + e.what());
      }
      texts.push_back(std::move(text));
      lineOf.push_back(record);
    }
  }
  return texts;
}

// One pass over the Arabic text: each line goes to the verses that read it.
void ReadArabic(const ModuleState& state, const std::vector<int32_t>& lineOf, std::vector<VerseText>& texts) {
  std::vector<std::vector<std::size_t>> versesOfLine;
  for (std::size_t i = 0; i < lineOf.size(); ++i) {
    if (lineOf[i] < 1) continue;
    const auto line = static_cast<std::size_t>(lineOf[i]);
    if (versesOfLine.size() < line) versesOfLine.resize(line);
    versesOfLine[line - 1].push_back(i);
  }
  ReadOnlyFile file(state.DataFile(std::string(kArabicTextFile)), state.Files.get());
  LineReader reader(file);
  std::string line;
  for (std::size_t n = 0; n < versesOfLine.size() && reader.Next(line); ++n) {
    if (versesOfLine[n].empty()) continue;
    const std::string arabic = NormalTextOfLine(line);
    for (std::size_t i : versesOfLine[n]) texts[i].arabic = arabic;
  }
}

// A pack without latin.txt has no Latin reading to search; line n is the n-th verse, as `texts` is.
void ReadLatin(const ModuleState& state, std::vector<VerseText>& texts) {
  if (!state.Files->Find(state.DataFile(std::string(kLatinFile)))) return;
  const std::vector<std::string> latin = ReadLatinLines(state);
  for (std::size_t i = 0; i < texts.size() && i < latin.size(); ++i) texts[i].latin = latin[i];
}

}  // namespace

std::vector<VerseText> ReadVerseTexts(const ModuleState& disk) {
  const ModuleState state = InMemory(disk);
  std::vector<int32_t> lineOf;
  std::vector<VerseText> texts = ReadTranslations(state, lineOf);
  ReadArabic(state, lineOf, texts);
  ReadLatin(state, texts);
  return texts;
}

}  // namespace pelvaron::search
