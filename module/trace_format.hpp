#pragma once
// How values are written in the trace lines that the trace sink, the headless forms and the
// .docx sink's messages share. Other tools read these lines: keep the formats exactly.

#include <string>
#include <string_view>

namespace pelvaron {

// A string in double quotes with JSON escaping; non-ASCII passes as raw UTF-8.
std::string QuoteTraceString(std::string_view text);
// printf %g of a single-precision value.
std::string FormatTraceFloat(float value);

}  // namespace pelvaron
