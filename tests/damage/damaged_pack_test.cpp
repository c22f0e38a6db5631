// The default data pack damaged the ways users' copies get damaged. Whatever the damage,
// `pelvaron insert` ends with success or with a message naming the file at fault, never
// crashes or hangs, changes nothing in DataQuran, and keeps what it typed before failing.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <random>

#include "tests/support/run_program.hpp"
#include "tests/support/temp_dir.hpp"

namespace pelvaron {
namespace {

namespace fs = std::filesystem;
using testing::ProgramResult;
using testing::RunProgram;
using testing::TempDir;

const std::vector<std::string> kDataFiles = {"surahindex.mtf",    "pos_depag.txt",     "AQO2.TXT",
                                             "Ayat Per Kata.idx", "Ayat Per Kata.dat", "Note Per Kata.idx",
                                             "Note Per Kata.dat", "GROUP_KATA.idx",    "GROUP_KATA.dat"};

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Spill(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// What a folder holds: each entry's name, kind and bytes.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::directory_iterator(dir))
    entries[entry.path().filename().string()] = entry.is_directory() ? "<dir>" : Slurp(entry.path());
  return entries;
}

class DamagedPackTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(fs::exists(fs::path(PELVARON_PACK_DIR) / "DataQuran" / "AQO2.TXT"))
        << "the default pack is missing under " << PELVARON_PACK_DIR;
    clean_ = new ProgramResult(Insert(PELVARON_PACK_DIR));
    ASSERT_EQ(clean_->status, 0) << clean_->err;
  }
  static void TearDownTestSuite() { delete clean_; }

  // Al-Fatihah and the start of Al-Baqarah, Arabic and translation.
  static ProgramResult Insert(const fs::path& appPath) {
    ProgramResult all;
    for (const char* surah : {"1", "2"}) {
      auto r = RunProgram("timeout", {"60", PELVARON_EXE, "insert", "--app-path", appPath.string(), "--surah",
                                      surah, "--first", "1", "--last", surah[0] == '1' ? "7" : "40", "--mode",
                                      "all", "--line-per-verse", "--format", "trace"});
      all.out += r.out;
      all.err += r.err;
      all.status = r.status;
      if (r.status != 0) break;
    }
    return all;
  }

  // Copies the pack, lets `damage` change the copy, runs the insertions over it and checks
  // what every damaged run must satisfy.
  ProgramResult RunDamaged(const std::string& file, const std::function<void(const fs::path&)>& damage) {
    const fs::path data = temp_.path() / "DataQuran";
    fs::remove_all(data);
    fs::copy(fs::path(PELVARON_PACK_DIR) / "DataQuran", data, fs::copy_options::recursive);
    damage(data / file);
    const auto before = Snapshot(data);
    ProgramResult r = Insert(temp_.path());
    EXPECT_TRUE(r.status == 0 || r.status == 1) << file << ": exit status " << r.status << "\n" << r.err;
    EXPECT_EQ(r.err.find("Sanitizer"), std::string::npos) << r.err;
    EXPECT_EQ(Snapshot(data), before) << file << ": DataQuran changed";
    if (r.status == 1) {
      EXPECT_EQ(r.err.rfind("pelvaron: ", 0), 0u) << r.err;
      const std::string stem = fs::path(file).stem().string();
      EXPECT_NE(r.err.find(stem), std::string::npos) << file << ": the message does not name it: " << r.err;
    }
    EXPECT_TRUE(r.out.empty() || r.out.back() == '\n') << file << ": the trace ends mid-line";
    return r;
  }

  // What a failed run typed is what the clean run typed up to that point, but for the
  // screen updating switched back on when a verse fails.
  static bool IsPrefixOfClean(std::string out) {
    const std::string restored = "ScreenUpdating True\n";
    if (out.size() >= restored.size() &&
        out.compare(out.size() - restored.size(), restored.size(), restored) == 0)
      out.resize(out.size() - restored.size());
    return clean_->out.compare(0, out.size(), out) == 0;
  }
  static bool IsNoteFile(const std::string& file) { return file.rfind("Note Per Kata", 0) == 0; }

  static ProgramResult* clean_;
  TempDir temp_;
};

ProgramResult* DamagedPackTest::clean_ = nullptr;

TEST_F(DamagedPackTest, TruncatedFiles) {
  std::mt19937 random(20261207);
  for (const auto& file : kDataFiles) {
    const auto size = fs::file_size(fs::path(PELVARON_PACK_DIR) / "DataQuran" / file);
    for (int cut = 0; cut < 3; ++cut) {
      const auto length = size == 0 ? 0 : std::uniform_int_distribution<std::uintmax_t>(0, size - 1)(random);
      SCOPED_TRACE(file + " cut to " + std::to_string(length));
      auto r = RunDamaged(file, [&](const fs::path& path) { fs::resize_file(path, length); });
      // Cutting a data file leaves every record before the cut intact.
      if (fs::path(file).extension() == ".dat") {
        EXPECT_TRUE(IsPrefixOfClean(r.out));
      }
    }
  }
}

TEST_F(DamagedPackTest, FlippedIndexBytes) {
  std::mt19937 random(7);
  for (const std::string file : {"Ayat Per Kata.idx", "GROUP_KATA.idx"}) {
    for (int flip = 0; flip < 4; ++flip) {
      SCOPED_TRACE(file + " flip " + std::to_string(flip));
      RunDamaged(file, [&](const fs::path& path) {
        std::string bytes = Slurp(path);
        // Damage the entries the run reads: the first few hundred.
        const auto at = std::uniform_int_distribution<std::size_t>(
            0, std::min<std::size_t>(bytes.size(), 400) - 1)(random);
        bytes[at] = static_cast<char>(bytes[at] ^ (1 << (flip + 4)));
        Spill(path, bytes);
      });
    }
  }
}

TEST_F(DamagedPackTest, HugeLengthInAnIndex) {
  auto r = RunDamaged("GROUP_KATA.idx", [](const fs::path& path) {
    std::string bytes = Slurp(path);
    bytes.replace(4, 4, std::string("\xff\xff\xff\x7f", 4));  // entry 2 far past 2 GB
    Spill(path, bytes);
  });
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("GROUP_KATA.idx: record"), std::string::npos) << r.err;
}

TEST_F(DamagedPackTest, EmptyFiles) {
  for (const auto& file : kDataFiles) {
    SCOPED_TRACE(file);
    auto r = RunDamaged(file, [](const fs::path& path) { fs::resize_file(path, 0); });
    // Without note markers in the range the note files are never opened.
    EXPECT_EQ(r.status, IsNoteFile(file) ? 0 : 1);
  }
}

TEST_F(DamagedPackTest, AFolderInPlaceOfAFile) {
  for (const auto& file : kDataFiles) {
    SCOPED_TRACE(file);
    auto r = RunDamaged(file, [](const fs::path& path) {
      fs::remove(path);
      fs::create_directory(path);
    });
    EXPECT_EQ(r.status, IsNoteFile(file) ? 0 : 1);
    if (!IsNoteFile(file)) {
      EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
    }
    EXPECT_TRUE(IsPrefixOfClean(r.out));
  }
}

TEST_F(DamagedPackTest, AMissingFileIsNotCreated) {
  for (const auto& file : kDataFiles) {
    SCOPED_TRACE(file);
    auto r = RunDamaged(file, [](const fs::path& path) { fs::remove(path); });
    EXPECT_FALSE(fs::exists(temp_.path() / "DataQuran" / file));
    EXPECT_EQ(r.status, IsNoteFile(file) ? 0 : 1);
    EXPECT_TRUE(IsPrefixOfClean(r.out));
  }
}

TEST_F(DamagedPackTest, IndexAndDataFromDifferentPacks) {
  // The group index of this pack over a data file of other content and length.
  auto r = RunDamaged("GROUP_KATA.dat", [](const fs::path& path) {
    std::string bytes = Slurp(path);
    Spill(path, bytes.substr(bytes.size() / 3) + bytes.substr(0, bytes.size() / 5));
  });
  EXPECT_TRUE(r.status == 0 || r.status == 1);
}

TEST_F(DamagedPackTest, LineEndsOfOtherSystemsReadTheSame) {
  for (const std::string ending : {"\r", "\n"}) {
    for (const std::string file : {"AQO2.TXT", "pos_depag.txt"}) {
      SCOPED_TRACE(file + (ending == "\r" ? " CR" : " LF"));
      auto r = RunDamaged(file, [&](const fs::path& path) {
        std::string bytes = Slurp(path), converted;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
          if (bytes.compare(i, 2, "\r\n") == 0) {
            converted += ending;
            ++i;
          } else {
            converted += bytes[i];
          }
        }
        Spill(path, converted);
      });
      EXPECT_EQ(r.status, 0) << r.err;
      EXPECT_EQ(r.out, clean_->out);
    }
  }
}

}  // namespace
}  // namespace pelvaron
