#pragma once
// A Document as an Office Open XML word-processing package (.docx).

#include <filesystem>
#include <string>
#include <vector>

#include "docx/document.hpp"

namespace pelvaron::docx {

struct DocxOptions {
  // The default font's complex-script slot, which "(normal text)" Arabic is shown in.
  std::string arabicFont = "Amiri Quran";
  // The default font's Latin slots.
  std::string latinFont = "Times New Roman";
  // The Arabic font's file (TrueType bytes), carried in the document so it renders where the
  // font is not installed; empty: not carried.
  std::string embeddedArabicFont;
  // The document properties' title; the creator is always "Pelvaron".
  std::string title;
};

struct PackagePart {
  std::string name;  // path inside the package
  std::string xml;   // the part's bytes: XML, or the obfuscated font
};

// The parts of the package, [Content_Types].xml first.
std::vector<PackagePart> BuildDocxParts(const Document& document, const DocxOptions& options);

// Writes the package to `path`, replacing what is there; an error names the path.
void WriteDocx(const Document& document, const DocxOptions& options, const std::filesystem::path& path);

// The same package as bytes, for writers that put it in place themselves.
std::string DocxBytes(const Document& document, const DocxOptions& options);

}  // namespace pelvaron::docx
