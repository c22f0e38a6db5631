// `pelvaron dialog`: the script language and its output, through the built program.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/dialog_script.hpp"
#include "tests/support/data_writer.hpp"
#include "tests/support/run_program.hpp"
#include "tests/support/temp_dir.hpp"

namespace pelvaron::testing {
namespace {

using Outcome = ProgramResult;

class DialogCommand : public ::testing::Test {
 protected:
  DialogCommand() {
    DataFolder folder(temp.path());
    WriteSmallPack(folder, {7, 286, 200, 176, 120}, {{2, 1}});
  }

  Outcome Pelvaron(const std::vector<std::string>& args, const std::string& input = "") {
    return RunProgram(PELVARON_EXE, args, input);
  }

  Outcome Dialog(const std::string& script, const std::string& mode = "all") {
    return Pelvaron({"dialog", "--app-path", temp.path().string(), "--mode", mode}, script);
  }

  Outcome Insert(const std::string& request) {
    std::vector<std::string> args{"insert", "--app-path", temp.path().string(), "--format", "trace"};
    for (auto& word : Words(request)) args.push_back(word);
    return Pelvaron(args);
  }

  TempDir temp;
};

const std::string kLoaded = "Load frmPilih\nSetWindowPos frmPilih -1 394 313 235 142 0\n";

TEST_F(DialogCommand, ShowThenOkInsertsWhatInsertDoesForSurahOneVerseOne) {
  const Outcome insert = Insert("--surah 1 --first 1 --last 1");
  ASSERT_EQ(insert.status, 0) << insert.err;
  ASSERT_FALSE(insert.out.empty());
  const Outcome dialog = Dialog("show\nok\n");
  EXPECT_EQ(dialog.status, 0) << dialog.err;
  EXPECT_EQ(dialog.out, kLoaded + insert.out + "Unload frmPilih\n");
}

TEST_F(DialogCommand, AScriptFileAndAModeSwitchedOnTheWay) {
  const Outcome insert = Insert("--surah 3 --first 2 --last 4 --mode arabic --line-per-verse");
  ASSERT_EQ(insert.status, 0) << insert.err;
  const auto script = temp.path() / "script.txt";
  std::ofstream(script, std::ios::binary)
      << "show\r\nsurah select 2\nfrom select 1\nto select 2\ncheck 1\nmode 2\nok\n";
  const Outcome dialog = Pelvaron(
      {"dialog", "--app-path", temp.path().string(), "--mode", "translation", "--script", script.string()});
  EXPECT_EQ(dialog.status, 0) << dialog.err;
  EXPECT_EQ(dialog.out, kLoaded + insert.out + "Unload frmPilih\n");
}

TEST_F(DialogCommand, StatePrintsTheControlsOpenAndClosed) {
  const Outcome run = Dialog(
      "state\nshow\nstate\nsurah select 4\nfrom select 2\nstate\nsurah text 0051 x\nstate\nclose\nstate\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "State loaded=0 surah=\"\" from=\"\" to=\"\" from.list= to.list= check=0\n" + kLoaded +
          "State loaded=1 surah=\"001. Surah1\" from=\"1\" to=\"1\" from.list=1..7 to.list=1..7 check=0\n"
          "State loaded=1 surah=\"005. Surah5\" from=\"3\" to=\"3\" from.list=1..120 to.list=3..120 check=0\n"
          "State loaded=1 surah=\"0051 x\" from=\"3\" to=\"3\" from.list=1..120 to.list=3..120 check=0\n"
          "Unload frmPilih\n"
          "State loaded=0 surah=\"\" from=\"\" to=\"\" from.list= to.list= check=0\n");
}

TEST_F(DialogCommand, ARefusedRangeClosesThenTellsAndTheRunSucceeds) {
  const Outcome run = Dialog("show\nto text 8\nok\nstate\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kLoaded +
                         "Unload frmPilih\nMsgBox \"Ayat tidak ada!!!\" 64\n"
                         "State loaded=0 surah=\"\" from=\"\" to=\"\" from.list= to.list= check=0\n");
}

TEST_F(DialogCommand, AFailingInsertionIsShownAndTheRunGoesOn) {
  std::filesystem::remove(temp.path() / "DataQuran" / "AQO2.TXT");
  const Outcome run = Dialog("show\nok\nstate\n", "arabic");
  EXPECT_EQ(run.status, 0) << run.err;
  std::istringstream lines(run.out);
  std::string line;
  std::vector<std::string> all;
  while (std::getline(lines, line)) all.push_back(line);
  // What was typed before the failure stays; the dialog stays open.
  ASSERT_GE(all.size(), 4u) << run.out;
  EXPECT_EQ(run.out.find("Unload"), std::string::npos) << run.out;
  const std::string& shown = all[all.size() - 2];
  EXPECT_EQ(shown.rfind("MsgBox \"", 0), 0u) << shown;
  EXPECT_NE(shown.find("AQO2.TXT"), std::string::npos) << shown;
  EXPECT_EQ(shown.substr(shown.size() - 3), " 16");
  EXPECT_EQ(all.back().rfind("State loaded=1 ", 0), 0u);
}

TEST_F(DialogCommand, TheAboutBoxOpensAndClosesOnClicks) {
  const Outcome run =
      Dialog("about show\nabout click Label4\nabout click Shape1\nabout show\nabout click form\n");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string shown = "Load frmabout\nSetWindowPos frmabout -1 431 318 162 132 0\n";
  EXPECT_EQ(run.out, shown + "Unload frmabout\n" + shown + "Unload frmabout\n");
}

TEST_F(DialogCommand, ABadScriptStopsWithAUsageErrorNamingTheLine) {
  for (const char* script : {"show\nfly\n", "ok\n", "show\nsurah select 114\n", "show\ncheck 2\n",
                             "about click Label4\n", "about show\nabout click Label10\n", "mode 4\n"}) {
    SCOPED_TRACE(script);
    const Outcome run = Dialog(script);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("line"), std::string::npos) << run.err;
  }
}

TEST_F(DialogCommand, AMissingSurahIndexFails) {
  std::filesystem::remove(temp.path() / "DataQuran" / "surahindex.mtf");
  const Outcome run = Dialog("show\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("surahindex.mtf"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
}

TEST(CompactList, ConsecutiveNumbersBecomeARange) {
  EXPECT_EQ(cli::CompactList({}), "");
  EXPECT_EQ(cli::CompactList({"7"}), "7");
  EXPECT_EQ(cli::CompactList({"3", "4"}), "3..4");
  EXPECT_EQ(cli::CompactList({"1", "2", "4"}), "1,2,4");
  EXPECT_EQ(cli::CompactList({"2", "1"}), "2,1");
  EXPECT_EQ(cli::CompactList({"1", "1"}), "1,1");
  EXPECT_EQ(cli::CompactList({"1", "x"}), "1,x");
}

}  // namespace
}  // namespace pelvaron::testing
