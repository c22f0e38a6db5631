#include "data/indexed_file.hpp"

#include "module/error.hpp"
#include "module/text.hpp"

namespace pelvaron {
namespace {

std::string PairFile(IndexedPair pair, std::string_view extension) {
  std::string name(PairName(pair));
  name += extension;
  return name;
}

int32_t ReadEntry(ReadOnlyFile& index, int32_t k) {
  const int64_t offset = kIndexEntrySize * (int64_t{k} - 1);
  if (offset + kIndexEntrySize > index.size())
    throw Error(ErrorKind::Index, index.name() + ": record " + std::to_string(k) +
                                      " is past the last entry (" +
                                      std::to_string(index.size() / kIndexEntrySize) + " entries)");
  const std::string bytes = index.ReadAt(offset, kIndexEntrySize);
  uint32_t value = 0;
  for (int i = kIndexEntrySize - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
  return static_cast<int32_t>(value);
}

}  // namespace

std::string_view PairName(IndexedPair pair) {
  switch (pair) {
    case IndexedPair::AyatPerKata:
      return kVerseWordsPair;
    case IndexedPair::NotePerKata:
      return kNoteWordsPair;
    case IndexedPair::GroupKata:
      return kGroupTextsPair;
  }
  return "?";
}

IndexedFile::IndexedFile(const ModuleState& state, IndexedPair pair)
    : index_(state.DataFile(PairFile(pair, kIndexExtension)), state.Files.get()),
      data_(state.DataFile(PairFile(pair, kDataExtension)), state.Files.get()) {}

std::string ReadIndexedRecord(IndexedFile& file, int32_t k) {
  ReadOnlyFile& index = file.index();
  ReadOnlyFile& data = file.data();
  if (k < 1)
    throw Error(ErrorKind::BadRecord, index.name() + ": record number " + std::to_string(k) + " is below 1");
  const int32_t start = ReadEntry(index, k);
  // The next entry bounds the record only while k + 1 is below the entry count, taken as
  // size / 4 without rounding; otherwise the record runs to the end of the data file.
  const bool nextBounds = (int64_t{k} + 1) * kIndexEntrySize < index.size();
  int64_t end;
  if (nextBounds) {
    end = ReadEntry(index, k + 1);
  } else {
    end = data.size() + 1;
    if (end > INT32_MAX)
      throw Error(ErrorKind::Overflow,
                  data.name() + ": the file is larger than 2 GB, past what an index can address");
  }
  const std::string where = index.name() + ": record " + std::to_string(k);
  if (start < 1)
    throw Error(ErrorKind::BadRecord, where + " starts at position " + std::to_string(start) + ", below 1");
  const int64_t length = end - start;
  if (length < 0)
    throw Error(ErrorKind::BadRecord, where + " has a negative length (start " + std::to_string(start) +
                                          ", end " + std::to_string(end) + ")");
  if (start - 1 + length > data.size())
    throw Error(ErrorKind::PastEnd, where + " reaches past the end of " + data.name() + " (start " +
                                        std::to_string(start) + ", length " + std::to_string(length) +
                                        ", file " + std::to_string(data.size()) + " bytes)");
  return data.ReadAt(start - 1, length);
}

std::string ExpandGroupRecord(std::string_view record, IndexedFile& groupKata) {
  std::string text;
  for (std::size_t j = 1; 2 * j - 1 <= record.size(); ++j) {
    if (2 * j > record.size())
      throw Error(ErrorKind::BadRecord, "group record of " + std::to_string(record.size()) +
                                            " bytes has an odd length: its last group lacks the low byte");
    const auto high = static_cast<unsigned char>(record[2 * j - 2]);
    const auto low = static_cast<unsigned char>(record[2 * j - 1]);
    if (high >= 128)
      throw Error(ErrorKind::Overflow, "group " + std::to_string(j) + " of a record has the high byte " +
                                           std::to_string(high) + ", beyond 16-bit group numbers");
    const int32_t group = high * 256 + low;
    text += ' ';
    text += DecodeWindows1252(ReadIndexedRecord(groupKata, group));
  }
  return text;
}

}  // namespace pelvaron
