#pragma once
// A Document as a flat-OPC package (one XML text), the form Word's Range.insertOoxml takes:
// only the relationships and the document part, no section properties, and every run and
// paragraph carrying its fonts, size, direction and italic, since the styles and defaults a
// .docx relies on do not travel with an insertion.

#include <string>

#include "docx/document.hpp"
#include "docx/docx_writer.hpp"

namespace pelvaron::docx {

// Runs that name no font get options.latinFont and options.arabicFont; the title and the
// font file of a .docx have no place here.
std::string OoxmlPackage(const Document& document, const DocxOptions& options);

}  // namespace pelvaron::docx
