// The Latin reading against what the Ministry's transliteration prints, verse by verse. The
// Arabic is the default pack's (quran-json's Uthmani text, open tanween at U+08F0..U+08F2).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "latin/transliterate.hpp"

namespace pelvaron::latin {
namespace {

struct Row {
  const char* where;
  const char* arabic;
  const char* latin;
};

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) EXPECT_EQ(TransliterateVerse(row.arabic), row.latin) << row.where;
}

// The examples that must come out exactly.
TEST(TransliterateVerse, PrintedExamples) {
  ExpectRows({
      {"1:1", "بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ", "Bismillāhir-raḥmānir-raḥīm(i)."},
      {"1:2", "ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ", "Al-ḥamdu lillāhi rabbil-‘ālamīn(a)."},
      {"112:1", "قُلۡ هُوَ ٱللَّهُ أَحَدٌ", "Qul huwallāhu aḥad(un)."},
      {"112:2", "ٱللَّهُ ٱلصَّمَدُ", "Allāhuṣ-ṣamad(u)."},
      {"94:6", "إِنَّ مَعَ ٱلۡعُسۡرِ يُسۡرࣰا", "Inna ma‘al-‘usri yusrā(n)."},
  });
}

}  // namespace
}  // namespace pelvaron::latin
