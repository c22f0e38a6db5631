// `pelvaron insert` writing documents: the .docx and text formats, end to end.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <zip.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/support/data_writer.hpp"
#include "tests/support/temp_dir.hpp"

namespace pelvaron::testing {
namespace {

struct ProgramRun {
  int status = -1;
  std::string out;
};

ProgramRun Pelvaron(const std::string& args) {
  ProgramRun run;
  FILE* pipe = popen((std::string(PELVARON_EXE) + " " + args + " 2>/dev/null").c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
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
  std::string App() const { return "--app-path '" + dir_.path().string() + "'"; }
  TempDir dir_;
  DataFolder folder_{dir_.path()};
};

TEST_F(DocxOutput, TextFormatPrintsEachParagraphAsALine) {
  const ProgramRun run = Pelvaron("insert " + App() + " --surah 1 --first 1 --last 2 --format text");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "\u0661 \u0662 \n1.  Word1\n2.  Word2\n\n\n");
}

TEST_F(DocxOutput, DocxIsTheDefaultForADocxFileName) {
  const auto path = dir_.path() / "out.docx";
  const ProgramRun run = Pelvaron("insert " + App() + " --surah 1 --first 1 --last 2 -o '" + path.string() + "'");
  EXPECT_EQ(run.status, 0);
  const std::string xml = DocumentXml(path);
  EXPECT_NE(xml.find("<w:bidi/>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("1.  Word1"), std::string::npos);
  EXPECT_NE(xml.find("2.  Word2"), std::string::npos);
}

TEST_F(DocxOutput, ArabicCitationIsARightToLeftParagraphOfItsOwn) {
  std::string names;
  for (int s = 1; s <= 114; ++s) names += "\u0633\u0648\u0631\u0629" + std::to_string(s) + "\n";
  folder_.Write("surahnames.txt", names);
  const auto path = dir_.path() / "cited.docx";
  const ProgramRun run =
      Pelvaron("insert " + App() + " --surah 1 --first 1 --last 2 --cite arabic -o '" + path.string() + "'");
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
  EXPECT_EQ(Pelvaron("insert " + App() + " --surah 1 --first 1 --last 2 --cite qs --format text").out,
            "\u0661 \u0662 \n1.  Word1\n2.  Word2\n\n(QS. Surah1 [1]: 1\u20132)\n\n");
}

TEST_F(DocxOutput, ArabicFontNamesTheDefaultFontsComplexScriptSlot) {
  const auto path = dir_.path() / "font.docx";
  const ProgramRun run = Pelvaron("insert " + App() + " --surah 1 --first 1 --last 1 --format docx --arabic-font " +
                                  "'Noto Naskh Arabic' -o '" + path.string() + "'");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(PackagePart(path, "word/styles.xml").find("w:cs=\"Noto Naskh Arabic\""), std::string::npos);
}

TEST_F(DocxOutput, TraceWithAnOutputFileGoesToTheFileAlone) {
  const auto path = dir_.path() / "out.trace";
  const ProgramRun run = Pelvaron("insert " + App() + " --surah 1 --first 1 --last 1 -o '" + path.string() + "'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  std::ifstream in(path, std::ios::binary);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "RtlPara");
}

TEST_F(DocxOutput, DocxWithoutAnOutputFileIsAUsageError) {
  EXPECT_EQ(Pelvaron("insert " + App() + " --surah 1 --first 1 --last 1 --format docx").status, 2);
}

TEST_F(DocxOutput, FailurePartWayStillWritesWhatWasTyped) {
  folder_.WriteGroupRecords("Ayat Per Kata", {{1}, {0}, {3}, {4}});  // verse 2 names group 0
  const auto path = dir_.path() / "partial.docx";
  const ProgramRun run = Pelvaron("insert " + App() + " --surah 1 --first 1 --last 3 -o '" + path.string() + "'");
  EXPECT_EQ(run.status, 1);
  const std::string xml = DocumentXml(path);
  for (const char* digit : {"\u0661", "\u0662", "\u0663"}) EXPECT_NE(xml.find(digit), std::string::npos) << xml;
  EXPECT_NE(xml.find("1.  Word1"), std::string::npos) << xml;
  EXPECT_EQ(xml.find("Word3"), std::string::npos) << xml;
}

}  // namespace
}  // namespace pelvaron::testing
