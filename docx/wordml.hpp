#pragma once
// The WordprocessingML both packages write: the document part's paragraphs and runs, and the
// relationship lists. A .docx leaves what a run does not set to its styles; a package inserted
// into an open document brings no styles that Word honours, so there every run and paragraph
// says everything itself.

#include <initializer_list>
#include <pugixml.hpp>
#include <string>

#include "docx/document.hpp"

namespace pelvaron::docx {

inline constexpr const char* kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr const char* kRelNs = "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr const char* kOfficeDocumentRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
inline constexpr const char* kRelationshipsType = "application/vnd.openxmlformats-package.relationships+xml";
inline constexpr const char* kMainDocumentType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";

// The size of text that sets none (12 points), in half-points.
inline constexpr int kDefaultHalfPoints = 24;

// What a run that sets nothing gets when every run must say everything.
struct ExplicitFormat {
  std::string latinFont;    // ascii and hAnsi slots
  std::string complexFont;  // cs slot
  int halfPoints = kDefaultHalfPoints;
};

struct Relationship {
  const char* id;
  const char* type;
  const char* target;
};

pugi::xml_document NewXml();
std::string ToXml(const pugi::xml_document& xml);
void SetVal(pugi::xml_node parent, const char* name, const std::string& value);
void AddFonts(pugi::xml_node rPr, const std::string& latin, const std::string& complex);

// <w:document> and its body's paragraphs under `parent`; returns the body, whose section
// properties are the caller's. `explicitFormat` null: runs carry only what they set.
pugi::xml_node AppendDocument(pugi::xml_node parent, const Document& document,
                              const ExplicitFormat* explicitFormat);

// <Relationships> under `parent`.
void AppendRelationships(pugi::xml_node parent, std::initializer_list<Relationship> relationships);

}  // namespace pelvaron::docx
