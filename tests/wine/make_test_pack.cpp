// Writes the small data pack the Wine scenarios use into DIR/DataQuran:
//   make_test_pack DIR
// Surah 1 has 7 verses, surah 2 has 40 (the "whole surah" the binding's call counts are
// taken on), surah 3 has 5; verses 3, 10 and 12 carry note markers.
#include <cstdio>
#include <exception>

#include "tests/support/data_writer.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_test_pack DIR\n");
    return 2;
  }
  try {
    pelvaron::testing::DataFolder folder(argv[1]);
    pelvaron::testing::WriteSmallPack(folder, {7, 40, 5}, {{3, 1}, {10, 2}, {12, 1}});
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_test_pack: %s\n", e.what());
    return 1;
  }
  return 0;
}
