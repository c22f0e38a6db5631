// The pelvaron program end to end: arguments, refusals, output and exit status.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "insert/arabic_insert.hpp"
#include "insert/insert_request.hpp"
#include "insert/translation.hpp"
#include "tests/support/fixtures.hpp"
#include "tests/support/run_program.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;
using testing::RunProgram;

class InsertCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteSmallPack(f.folder, {3, 5}, {{2, 1}, {5, 2}});
    f.Load();
  }
  testing::ProgramResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"insert", "--app-path", f.temp.path().string(), "--format", "trace"});
    return RunProgram(PELVARON_EXE, args);
  }
  // The trace the engine itself writes for the same request.
  std::string Expected(int surah, int first, int last, InsertWhat what, bool runOn) {
    InsertRequest request{surah, first, last, what, runOn};
    RunInsertRequest(f.state, f.trace, request);
    return f.traceText.str();
  }
  DataFixture f;
};

TEST_F(InsertCommandTest, WritesTheTraceOfTheRequestedMode) {
  auto r = Run({"--surah", "2", "--first", "1", "--last", "3", "--mode", "all"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, Expected(2, 1, 3, InsertWhat::All, true));
  EXPECT_NE(r.out.find("TypeText \"2.  Word5[2]\""), std::string::npos);
  EXPECT_NE(r.out.find("TypeText \"[2]  note 2 text\""), std::string::npos);
  EXPECT_EQ(r.err, "");
}

TEST_F(InsertCommandTest, ModesAndLinePerVerse) {
  auto arabic = Run({"--surah", "1", "--first", "1", "--last", "3", "--mode", "arabic", "--line-per-verse"});
  EXPECT_EQ(arabic.status, 0);
  EXPECT_EQ(arabic.out, Expected(1, 1, 3, InsertWhat::Arabic, false));
  EXPECT_EQ(arabic.out.find("Font.Size 10"), std::string::npos);

  f.traceText.str("");
  auto translation = Run({"--surah", "1", "--first", "2", "--last", "2", "--mode", "translation"});
  EXPECT_EQ(translation.status, 0);
  EXPECT_EQ(translation.out, Expected(1, 2, 2, InsertWhat::Translation, true));
  EXPECT_EQ(translation.out.find("InsertSymbol"), std::string::npos);
}

TEST_F(InsertCommandTest, LatinFlagsAskTheEngineForTheLatin) {
  const auto request = [](InsertWhat what, bool latin, bool perVerse) {
    InsertRequest r{2, 1, 2, what};
    r.latin = latin;
    r.perVerse = perVerse;
    return r;
  };
  const std::vector<std::pair<std::vector<std::string>, InsertRequest>> rows{
      {{"--mode", "latin"}, request(InsertWhat::Latin, false, false)},
      {{"--latin"}, request(InsertWhat::All, true, false)},
      {{"--mode", "translation", "--latin", "--per-verse"}, request(InsertWhat::Translation, true, true)},
      {{"--per-verse"}, request(InsertWhat::All, false, true)},
  };
  auto refused = Run({"--surah", "2", "--first", "1", "--last", "2", "--mode", "latin"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("latin.txt"), std::string::npos) << refused.err;
  f.folder.Write("latin.txt", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\n");
  for (const auto& [flags, expected] : rows) {
    std::vector<std::string> args{"--surah", "2", "--first", "1", "--last", "2"};
    args.insert(args.end(), flags.begin(), flags.end());
    f.traceText.str("");
    RunInsertRequest(f.state, f.trace, expected);
    const auto r = Run(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, f.traceText.str()) << flags[0];
  }
}

TEST_F(InsertCommandTest, WritesToAFile) {
  const auto out = f.temp.path() / "trace.txt";
  auto r = Run({"--surah", "1", "--first", "1", "--last", "1", "-o", out.string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  std::ifstream in(out, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), Expected(1, 1, 1, InsertWhat::All, true));
}

TEST_F(InsertCommandTest, VersesOutsideTheSurahAreRefused) {
  for (auto [first, last] : {std::pair{"1", "4"}, {"4", "4"}, {"0", "1"}, {"-1", "2"}, {"1", "70000"}}) {
    auto r = Run({"--surah", "1", "--first", first, "--last", last});
    EXPECT_EQ(r.status, 1) << first << ".." << last;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Ayat tidak ada!!!"), std::string::npos) << r.err;
  }
  EXPECT_EQ(Run({"--surah", "1", "--first", "3", "--last", "3"}).status, 0);  // equal to the count passes
}

TEST_F(InsertCommandTest, AFirstVerseAfterTheLastIsAUsageError) {
  f.folder.Write("latin.txt", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\n");
  const std::string missing = (f.temp.path() / "no pack here").string();
  for (const std::vector<std::string>& extra :
       std::vector<std::vector<std::string>>{{"--cite", "qs"},
                                             {"--latin"},
                                             {"--mode", "latin", "--per-verse", "--cite", "short"},
                                             {"--mode", "translation", "--cite", "arabic"}}) {
    std::vector<std::string> args{"--surah", "2", "--first", "5", "--last", "3"};
    args.insert(args.end(), extra.begin(), extra.end());
    const auto r = Run(args);
    EXPECT_EQ(r.status, 2) << extra[0] << " " << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("--first: verse 5 is after --last 3"), std::string::npos) << r.err;
  }
  const auto belowOne = Run({"--surah", "1", "--first", "1", "--last", "0"});
  EXPECT_EQ(belowOne.status, 2) << belowOne.err;
  // Found before any data is read.
  const auto noPack = RunProgram(PELVARON_EXE, {"insert", "--app-path", missing, "--surah", "2", "--first",
                                                "5", "--last", "3", "--format", "trace"});
  EXPECT_EQ(noPack.status, 2) << noPack.err;
}

TEST_F(InsertCommandTest, SurahsOutsideTheIndexAreRefused) {
  for (const char* surah : {"0", "115", "-3"}) {
    auto r = Run({"--surah", surah, "--first", "1", "--last", "1"});
    EXPECT_EQ(r.status, 1) << surah;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("pelvaron: surah"), std::string::npos) << r.err;
  }
}

TEST_F(InsertCommandTest, UsageErrorsExitWithTwo) {
  EXPECT_EQ(Run({"--surah", "1"}).status, 2);
  EXPECT_EQ(Run({"--surah", "x", "--first", "1", "--last", "1"}).status, 2);
  EXPECT_EQ(Run({"--surah", "1", "--first", "1", "--last", "1", "--mode", "both"}).status, 2);
  auto help = RunProgram(PELVARON_EXE, {"insert", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--line-per-verse"), std::string::npos);
}

TEST_F(InsertCommandTest, OutputFormatFollowsTheOptionOrTheFileName) {
  const std::string trace = Expected(1, 1, 1, InsertWhat::All, true);
  const auto insert = [this](std::vector<std::string> args) {
    args.insert(args.begin(), {"insert", "--app-path", f.temp.path().string(), "--surah", "1", "--first", "1",
                               "--last", "1"});
    return RunProgram(PELVARON_EXE, args);
  };
  const auto text = insert({});
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out.rfind("1.  Word1\n"), text.out.find('\n') + 1)
      << text.out;  // text, not trace, by default
  EXPECT_EQ(insert({"-o", "-"}).out, text.out);
  EXPECT_EQ(insert({"--format", "trace", "-o", "-"}).out, trace);

  const auto upper = f.temp.path() / "A.DOCX";
  ASSERT_EQ(insert({"-o", upper.string()}).status, 0);
  std::ifstream docx(upper, std::ios::binary);
  std::string magic(2, '\0');
  docx.read(magic.data(), 2);
  EXPECT_EQ(magic, "PK");  // a zip package, whatever the case of its name
  const auto docxOut = insert({"--format", "docx", "-o", "-"});
  EXPECT_EQ(docxOut.out.substr(0, 2), "PK");
}

TEST(CommandLine, UsageErrorsComeBeforeAnyDataIsRead) {
  testing::TempDir empty;  // no DataQuran: reading it would be exit 1
  const std::vector<std::vector<std::string>> cases{
      {"insert", "--app-path", empty.path().string(), "--surah", "1", "--first", "1", "--last", "1",
       "--format", "docx"},
      {"frob"},
      {},
  };
  for (const auto& args : cases) {
    const auto r = RunProgram(PELVARON_EXE, args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.out, "");
  }
  EXPECT_NE(RunProgram(PELVARON_EXE, {"frob"}).err.find("insert, dialog, pack"), std::string::npos);
  const auto version = RunProgram(PELVARON_EXE, {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "pelvaron " PELVARON_VERSION "\n");
}

TEST_F(InsertCommandTest, AMissingDataFolderFailsWithNoOutput) {
  testing::TempDir empty;
  auto r = RunProgram(PELVARON_EXE, {"insert", "--app-path", empty.path().string(), "--surah", "1", "--first",
                                     "1", "--last", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("pelvaron: surahindex.mtf: file not found"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(empty.path() / "DataQuran"));
}

TEST_F(InsertCommandTest, AFailurePartWayKeepsWhatWasTyped) {
  std::filesystem::remove(f.folder.file("Note Per Kata.idx"));
  auto r = Run({"--surah", "1", "--first", "1", "--last", "3"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Note Per Kata.idx"), std::string::npos) << r.err;
  // Everything up to the empty paragraph before the notes is there.
  EXPECT_NE(r.out.find("TypeText \"3.  Word3\"\nTypeParagraph\nTypeParagraph\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.back(), '\n');
}

}  // namespace
}  // namespace pelvaron

namespace pelvaron {
namespace {

// The two worked examples, through the program: one Arabic word of two pieces, and a
// two-verse translation with one note.
class WorkedExamplesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.folder.WriteSurahIndex({{"Al-Fatihah", 2, 0}});
    f.folder.WritePositions({0});
    f.folder.WriteArabicLines({"2|5000_1|6000_6| _", "1|5001_6| _"});
    f.folder.WriteGroups({"in the name", "of God[1]", "praise be to God", "text of note 1"});
    f.folder.WriteGroupRecords("Ayat Per Kata", {{1, 2}, {3}});
    f.folder.WriteGroupRecords("Note Per Kata", {{4}});
  }
  testing::ProgramResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"insert", "--app-path", f.temp.path().string(), "--format", "trace"});
    return RunProgram(PELVARON_EXE, args);
  }
  DataFixture f;
};

TEST_F(WorkedExamplesTest, ArabicVerse) {
  auto r = Run({"--surah", "1", "--first", "1", "--last", "1", "--mode", "arabic", "--line-per-verse"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "RtlPara\n"
            "ScreenUpdating False\nFont.Size 14\nRtlRun\nRtlPara\nParagraphFormat.Alignment 3\n"
            "Font.Name \"HQPB1\"\nInsertSymbol 1904 \"HQPB1\" True 0\n"
            "Font.Name \"HQPB2\"\nInsertSymbol 904 \"HQPB2\" True 0\n"
            "Font.Name \"(normal text)\"\nTypeText \" \"\n"
            "ScreenUpdating True\nYield\nTypeParagraph\n"
            "EndKey 5\nTypeParagraph\nLtrPara\nLtrRun\nParagraphFormat.Alignment 3\n");
}

TEST_F(WorkedExamplesTest, TranslationWithOneNote) {
  auto r = Run({"--surah", "1", "--first", "1", "--last", "2", "--mode", "translation"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "LtrPara\nLtrRun\nParagraphFormat.Alignment 3\nFont.Size 10\n"
            "TypeText \"1.  In the name of God[1]\"\nTypeParagraph\n"
            "TypeText \"2.  Praise be to God\"\nTypeParagraph\n"
            "TypeParagraph\n"
            "TypeText \"[1]  text of note 1\"\nTypeParagraph\n");
}

}  // namespace
}  // namespace pelvaron
