// The pack builder's text conversions: Windows-1252 mapping and footnote numbers.

#include <gtest/gtest.h>

#include "pack/note_markers.hpp"
#include "pack/windows1252_mapper.hpp"

namespace pelvaron::pack {
namespace {

TEST(Windows1252Mapper, KeepsWhatTheCodePageHasAndCountsNothing) {
  Windows1252Mapper mapper;
  EXPECT_EQ(mapper.Map("Allah, caf\u00e9 \u20ac \u201cya\u201d"), "Allah, caf\xe9 \x80 \x93ya\x94");
  EXPECT_EQ(mapper.mapped(), 0);
}

TEST(Windows1252Mapper, DropsOnlyTheAccentsTheCodePageLacks) {
  Windows1252Mapper mapper;
  EXPECT_EQ(mapper.Map("\u0101\u1e25\u1e6d \u1e24\u017b"), "aht HZ");  // ā ḥ ṭ Ḥ Ż
  EXPECT_EQ(mapper.Map("\u1ea5"), "\xe2");  // ấ: the circumflex stays, the acute goes
  EXPECT_EQ(mapper.mapped(), 6);
  EXPECT_EQ(mapper.unmappable(), 0);
}

TEST(Windows1252Mapper, CharacterWithoutANearFormBecomesAQuestionMark) {
  Windows1252Mapper mapper;
  EXPECT_EQ(mapper.Map("\u0142\u0628x"), "??x");  // ł has no decomposition; Arabic has no Latin form
  EXPECT_EQ(mapper.mapped(), 2);
  EXPECT_EQ(mapper.unmappable(), 2);
}

std::string Bracketed(std::string_view text) {
  return RewriteNoteMarkers(text, [](int n) {
    std::string marker = "[";  // appended: GCC 12 at -O3 warns falsely (-Wrestrict) on "[" + string
    marker += std::to_string(n);
    return marker + "]";
  });
}

TEST(NoteMarkers, FootnoteNumbersAfterWordsOrAlone) {
  EXPECT_EQ(Bracketed("orang-orang kafir,8) sama"), "orang-orang kafir,[8] sama");
  EXPECT_EQ(Bracketed("kalimat (firman)118) dari"), "kalimat (firman)[118] dari");
  EXPECT_EQ(Bracketed("ejekan?\" 34) Dia"), "ejekan?\" [34] Dia");
  EXPECT_EQ(Bracketed("12)"), "[12]");
  EXPECT_EQ(RewriteNoteMarkers("hidup, 51) tetapi", [](int) { return std::string(); }), "hidup,  tetapi");
}

TEST(NoteMarkers, OtherDigitsStayText) {
  for (const char* text : {"(2) dua", "ayat 12 dan", "12a) x", "1234567) x", "(x 5 )"})
    EXPECT_EQ(Bracketed(text), text);
}

TEST(NoteMarkers, ReplaceSeesEachNumberInOrder) {
  std::vector<int> seen;
  RewriteNoteMarkers("a1) b22) c333)", [&seen](int n) {
    seen.push_back(n);
    return std::string();
  });
  EXPECT_EQ(seen, (std::vector<int>{1, 22, 333}));
}

}  // namespace
}  // namespace pelvaron::pack
