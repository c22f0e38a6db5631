// The default pack against its source, verse by verse over the whole Quran: the translation
// line the engine builds and the characters the Arabic insertion types must give back the
// quran-json text. Needs the pack built beside `pelvaron` (tools/make-default-pack.sh); skips
// without it unless PELVARON_REQUIRE_PACK is set.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>

#include "data/latin_text.hpp"
#include "data/surah_index.hpp"
#include "insert/arabic_insert.hpp"
#include "insert/translation.hpp"
#include "latin/transliterate.hpp"
#include "module/text.hpp"
#include "pack/standard_arabic.hpp"
#include "pack/windows1252_mapper.hpp"
#include "tests/support/typed_text_sink.hpp"

namespace pelvaron::testing {
namespace {

using nlohmann::json;

std::filesystem::path FromEnvironment(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value && *value ? value : fallback;
}

class PackRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto app = FromEnvironment("PELVARON_PACK_APP_PATH", PELVARON_DEFAULT_APP_PATH);
    const auto source =
        FromEnvironment("PELVARON_QURAN_JSON", PELVARON_QURAN_JSON_DIR) / "dist" / "quran_id.json";
    if (!std::filesystem::exists(app / "DataQuran" / "AQO2.TXT") || !std::filesystem::exists(source)) {
      if (std::getenv("PELVARON_REQUIRE_PACK")) FAIL() << "no default pack in " << app << " or no " << source;
      GTEST_SKIP() << "no default pack in " << app << " (tools/make-default-pack.sh builds it)";
    }
    LoadModuleState(state_, app);
    std::ifstream in(source, std::ios::binary);
    source_ = json::parse(in);
    ASSERT_EQ(source_.size(), 114u);
  }
  ModuleState state_;
  json source_;
};

std::u32string CodePoints(std::string_view utf8) {
  std::u32string out;
  for (std::size_t pos = 0, length = 1; pos < utf8.size(); pos += length)
    out += DecodeUtf8At(utf8, pos, &length);
  return out;
}

// The source translation as the pack must give it: footnote numbers ("kafir,8)") and the
// blanks they leave dropped.
std::string WithoutFootnotes(const std::string& text) {
  static const std::regex footnote("(^|[^0-9(])[0-9]{1,5}\\)");
  static const std::regex blanks(" {2,}");
  std::string out = std::regex_replace(std::regex_replace(text, footnote, "$1"), blanks, " ");
  return std::string(TrimSpaces(out));
}

// Equal, except where the source has a character Windows-1252 lacks (the line has a
// stand-in from the code page there) and for the first letter, which the engine upper-cases.
::testing::AssertionResult SameText(const std::string& line, const std::string& expected) {
  const std::u32string a = CodePoints(line);
  const std::u32string b = CodePoints(expected);
  if (a.size() != b.size()) return ::testing::AssertionFailure() << "lengths differ";
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    if (i == 0 && a[i] == UpperCase(b[i])) continue;
    if (pack::Windows1252Byte(b[i]) < 0 && pack::Windows1252Byte(a[i]) >= 0) continue;
    return ::testing::AssertionFailure() << "character " << i << " differs";
  }
  return ::testing::AssertionSuccess();
}

TEST_F(PackRoundTrip, EveryVerseTranslationLineIsTheSourceText) {
  int verses = 0;
  for (int s = 1; s <= 114; ++s) {
    const json& surah = source_[static_cast<std::size_t>(s - 1)];
    ASSERT_EQ(state_.SurahTable[s].VerseCount, static_cast<int>(surah["verses"].size())) << "surah " << s;
    for (const json& verse : surah["verses"]) {
      const int v = verse["id"].get<int>();
      const std::string prefix = std::to_string(v) + ".  ";
      const std::string line =
          BuildVerseTranslation(state_, static_cast<int16_t>(s), static_cast<int16_t>(v));
      ASSERT_EQ(line.substr(0, prefix.size()), prefix) << "surah " << s << " verse " << v;
      EXPECT_TRUE(SameText(line.substr(prefix.size()), WithoutFootnotes(verse["translation"])))
          << "surah " << s << " verse " << v << "\n  pack:   " << line
          << "\n  source: " << verse["translation"];
      EXPECT_EQ(line.find('['), std::string::npos)
          << "a marker without a note: surah " << s << " verse " << v;
      ++verses;
    }
  }
  EXPECT_EQ(verses, 6236);
}

// The source's Arabic with its open tanween at the standard code points, as the pack must
// store it.
std::string WithStandardTanween(const std::string& text) {
  static const std::map<char32_t, char32_t> standard{
      {U'\u0657', U'\u08F0'}, {U'\u065E', U'\u08F1'}, {U'\u0656', U'\u08F2'}};
  std::string out;
  for (char32_t c : CodePoints(text)) {
    const auto it = standard.find(c);
    AppendUtf8(out, it == standard.end() ? c : it->second);
  }
  return out;
}

std::string ArabicIndicDigits(int number) {
  std::string out;
  for (char digit : std::to_string(number)) {
    out += '\xd9';
    out += static_cast<char>(0xa0 + (digit - '0'));  // U+0660 + digit
  }
  return out;
}

TEST_F(PackRoundTrip, EveryVerseArabicIsTypedAsTheSourceWithStandardTanween) {
  int verses = 0;
  for (int s = 1; s <= 114; ++s) {
    const json& verseList = source_[static_cast<std::size_t>(s - 1)]["verses"];
    TypedTextSink sink;
    const auto last = static_cast<int16_t>(verseList.size());
    InsertArabicRange(state_, sink, static_cast<int16_t>(s), 1, last, false);  // a paragraph per verse
    ASSERT_EQ(sink.paragraphs.size(), verseList.size() + 2) << "surah " << s;
    for (std::size_t i = 0; i < verseList.size(); ++i) {
      // The default pack closes a verse with its number in ornate parentheses, in one
      // left-to-right run (visual order, each parenthesis between left-to-right marks).
      const std::string expected = WithStandardTanween(verseList[i]["text"].get<std::string>()) +
                                   " \u200e\ufd3e\u200e" + ArabicIndicDigits(static_cast<int>(i + 1)) +
                                   "\u200e\ufd3f\u200e ";
      EXPECT_EQ(sink.paragraphs[i], expected) << "surah " << s << " verse " << i + 1;
      ++verses;
    }
  }
  EXPECT_EQ(verses, 6236);
}

// What `pelvaron latin` does with a verse, the pack's word list read back from its file, is
// what the pack's latin.txt says, verse for verse.
TEST_F(PackRoundTrip, EveryVerseLatinIsTheArabicReadWithThePacksWordList) {
  const latin::JoinedWords joined = latin::JoinedWordsOf(ReadLatinJoinedWords(state_));
  const std::vector<std::string> lines = ReadLatinLines(state_);
  ASSERT_EQ(lines.size(), 6236u);
  std::size_t n = 0;
  for (const json& surah : source_) {
    for (const json& verse : surah["verses"]) {
      int mapped = 0;
      const std::string arabic = pack::ToStandardArabic(verse["text"].get<std::string>(), &mapped);
      EXPECT_EQ(latin::TransliterateVerse(arabic, joined), lines[n]) << "global verse " << n + 1;
      ++n;
    }
  }
}

}  // namespace
}  // namespace pelvaron::testing
