// Nothing the user already has is lost by a command that writes: the data files it reads are
// refused as outputs, and an output file is replaced whole or left as it was.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <map>
#include <thread>

#include "tests/support/fixtures.hpp"
#include "tests/support/run_program.hpp"

namespace pelvaron::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// Every entry below `root`: a file's bytes (size and hash when long), a link's target,
// "<folder>" for a folder.
std::map<std::string, std::string> Tree(const fs::path& root) {
  std::map<std::string, std::string> tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = fs::relative(entry.path(), root).string();
    if (entry.is_symlink())
      tree[name] = "-> " + fs::read_symlink(entry.path()).string();
    else if (entry.is_directory())
      tree[name] = "<folder>";
    else if (const std::string bytes = ReadFile(entry.path()); bytes.size() < 100)
      tree[name] = bytes;
    else
      tree[name] =
          std::to_string(bytes.size()) + " bytes, hash " + std::to_string(std::hash<std::string>{}(bytes));
  }
  return tree;
}

class OutputSafety : public ::testing::Test {
 protected:
  void SetUp() override { WriteSmallPack(f.folder, {300}); }
  ProgramResult Insert(const std::string& format, const fs::path& output, const RunOptions& options,
                       const std::string& last = "300") {
    return RunProgram(PELVARON_EXE,
                      {"insert", "--app-path", f.temp.path().string(), "--surah", "1", "--first", "1",
                       "--last", last, "--format", format, "-o", output.string()},
                      options);
  }
  fs::path Out(const std::string& name) const { return f.temp.path() / "out" / name; }
  DataFixture f;
};

TEST_F(OutputSafety, OutputsOverWhatIsReadAreRefusedAndNothingIsTouched) {
  const fs::path data = f.folder.dir(), aqo = f.folder.file("AQO2.TXT"), source = f.temp.path() / "source";
  WriteFile(source / "package.json", R"({"name": "quran-json", "version": "3.1.2"})");
  WriteFile(source / "dist" / "quran_id.json", "[]");
  WriteFile(source / "LICENSE.txt", "licence\n");
  WriteFile(Out("pack") / "AQO2.TXT", "notes, not data\n");
  fs::create_hard_link(aqo, Out("hard-link.txt"));
  const fs::path latin = f.folder.file("latin.txt");  // a newer data file, read only when asked for
  WriteFile(latin, "Bismillāhir-raḥmānir-raḥīm(i).\r\n");
  fs::create_hard_link(latin, Out("latin-link.txt"));
  fs::create_symlink(aqo, Out("symbolic-link.txt"));
  fs::create_directory_symlink(data, Out("linked-folder"));
  const std::string app = f.temp.path().string();
  const auto insert = [&](const fs::path& output) {
    return std::vector<std::string>{"insert", "--app-path", app,        "--surah", "1",  "--first",      "1",
                                    "--last", "1",          "--format", "text",    "-o", output.string()};
  };
  const auto pack = [&](const fs::path& out, std::vector<std::string> more = {}) {
    more.insert(more.begin(), {"pack", "--source", source.string(), "--out", out.string()});
    return more;
  };
  const struct {
    const char* what;
    std::vector<std::string> args;
    fs::path output, input;  // both named in the message
  } cases[] = {
      {"the data file itself", insert(aqo), aqo, aqo},
      {"a hard link to it", insert(Out("hard-link.txt")), Out("hard-link.txt"), aqo},
      {"a symbolic link to it", insert(Out("symbolic-link.txt")), Out("symbolic-link.txt"), aqo},
      {"a hard link to latin.txt", insert(Out("latin-link.txt")), Out("latin-link.txt"), latin},
      {"a new file in DataQuran", insert(data / "new.txt"), data / "new.txt", data},
      {"DataQuran through a linked folder", insert(Out("linked-folder") / "new.txt"),
       Out("linked-folder") / "new.txt", data},
      {"DataQuran itself", insert(data), data, data},
      {"pack onto its source", pack(source), source, source},
      {"pack into its source", pack(source / "DataQuran"), source / "DataQuran", source},
      {"pack over its notes file", pack(Out("pack"), {"--notes", Out("pack/AQO2.TXT").string()}),
       Out("pack/AQO2.TXT"), Out("pack/AQO2.TXT")},
  };
  const auto before = Tree(f.temp.path());
  for (const auto& c : cases) {
    const ProgramResult run = RunProgram(PELVARON_EXE, c.args);
    EXPECT_EQ(run.status, 2) << c.what << ": " << run.err;
    EXPECT_NE(run.err.find(c.output.string() + ":"), std::string::npos) << c.what << ": " << run.err;
    EXPECT_NE(run.err.find(c.input.string() + ","), std::string::npos) << c.what << ": " << run.err;
    EXPECT_EQ(Tree(f.temp.path()), before) << c.what;
  }
}

TEST_F(OutputSafety, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  const struct {
    const char* what;
    fs::path file;
    bool freshOldFile;  // "old contents" written before each run
    std::optional<unsigned long> sizeLimit;
    int status;
    const char* message;
  } cases[] = {
      {"a folder", Out("folder"), false, {}, 1, "is a folder"},
      {"a missing folder", Out("missing/file.out"), false, {}, 1, "does not exist"},
      {"a read-only file", Out("read-only.out"), false, {}, 1, "read-only"},
      {"a full disk", Out("big.out"), true, 1024, 1, "File too large"},
      {"room enough", Out("fits.out"), true, {}, 0, ""},
  };
  fs::create_directories(Out("folder"));
  WriteFile(Out("read-only.out"), "old contents\n");
  fs::permissions(Out("read-only.out"),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  for (const char* format : {"trace", "text", "docx"}) {
    for (const auto& c : cases) {
      const std::string what = std::string(format) + " to " + c.what;
      if (c.freshOldFile) WriteFile(c.file, "old contents\n");
      const auto before = Tree(Out(""));
      const ProgramResult run = Insert(format, c.file, {"", c.sizeLimit, nullptr});
      EXPECT_EQ(run.status, c.status) << what << ": " << run.err;
      const auto after = Tree(Out(""));
      if (c.status == 0) {
        EXPECT_EQ(after.size(), before.size()) << what << ": a temporary file was left";
        EXPECT_NE(ReadFile(c.file), "old contents\n") << what;
        continue;
      }
      EXPECT_EQ(run.err.rfind("pelvaron: " + c.file.string() + ": ", 0), 0u) << what << ": " << run.err;
      EXPECT_NE(run.err.find(c.message), std::string::npos) << what << ": " << run.err;
      EXPECT_EQ(after, before) << what;
    }
  }
}

// A whole pack fails when its last file cannot be written: every file before it stays old.
TEST_F(OutputSafety, AFailedPackLeavesTheFolderAsItWas) {
  const fs::path source = f.temp.path() / "source";
  std::string surahs = "[";
  for (int s = 1; s <= 114; ++s) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + string.
    if (s > 1) surahs += ',';
    surahs += R"({"id":)";
    surahs += std::to_string(s);
    surahs += R"(,"transliteration":"S)";
    surahs += std::to_string(s);
    surahs += R"(","total_verses":1,"verses":[{"id":1,"text":"\u0643","translation":"kata"}]})";
  }
  WriteFile(source / "dist" / "quran_id.json", surahs + "]");
  WriteFile(source / "package.json", R"({"name": "quran-json", "version": "3.1.2"})");
  WriteFile(source / "LICENSE.txt", std::string(16000, 'x'));  // the one file past the limit
  for (std::string name : {"surahindex.mtf", "AQO2.TXT", "GROUP_KATA.dat", "LICENSE.txt"})
    WriteFile(Out("pack") / name, "old " + name);
  const auto before = Tree(Out("pack"));
  const auto run =
      RunProgram(PELVARON_EXE, {"pack", "--source", source.string(), "--out", Out("pack").string()},
                 {"", 12000, nullptr});
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.err.find((Out("pack") / "LICENSE.txt").string()), std::string::npos) << run.err;
  EXPECT_EQ(Tree(Out("pack")), before);
  EXPECT_EQ(
      RunProgram(PELVARON_EXE, {"pack", "--source", source.string(), "--out", Out("pack").string()}).status,
      0);
  EXPECT_NE(ReadFile(Out("pack") / "AQO2.TXT"), "old AQO2.TXT");
}

// Stops the program as soon as its temporary file exists, so the signal surely comes mid-run.
void InterruptMidRun(pid_t pid, const fs::path& folder, int signal, bool& caughtMidRun) {
  for (;;) {
    if (std::distance(fs::directory_iterator(folder), fs::directory_iterator()) > 1) break;
    siginfo_t info{};
    waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT);
    if (info.si_pid == pid) return;  // already done: nothing to interrupt
    std::this_thread::yield();
  }
  kill(pid, SIGSTOP);
  siginfo_t info{};
  waitid(P_PID, static_cast<id_t>(pid), &info, WSTOPPED | WEXITED | WNOWAIT);  // left for RunProgram to reap
  caughtMidRun = info.si_code == CLD_STOPPED &&
                 std::distance(fs::directory_iterator(folder), fs::directory_iterator()) > 1;
  kill(pid, signal);
  kill(pid, SIGCONT);
}

TEST_F(OutputSafety, AnInterruptedRunLeavesTheOldFileAndNoTemporaryFile) {
  WriteSmallPack(f.folder, {32000});
  for (const auto& [format, signal] : {std::pair{"trace", SIGTERM}, {"docx", SIGINT}, {"text", SIGHUP}}) {
    const fs::path file = Out("result.out");
    WriteFile(file, "old contents\n");
    bool caughtMidRun = false;
    const auto interrupt = [&](pid_t pid) { InterruptMidRun(pid, file.parent_path(), signal, caughtMidRun); };
    const ProgramResult run = Insert(format, file, {"", std::nullopt, interrupt}, "32000");
    ASSERT_TRUE(caughtMidRun) << format << ": the run ended before it could be interrupted";
    EXPECT_EQ(run.status, 128 + signal) << format << ": " << run.err;
    EXPECT_EQ(Tree(file.parent_path()),
              (std::map<std::string, std::string>{{"result.out", "old contents\n"}}))
        << format;
  }
}

}  // namespace
}  // namespace pelvaron::testing
