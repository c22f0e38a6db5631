#pragma once
// The query of the dialog-free command, "vnd.pelvaron:Insert?surah=S&first=A&last=B&mode=M"
// with optional "&linePerVerse=1", "&latin=1", "&perVerse=1" and "&cite=qs|short|arabic|none", for
// macros and tests. Instead of surah, first and last: "from=78:1&to=114:6", "juz=30" or
// "page=502".

#include <string_view>

#include "insert/insert_request.hpp"
#include "insert/segments.hpp"

namespace pelvaron::writer {

struct InsertQuery {
  InsertRequest request;
  // Verses beyond one surah's range; they need the loaded pack to become segments.
  VerseChoice choice;
};

// The request a query names; a missing, unknown or malformed parameter is an input error
// naming it, as is more than one way of naming the verses. The verses themselves are checked
// later, as the dialog checks them.
InsertQuery ParseInsertQuery(std::string_view query);

}  // namespace pelvaron::writer
