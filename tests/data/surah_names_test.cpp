#include "data/surah_names.hpp"

#include <gtest/gtest.h>

#include "module/error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

std::string Names(int count, const std::string& lineEnd = "\n") {
  std::string text;
  for (int s = 1; s <= count; ++s) text += "\u0633" + std::to_string(s) + lineEnd;
  return text;
}

TEST(SurahNames, ReadsEachLineEndAndABom) {
  for (const std::string& text :
       {Names(114), Names(114, "\r\n"), "\xEF\xBB\xBF" + Names(114), Names(113) + "\u0633114"}) {
    testing::DataFixture f;
    f.state.AppPath = f.temp.path();
    f.folder.Write("surahnames.txt", text);
    const auto names = ReadArabicSurahNames(f.state);
    EXPECT_EQ(names[1], "\u06331");
    EXPECT_EQ(names[114], "\u0633114");
  }
}

TEST(SurahNames, MissingShortOrEmptyIsAnErrorNamingTheFileAndLine) {
  struct Case {
    const char* what;
    std::string text;  // none written when empty
    ErrorKind kind;
    std::string message;
  };
  for (const Case& c : std::vector<Case>{
           {"missing", "", ErrorKind::File, "surahnames.txt"},
           {"short", Names(113), ErrorKind::PastEnd, "113 names, 114 needed"},
           {"blank line", Names(4) + "  \n" + Names(109), ErrorKind::BadRecord, "line 5 is empty"}}) {
    testing::DataFixture f;
    f.state.AppPath = f.temp.path();
    if (!c.text.empty()) f.folder.Write("surahnames.txt", c.text);
    try {
      ReadArabicSurahNames(f.state);
      ADD_FAILURE() << c.what;
    } catch (const Error& e) {
      EXPECT_EQ(e.kind(), c.kind) << c.what;
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
    }
  }
}

}  // namespace
}  // namespace pelvaron
