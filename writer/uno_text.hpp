#pragma once
// UTF-8 text of the engine to and from UNO strings.

#include <string>

#include <rtl/ustring.hxx>

namespace pelvaron::writer {

inline rtl::OUString ToOUString(const std::string& utf8) {
  return rtl::OUString(utf8.data(), static_cast<sal_Int32>(utf8.size()), RTL_TEXTENCODING_UTF8);
}

inline std::string ToUtf8(const rtl::OUString& text) {
  const rtl::OString utf8 = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
  return std::string(utf8.getStr(), static_cast<std::size_t>(utf8.getLength()));
}

}  // namespace pelvaron::writer
