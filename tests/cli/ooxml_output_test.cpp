// `pelvaron insert --format ooxml`: the flat package Word inserts at a selection, checked
// against the text format for the same requests and for what every run must carry.

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <regex>

#include "tests/support/data_writer.hpp"
#include "tests/support/run_program.hpp"
#include "tests/support/temp_dir.hpp"

namespace pelvaron::testing {
namespace {

class OoxmlOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSmallPack(folder_, {4});
    folder_.Write("latin.txt", "a\r\nb\r\nc\r\nd\r\n");
  }
  ProgramResult Run(const std::string& words) const {
    std::vector<std::string> args = Words("insert --surah 1 --first 1 --last 3 " + words);
    args.insert(args.end(), {"--app-path", dir_.path().string()});
    return RunProgram(PELVARON_EXE, args);
  }
  TempDir dir_;
  DataFolder folder_{dir_.path()};
};

std::vector<std::string> ChildNames(pugi::xml_node node) {
  std::vector<std::string> names;
  for (pugi::xml_node child : node.children()) names.emplace_back(child.name());
  return names;
}

// An on/off property as Word reads it: present and not "0".
bool On(pugi::xml_node properties, const char* name) {
  const pugi::xml_node node = properties.child(name);
  return node && std::string(node.attribute("w:val").as_string("1")) != "0";
}

// The paragraph's text as the text format prints it.
std::string LineOf(pugi::xml_node paragraph) {
  std::string line;
  for (pugi::xml_node run : paragraph.children("w:r")) {
    line += run.child("w:t").text().get();
    if (run.child("w:tab")) line += '\t';
    if (run.child("w:br")) line += '\n';
  }
  return line + '\n';
}

pugi::xml_node Body(const pugi::xml_document& package) {
  pugi::xml_node body;
  for (pugi::xml_node part : package.child("pkg:package").children("pkg:part"))
    if (std::string(part.attribute("pkg:name").value()) == "/word/document.xml")
      body = part.child("pkg:xmlData").child("w:document").child("w:body");
  return body;
}

TEST_F(OoxmlOutput, EveryParagraphAndRunSaysItsDirectionFontsSizeAndItalic) {
  const std::vector<std::string> rPr{"w:rFonts", "w:i", "w:iCs", "w:sz", "w:szCs", "w:rtl"};
  for (const std::string request :
       {"", "--cite qs --latin", "--per-verse --latin", "--mode latin", "--line-per-verse --cite short"}) {
    SCOPED_TRACE(request);
    const ProgramResult run = Run("--format ooxml " + request);
    ASSERT_EQ(run.status, 0) << run.err;
    pugi::xml_document package;
    ASSERT_TRUE(package.load_string(run.out.c_str(), pugi::parse_default | pugi::parse_ws_pcdata));
    std::vector<std::string> parts;
    for (pugi::xml_node part : package.child("pkg:package").children("pkg:part"))
      parts.emplace_back(part.attribute("pkg:name").value());
    EXPECT_EQ(parts, (std::vector<std::string>{"/_rels/.rels", "/word/document.xml"}));
    const pugi::xml_node body = Body(package);
    EXPECT_FALSE(body.child("w:sectPr"));
    std::string text;
    for (pugi::xml_node p : body.children("w:p")) {
      text += LineOf(p);
      const bool rtl = On(p.child("w:pPr"), "w:bidi");
      const bool latin = std::regex_match(LineOf(p), std::regex("\\d+\\. [a-d]\n"));  // the Latin reading
      ASSERT_TRUE(p.child("w:pPr").child("w:bidi")) << LineOf(p);
      for (pugi::xml_node r : p.children("w:r")) {
        EXPECT_EQ(ChildNames(r.child("w:rPr")), rPr) << LineOf(p);
        EXPECT_EQ(On(r.child("w:rPr"), "w:rtl"), rtl) << LineOf(p);
        for (const char* slot : {"w:ascii", "w:hAnsi", "w:cs"})
          EXPECT_STRNE(r.child("w:rPr").child("w:rFonts").attribute(slot).value(), "") << slot;
        EXPECT_EQ(On(r.child("w:rPr"), "w:i"), latin) << LineOf(p);
      }
    }
    EXPECT_EQ(text, Run("--format text " + request).out);
  }
}

TEST_F(OoxmlOutput, TextWithoutAFontOfItsOwnGetsTheArabicFontInItsComplexScriptSlot) {
  for (const auto& [option, font] :
       {std::pair{"", "Amiri Quran"}, {"--arabic-font Scheherazade", "Scheherazade"}}) {
    const ProgramResult run = Run(std::string("--mode translation --format ooxml ") + option);
    ASSERT_EQ(run.status, 0) << run.err;
    pugi::xml_document package;
    ASSERT_TRUE(package.load_string(run.out.c_str(), pugi::parse_default | pugi::parse_ws_pcdata));
    const pugi::xml_node fonts = Body(package).child("w:p").child("w:r").child("w:rPr").child("w:rFonts");
    EXPECT_STREQ(fonts.attribute("w:cs").value(), font);
    EXPECT_STREQ(fonts.attribute("w:ascii").value(), "Times New Roman");
    EXPECT_STREQ(
        Body(package).child("w:p").child("w:r").child("w:rPr").child("w:sz").attribute("w:val").value(),
        "20");
  }
}

}  // namespace
}  // namespace pelvaron::testing
