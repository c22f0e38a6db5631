// `pelvaron insert` writing documents: the .docx and text formats, end to end.

#include <gtest/gtest.h>
#include <zip.h>

#include <fstream>
#include <sstream>

#include "tests/support/data_writer.hpp"
#include "tests/support/run_program.hpp"
#include "tests/support/temp_dir.hpp"

namespace pelvaron::testing {
namespace {

// `pelvaron insert --app-path DIR` and then `args`.
ProgramResult Insert(const std::filesystem::path& app, std::vector<std::string> args) {
  args.insert(args.begin(), {"insert", "--app-path", app.string()});
  return RunProgram(PELVARON_EXE, args);
}

std::string PackagePart(const std::filesystem::path& docx, const char* name) {
  int code = 0;
  zip_t* archive = zip_open(docx.c_str(), ZIP_RDONLY, &code);
  if (!archive) return "<no zip>";
  zip_stat_t stat;
  std::string xml;
  if (zip_stat(archive, name, 0, &stat) == 0) {
    xml.resize(stat.size);
    zip_file_t* file = zip_fopen(archive, name, 0);
    zip_fread(file, xml.data(), xml.size());
    zip_fclose(file);
  }
  zip_close(archive);
  return xml;
}

std::string DocumentXml(const std::filesystem::path& docx) { return PackagePart(docx, "word/document.xml"); }

class DocxOutput : public ::testing::Test {
 protected:
  void SetUp() override { WriteSmallPack(folder_, {4}); }
  ProgramResult Run(const std::string& words, const std::vector<std::string>& more = {}) const {
    std::vector<std::string> args = Words(words);
    args.insert(args.end(), more.begin(), more.end());
    return Insert(dir_.path(), args);
  }
  TempDir dir_;
  DataFolder folder_{dir_.path()};
};

TEST_F(DocxOutput, TextFormatPrintsEachParagraphAsALine) {
  const ProgramResult run = Run("--surah 1 --first 1 --last 2 --format text");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "\u0661 \u0662 \n1.  Word1\n2.  Word2\n\n\n");
}

TEST_F(DocxOutput, DocxIsTheDefaultForADocxFileName) {
  const auto path = dir_.path() / "out.docx";
  const ProgramResult run = Run("--surah 1 --first 1 --last 2", {"-o", path.string()});
  EXPECT_EQ(run.status, 0);
  const std::string xml = DocumentXml(path);
  EXPECT_NE(xml.find("<w:bidi/>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("1.  Word1"), std::string::npos);
  EXPECT_NE(xml.find("2.  Word2"), std::string::npos);
}

TEST_F(DocxOutput, ArabicCitationIsARightToLeftParagraphOfItsOwn) {
  std::string names;
  for (int s = 1; s <= 114; ++s) {
    names += "\u0633\u0648\u0631\u0629";
    names += std::to_string(s);
    names += '\n';
  }
  folder_.Write("surahnames.txt", names);
  const auto path = dir_.path() / "cited.docx";
  const ProgramResult run = Run("--surah 1 --first 1 --last 2 --cite arabic", {"-o", path.string()});
  ASSERT_EQ(run.status, 0);
  const std::string xml = DocumentXml(path);
  const std::size_t cite = xml.find("[\u0633\u0648\u0631\u06291: \u0661\u2013\u0662]");
  ASSERT_NE(cite, std::string::npos) << xml;
  const std::size_t paragraph = xml.rfind("<w:p>", cite);
  const std::string before = xml.substr(paragraph, cite - paragraph);
  EXPECT_NE(before.find("<w:bidi/>"), std::string::npos) << before;
  EXPECT_NE(before.find("<w:rtl/>"), std::string::npos) << before;
  // the translation before it stays left to right
  const std::size_t verse = xml.find("2.  Word2");
  const std::size_t verseParagraph = xml.rfind("<w:p>", verse);
  EXPECT_EQ(xml.substr(verseParagraph, verse - verseParagraph).find("<w:bidi/>"), std::string::npos);
  EXPECT_EQ(Run("--surah 1 --first 1 --last 2 --cite qs --format text").out,
            "\u0661 \u0662 \n1.  Word1\n2.  Word2\n\n(QS. Surah1 [1]: 1\u20132)\n\n");
}

TEST_F(DocxOutput, ArabicFontNamesTheDefaultFontsComplexScriptSlot) {
  const auto path = dir_.path() / "font.docx";
  const ProgramResult run = Run("--surah 1 --first 1 --last 1 --format docx",
                                {"--arabic-font", "Noto Naskh Arabic", "-o", path.string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(PackagePart(path, "word/styles.xml").find("w:cs=\"Noto Naskh Arabic\""), std::string::npos);
}

TEST_F(DocxOutput, ArabicFontComesFromTheOptionThenThePackAndTheFontFileTravels) {
  const auto path = dir_.path() / "font.docx";
  const auto fontFile = dir_.path() / "some.ttf";
  std::ofstream(fontFile, std::ios::binary) << std::string(64, 'T');
  const auto run = [&](std::vector<std::string> options) {
    options.insert(options.end(), {"-o", path.string()});
    return Run("--surah 1 --first 1 --last 1", options).status;
  };
  const auto arabicFont = [&] {
    const std::string styles = PackagePart(path, "word/styles.xml");
    const std::size_t at = styles.find("w:cs=\"");
    return at == std::string::npos ? "-" : styles.substr(at + 6, styles.find('"', at + 6) - at - 6);
  };
  ASSERT_EQ(run({"--no-embed-font"}), 0);
  EXPECT_EQ(arabicFont(), "Amiri Quran");
  EXPECT_EQ(PackagePart(path, "word/fonts/font1.odttf"), "");
  EXPECT_NE(PackagePart(path, "docProps/core.xml").find("<dc:title>Al-Quran 1:1\u20131</dc:title>"),
            std::string::npos);
  folder_.Write("pelvaron.ini", "ArabicFont=KFGQPC HAFS\r\n");
  ASSERT_EQ(run({"--embed-font", fontFile.string()}), 0);
  EXPECT_EQ(arabicFont(), "KFGQPC HAFS");
  EXPECT_EQ(PackagePart(path, "word/fonts/font1.odttf").size(), 64u);
  ASSERT_EQ(run({"--arabic-font", "Noto Naskh Arabic"}), 0);  // another font: no Amiri Quran file carried
  EXPECT_EQ(arabicFont(), "Noto Naskh Arabic");
  EXPECT_EQ(PackagePart(path, "word/fonts/font1.odttf"), "");
  EXPECT_EQ(run({"--embed-font", (dir_.path() / "none.ttf").string()}), 1);
}

TEST_F(DocxOutput, TraceWithAnOutputFileGoesToTheFileAlone) {
  const auto path = dir_.path() / "out.trace";
  const ProgramResult run = Run("--surah 1 --first 1 --last 1 --format trace", {"-o", path.string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  std::ifstream in(path, std::ios::binary);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "RtlPara");
}

TEST_F(DocxOutput, DocxWithoutAnOutputFileIsAUsageError) {
  EXPECT_EQ(Run("--surah 1 --first 1 --last 1 --format docx").status, 2);
}

TEST_F(DocxOutput, FailurePartWayStillWritesWhatWasTyped) {
  folder_.WriteGroupRecords("Ayat Per Kata", {{1}, {0}, {3}, {4}});  // verse 2 names group 0
  const auto path = dir_.path() / "partial.docx";
  std::ofstream(path) << "an older document";  // replaced: the partial document is a whole one
  const ProgramResult run = Run("--surah 1 --first 1 --last 3", {"-o", path.string()});
  EXPECT_EQ(run.status, 1);
  const std::string xml = DocumentXml(path);
  for (const char* digit : {"\u0661", "\u0662", "\u0663"})
    EXPECT_NE(xml.find(digit), std::string::npos) << xml;
  EXPECT_NE(xml.find("1.  Word1"), std::string::npos) << xml;
  EXPECT_EQ(xml.find("Word3"), std::string::npos) << xml;
}

}  // namespace
}  // namespace pelvaron::testing
