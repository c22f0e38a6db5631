// Writes the seed corpora of the fuzz targets: well-formed data files made by the format
// writers, laid out the way each target takes its input apart.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "pack/format_writer.hpp"

namespace fs = std::filesystem;
using namespace pelvaron::pack;

namespace {

// FuzzedDataProvider::ConsumeRandomLengthString ends a string at a backslash followed by
// another character and reads a doubled backslash as one.
std::string Escaped(const std::string& bytes) {
  std::string out;
  for (char c : bytes) out += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return out + "\\x";
}

void Seed(const fs::path& dir, const std::string& name, const std::string& bytes) {
  fs::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_seeds DIR\n";
    return 2;
  }
  const fs::path root = argv[1];

  std::vector<SurahEntry> surahs;
  std::vector<std::string> positions;
  for (int s = 1; s <= 114; ++s) {
    surahs.push_back({"Surah " + std::to_string(s), static_cast<int16_t>(s % 7 + 1), 0});
    positions.push_back(std::to_string((s - 1) * 4));
  }
  Seed(root / "surah_index", "full", Escaped(EncodeSurahIndex(surahs)) + EncodeLines(positions) + "\x01");
  Seed(root / "surah_index", "short",
       Escaped(EncodeSurahIndex({surahs[0]})) + "  12 abc\r\n7.5\r\n" + "\x00");

  const auto groups = EncodeIndexedPair({"in the name", "of God[3]", std::string("\x00\x01\x00\x02", 4), ""});
  for (int k = 1; k <= 4; ++k)
    Seed(root / "indexed_record", "record" + std::to_string(k),
         Escaped(groups.index) + groups.data + static_cast<char>(k + 2));

  const std::string lines =
      EncodeLines({ArabicLine({{GlyphPieceText('1', 0x628), GlyphPieceText('2', 0x633)}}),
                   "6| _" + GlyphPieceText('3', 0x645) + "_6| _", "no marker"});
  Seed(root / "arabic_line", "verse1", lines + std::string("\x00\x80\x01\x80", 4));
  Seed(root / "arabic_line", "verse2", lines + std::string("\x00\x80\x02\x80", 4));

  for (const char* text : {"  12 abc", "&HFFFF", "&O17", "1.5e3", "-32768.5", " 1 2 ", "7.5"})
    Seed(root / "numbers", std::string("n") + std::to_string(std::hash<std::string>{}(text) % 100000), text);

  Seed(root / "note_markers", "two", "in the name of God[1] and [ 2 ] more");
  Seed(root / "note_markers", "radix", "x[&H10]y] z[");

  const char* queries[] = {"QS. Al-Baqarah [2]: 255",
                           "al baqoroh 255-257",
                           "\"tidak tidur\" kursinya",
                           "\u0627\u0644\u0628\u0642\u0631\u0629 \u0662\u0665\u0665",
                           "yaasiin",
                           "2 : 9999999"};
  for (std::size_t i = 0; i < std::size(queries); ++i)
    Seed(root / "search_query", "q" + std::to_string(i), queries[i]);
  return 0;
}
