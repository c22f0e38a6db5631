#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelvaron::pack {

// The parts of `text` between any of `separators`, empty ones included.
std::vector<std::string> SplitWords(std::string_view text, std::string_view separators);

}  // namespace pelvaron::pack
