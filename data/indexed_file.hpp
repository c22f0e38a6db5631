#pragma once
// Reading the ".idx"/".dat" pairs (their layout: data/format.hpp).

#include <cstdint>
#include <string>
#include <string_view>

#include "data/format.hpp"
#include "data/read_only_file.hpp"
#include "module/state.hpp"

namespace pelvaron {

enum class IndexedPair { AyatPerKata, NotePerKata, GroupKata };

// The pair's file name without extension: kVerseWordsPair, kNoteWordsPair, kGroupTextsPair.
std::string_view PairName(IndexedPair pair);

// Both files of one pair, open for one lookup; both close when it goes.
class IndexedFile {
 public:
  IndexedFile(const ModuleState& state, IndexedPair pair);

  ReadOnlyFile& index() { return index_; }
  ReadOnlyFile& data() { return data_; }

 private:
  ReadOnlyFile index_;
  ReadOnlyFile data_;
};

// The bytes of record k. Bounds are checked against both files before anything is read:
// a record number below 1 or past the index, a start below 1, a negative length or a record
// reaching past the end of the data file is an error naming the pair and the record.
std::string ReadIndexedRecord(IndexedFile& file, int32_t k);

// The text of a record of big-endian group numbers: " " + group text, for each group in
// order, the group texts read from kGroupTextsPair and decoded from Windows-1252.
std::string ExpandGroupRecord(std::string_view record, IndexedFile& groupKata);

}  // namespace pelvaron
