#pragma once
// The query of the dialog-free command, "vnd.pelvaron:Insert?surah=S&first=A&last=B&mode=M"
// with optional "&linePerVerse=1", "&latin=1", "&perVerse=1" and "&cite=qs|short|arabic|none", for
// macros and tests.

#include <string_view>

#include "insert/insert_request.hpp"

namespace pelvaron::writer {

// The request a query names; a missing, unknown or malformed parameter is an input error
// naming it. The range itself is checked later, as the dialog checks it.
InsertRequest ParseInsertQuery(std::string_view query);

}  // namespace pelvaron::writer
