// The pack's settings file: what the reader takes from it, and a pack without one.

#include "data/pack_settings.hpp"

#include <gtest/gtest.h>

#include "data/in_memory_files.hpp"
#include "module/error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

TEST(PackSettings, LinesAreKeyEqualsValue) {
  struct Case {
    const char* text;
    const char* font;  // ArabicFont as read, "-" for none
  };
  for (const Case& c : {Case{"ArabicFont=Amiri Quran\r\n", "Amiri Quran"},
                        Case{"[Pelvaron]\n; a comment\n  ArabicFont =  Amiri Quran  \n", "Amiri Quran"},
                        Case{"ArabicFont=A\nArabicFont=B", "B"}, Case{"ArabicFont=x=y\r", "x=y"},
                        Case{"ArabicFont\nOther=1\n", "-"}, Case{"", "-"}}) {
    const auto settings = ParseSettings(c.text);
    const auto it = settings.find("ArabicFont");
    EXPECT_EQ(it == settings.end() ? "-" : it->second, c.font) << c.text;
  }
}

TEST(PackSettings, ThePackWithoutAFileHasNoArabicFont) {
  testing::DataFixture f;
  f.state.ArabicFont = "left over";
  LoadPackSettings(f.state, f.temp.path());
  EXPECT_EQ(f.state.ArabicFont, "");
  f.folder.Write("pelvaron.ini", "ArabicFont=Amiri Quran\r\n");
  LoadPackSettings(f.state, f.temp.path());
  EXPECT_EQ(f.state.ArabicFont, "Amiri Quran");

  auto memory = std::make_shared<InMemoryFiles>();
  memory->Put(f.temp.path() / "DataQuran" / "pelvaron.ini", "ArabicFont=In Memory\n");
  f.state.Files = memory;
  LoadPackSettings(f.state, f.temp.path());
  EXPECT_EQ(f.state.ArabicFont, "In Memory");
}

TEST(PackSettings, AFolderInPlaceOfTheFileIsAnErrorNamingIt) {
  testing::DataFixture f;
  std::filesystem::create_directory(f.folder.file("pelvaron.ini"));
  try {
    LoadPackSettings(f.state, f.temp.path());
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("pelvaron.ini"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace pelvaron
