#pragma once
// UTF-8 (the engine's strings) to UTF-16 (Windows' strings) and back.

#include <string>
#include <string_view>

namespace pelvaron::addin {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace pelvaron::addin
