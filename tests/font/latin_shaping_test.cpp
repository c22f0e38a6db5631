// Every line of the default pack's latin.txt shaped by HarfBuzz in the fonts that stand in
// for Times New Roman (Liberation Serif, upright and italic, as the Latin is typed) and for a
// sans face (DejaVu Sans): no missing glyph. Skips without the pack unless
// PELVARON_REQUIRE_PACK is set.

#include <gtest/gtest.h>
#include <hb.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "data/latin_text.hpp"
#include "data/surah_index.hpp"
#include "tests/font/load_font.hpp"

namespace pelvaron::testing {
namespace {

class LatinShaper {
 public:
  explicit LatinShaper(const char* file) : font_(LoadFont(file)) {}
  ~LatinShaper() { hb_font_destroy(font_); }
  LatinShaper(const LatinShaper&) = delete;
  LatinShaper& operator=(const LatinShaper&) = delete;
  bool loaded() const { return font_ != nullptr; }

  // Glyph 0 in the shaped line.
  int Missing(const std::string& utf8) const {
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf8(buffer, utf8.data(), static_cast<int>(utf8.size()), 0, static_cast<int>(utf8.size()));
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(font_, buffer, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* glyphs = hb_buffer_get_glyph_infos(buffer, &count);
    int missing = 0;
    for (unsigned g = 0; g < count; ++g) missing += glyphs[g].codepoint == 0 ? 1 : 0;
    hb_buffer_destroy(buffer);
    return missing;
  }

 private:
  hb_font_t* font_ = nullptr;
};

TEST(DefaultPackLatinShaping, EveryLineHasAGlyphForEveryCharacter) {
  const char* app = std::getenv("PELVARON_PACK_APP_PATH");
  const std::filesystem::path appPath = app && *app ? app : PELVARON_DEFAULT_APP_PATH;
  if (!std::filesystem::exists(appPath / "DataQuran" / "latin.txt")) {
    if (std::getenv("PELVARON_REQUIRE_PACK")) FAIL() << "no default pack in " << appPath;
    GTEST_SKIP() << "no default pack in " << appPath << " (tools/make-default-pack.sh builds it)";
  }
  ModuleState state;
  LoadModuleState(state, appPath);
  const std::vector<std::string> lines = ReadLatinLines(state);
  EXPECT_EQ(lines.size(), 6236u);
  for (const char* file :
       {PELVARON_LATIN_SERIF_FILE, PELVARON_LATIN_SERIF_ITALIC_FILE, PELVARON_LATIN_SANS_FILE}) {
    const LatinShaper shaper(file);
    ASSERT_TRUE(shaper.loaded()) << file;
    // The check sees a fault where there is one: no Latin font has a CJK ideograph.
    EXPECT_EQ(shaper.Missing("a\u4E00b"), 1) << file;
    int missing = 0;
    for (std::size_t n = 0; n < lines.size(); ++n) {
      const int m = shaper.Missing(lines[n]);
      EXPECT_EQ(m, 0) << file << ": line " << n + 1 << " \"" << lines[n] << "\"";
      missing += m;
    }
    std::cout << lines.size() << " Latin lines shaped in " << file << ": " << missing << " missing glyphs\n";
  }
}

}  // namespace
}  // namespace pelvaron::testing
