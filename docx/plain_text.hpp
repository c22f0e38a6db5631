#pragma once
// A Document for a terminal: each paragraph one UTF-8 line, in the order typed.

#include <ostream>

#include "docx/document.hpp"

namespace pelvaron::docx {

void WritePlainText(const Document& document, std::ostream& out);

}  // namespace pelvaron::docx
