// Writes the small data pack the Wine scenarios use into DIR/DataQuran:
//   make_test_pack DIR [--arabic-font NAME]
// Surah 1 has 7 verses, surah 2 has 40 (the "whole surah" the binding's call counts are
// taken on), surah 3 has 5; verses 3, 10 and 12 carry note markers; latin.txt reads
// "Latin ā N" for global verse N (a character Windows-1252 lacks). With --arabic-font the
// pack's pelvaron.ini names the complex-script font the Arabic is set in.
#include <cstdio>
#include <exception>
#include <string>

#include "tests/support/data_writer.hpp"

int main(int argc, char** argv) {
  const bool font = argc == 4 && std::string(argv[2]) == "--arabic-font";
  if (argc != 2 && !font) {
    std::fprintf(stderr, "usage: make_test_pack DIR [--arabic-font NAME]\n");
    return 2;
  }
  try {
    pelvaron::testing::DataFolder folder(argv[1]);
    pelvaron::testing::WriteSmallPack(folder, {7, 40, 5}, {{3, 1}, {10, 2}, {12, 1}});
    std::string latin;
    for (int verse = 1; verse <= 7 + 40 + 5; ++verse)
      latin += "Latin \u0101 " + std::to_string(verse) + "\r\n";
    folder.Write("latin.txt", latin);
    if (font) folder.Write("pelvaron.ini", std::string("ArabicFont=") + argv[3] + "\r\n");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_test_pack: %s\n", e.what());
    return 1;
  }
  return 0;
}
