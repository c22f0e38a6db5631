#include "data/indexed_file.hpp"

#include <gtest/gtest.h>

#include "module/error.hpp"
#include "tests/support/expect_error.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;
using testing::ExpectError;

class IndexedFileTest : public ::testing::Test {
 protected:
  void SetUp() override { f.state.AppPath = f.temp.path(); }

  std::string Read(int32_t k) {
    IndexedFile file(f.state, IndexedPair::GroupKata);
    return ReadIndexedRecord(file, k);
  }
  ErrorKind ReadFailure(int32_t k) {
    try {
      Read(k);
    } catch (const Error& e) {
      message = e.what();
      return e.kind();
    }
    ADD_FAILURE() << "record " << k << " was read";
    return ErrorKind::Input;
  }
  std::string Expand(const std::string& record) {
    IndexedFile groups(f.state, IndexedPair::GroupKata);
    return ExpandGroupRecord(record, groups);
  }

  DataFixture f;
  std::string message;
};

TEST_F(IndexedFileTest, WorkedExampleWithThreeEntries) {
  f.folder.WritePairRaw("GROUP_KATA", {1, 12, 21}, "in the nameof God[3]");
  EXPECT_EQ(Read(1), "in the name");
  EXPECT_EQ(Read(2), "of God[3]");
  EXPECT_EQ(Read(3), "");  // the last entry ends at the end of the data file
  EXPECT_EQ(Expand(pack::EncodeGroupNumbers({1, 2})), " in the name of God[3]");
}

TEST_F(IndexedFileTest, WorkedExampleWithTwoEntries) {
  // Record M - 1 runs on to the end of the data file: the next entry bounds a record only
  // while k + 1 is below the entry count.
  f.folder.WritePairRaw("GROUP_KATA", {1, 12}, "in the nameof God[3]");
  EXPECT_EQ(Read(1), "in the nameof God[3]");
  EXPECT_EQ(Read(2), "of God[3]");
}

TEST_F(IndexedFileTest, AnIndexOfFractionalLengthComparesAgainstTheRealCount) {
  // 9 bytes: M = 2.25, so entry 2 bounds record 1.
  f.folder.WritePairRaw("GROUP_KATA", {1, 4}, "abcdef");
  std::string index = pack::EncodeIndexEntries({1, 4}) + "x";
  f.folder.Write("GROUP_KATA.idx", index);
  EXPECT_EQ(Read(1), "abc");
  EXPECT_EQ(Read(2), "def");
  EXPECT_EQ(ReadFailure(3), ErrorKind::Index);  // only one byte of entry 3
}

TEST_F(IndexedFileTest, RecordNumbersOutsideTheIndexFail) {
  f.folder.WritePairRaw("GROUP_KATA", {1, 3}, "abcd");
  EXPECT_EQ(ReadFailure(0), ErrorKind::BadRecord);
  EXPECT_NE(message.find("GROUP_KATA.idx: record number 0"), std::string::npos) << message;
  EXPECT_EQ(ReadFailure(-5), ErrorKind::BadRecord);
  EXPECT_EQ(ReadFailure(3), ErrorKind::Index);
  EXPECT_EQ(ReadFailure(INT32_MAX), ErrorKind::Index);
}

TEST_F(IndexedFileTest, DamagedEntriesFailBeforeAnythingIsRead) {
  f.folder.WritePairRaw("GROUP_KATA", {0, 5, 3, 2000000000, 2, -2000000000, 1}, "abcdefgh");
  EXPECT_EQ(ReadFailure(1), ErrorKind::BadRecord);  // start below 1
  EXPECT_EQ(ReadFailure(2), ErrorKind::BadRecord);  // negative length
  EXPECT_NE(message.find("negative length"), std::string::npos) << message;
  EXPECT_EQ(ReadFailure(3), ErrorKind::PastEnd);  // ~2 GB record in an 8-byte file
  EXPECT_NE(message.find("GROUP_KATA.idx: record 3"), std::string::npos) << message;
  EXPECT_EQ(ReadFailure(4), ErrorKind::BadRecord);
  EXPECT_EQ(ReadFailure(6), ErrorKind::BadRecord);
}

TEST_F(IndexedFileTest, ARecordStartingPastTheDataFails) {
  f.folder.WritePairRaw("GROUP_KATA", {20}, "abc");
  EXPECT_EQ(ReadFailure(1), ErrorKind::BadRecord);  // end (4) before start (20)
  f.folder.WritePairRaw("GROUP_KATA", {1, 9, 12}, "abc");
  EXPECT_EQ(ReadFailure(1), ErrorKind::PastEnd);
}

TEST_F(IndexedFileTest, StartOneIsTheFirstByte) {
  f.folder.WritePairRaw("GROUP_KATA", {1, 2, 3}, "xy");
  EXPECT_EQ(Read(1), "x");
  EXPECT_EQ(Read(2), "y");
}

TEST_F(IndexedFileTest, MissingFilesFailAndAreNotCreated) {
  ExpectError(ErrorKind::File, "GROUP_KATA.idx", [&] { Read(1); });
  EXPECT_FALSE(std::filesystem::exists(f.folder.file("GROUP_KATA.idx")));
  f.folder.Write("GROUP_KATA.idx", pack::EncodeIndexEntries({1}));
  EXPECT_THROW(Read(1), Error);
  EXPECT_FALSE(std::filesystem::exists(f.folder.file("GROUP_KATA.dat")));
}

TEST_F(IndexedFileTest, GroupNumbersAreBigEndian) {
  std::vector<std::string> groups(258);
  groups[257] = "two-five-eight";
  f.folder.WriteGroups(groups);
  EXPECT_EQ(Expand(std::string("\x01\x02", 2)), " two-five-eight");
}

TEST_F(IndexedFileTest, ExpansionJoinsGroupsWithOneSpaceAndTrimsNothing) {
  f.folder.WriteGroups({" lead", "trail ", "x"});
  EXPECT_EQ(Expand(""), "");
  EXPECT_EQ(Expand(pack::EncodeGroupNumbers({3})), " x");
  EXPECT_EQ(Expand(pack::EncodeGroupNumbers({1, 2, 3, 3})), "  lead trail  x x");
}

TEST_F(IndexedFileTest, GroupTextIsDecodedFromWindows1252) {
  f.folder.WriteGroups({"\x93kata\x94 caf\xe9"});
  EXPECT_EQ(Expand(pack::EncodeGroupNumbers({1})), " \u201ckata\u201d caf\u00e9");
}

TEST_F(IndexedFileTest, MalformedGroupRecordsFail) {
  f.folder.WriteGroups({"a", "b"});
  ExpectError(ErrorKind::BadRecord, "odd length", [&] { Expand(std::string("\x00\x01\x00", 3)); });
  ExpectError(ErrorKind::Overflow, "", [&] { Expand(std::string("\x80\x01", 2)); });
  ExpectError(ErrorKind::BadRecord, "", [&] {
    Expand(std::string("\x00\x00", 2));  // group 0
  });
}

}  // namespace
}  // namespace pelvaron
