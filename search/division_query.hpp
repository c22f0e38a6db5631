#pragma once
// Juz and pages as people ask for them: "juz 30", "Juz 'Amma", "halaman 502", "hal. 502",
// "hlm 502", "page 502".

#include <optional>
#include <string_view>

#include "data/format.hpp"

namespace pelvaron::search {

struct DivisionQuery {
  DivisionKind kind = DivisionKind::Juz;
  int number = 0;  // unchecked against the kind's count; too large for five digits: 99999
};

// The juz or page `query` asks for, when it is nothing but that; none otherwise.
std::optional<DivisionQuery> ParseDivisionQuery(std::string_view query);

}  // namespace pelvaron::search
