#include "docx/wordml.hpp"

#include <sstream>

#include "module/error.hpp"

namespace pelvaron::docx {
namespace {

// Word's alignment numbers as w:jc values.
const char* Justification(int alignment) {
  switch (alignment) {
    case 0:
      return "left";
    case 1:
      return "center";
    case 2:
      return "right";
    case 3:
      return "both";
    case 4:
      return "distribute";
    case 5:
      return "mediumKashida";
    case 7:
      return "highKashida";
    case 8:
      return "lowKashida";
    case 9:
      return "thaiDistribute";
    default:
      throw Error(ErrorKind::HostCall, "alignment " + std::to_string(alignment) + " has no .docx form");
  }
}

// An on/off property: present when on; when off, written as off only if it must be said.
void AddToggle(pugi::xml_node parent, const char* name, bool on, bool sayOff) {
  if (on)
    parent.append_child(name);
  else if (sayOff)
    parent.append_child(name).append_attribute("w:val") = "0";
}

// Child order follows the schema's sequence: rFonts, i, iCs, sz, szCs, rtl.
void AddRunProperties(pugi::xml_node run, const RunFormat& format, const ExplicitFormat* all) {
  const int halfPoints = format.halfPoints != 0 ? format.halfPoints : all ? all->halfPoints : 0;
  if (!all && format.font.empty() && halfPoints == 0 && !format.rtl && !format.italic) return;
  pugi::xml_node rPr = run.append_child("w:rPr");
  if (!format.font.empty())
    AddFonts(rPr, format.font, format.font);
  else if (all)
    AddFonts(rPr, all->latinFont, all->complexFont);
  AddToggle(rPr, "w:i", format.italic, all);
  AddToggle(rPr, "w:iCs", format.italic, all);
  if (halfPoints != 0) {
    SetVal(rPr, "w:sz", std::to_string(halfPoints));
    SetVal(rPr, "w:szCs", std::to_string(halfPoints));
  }
  AddToggle(rPr, "w:rtl", format.rtl, all);
}

void AddRunContent(pugi::xml_node r, const Run& run) {
  switch (run.kind) {
    case Inline::Text: {
      pugi::xml_node t = r.append_child("w:t");
      t.append_attribute("xml:space") = "preserve";
      t.text().set(run.text.c_str());
      break;
    }
    case Inline::Tab:
      r.append_child("w:tab");
      break;
    case Inline::Break:
      r.append_child("w:br");
      break;
  }
}

void AddParagraph(pugi::xml_node body, const Paragraph& paragraph, const ExplicitFormat* all) {
  pugi::xml_node p = body.append_child("w:p");
  if (paragraph.format.rtl || paragraph.format.alignment || all) {
    pugi::xml_node pPr = p.append_child("w:pPr");
    AddToggle(pPr, "w:bidi", paragraph.format.rtl, all);
    if (paragraph.format.alignment) SetVal(pPr, "w:jc", Justification(*paragraph.format.alignment));
  }
  for (const Run& run : paragraph.runs) {
    pugi::xml_node r = p.append_child("w:r");
    AddRunProperties(r, run.format, all);
    AddRunContent(r, run);
  }
}

}  // namespace

pugi::xml_document NewXml() {
  pugi::xml_document xml;
  pugi::xml_node decl = xml.append_child(pugi::node_declaration);
  decl.append_attribute("version") = "1.0";
  decl.append_attribute("encoding") = "UTF-8";
  decl.append_attribute("standalone") = "yes";
  return xml;
}

std::string ToXml(const pugi::xml_document& xml) {
  std::ostringstream out;
  xml.save(out, "", pugi::format_raw, pugi::encoding_utf8);
  return out.str();
}

void SetVal(pugi::xml_node parent, const char* name, const std::string& value) {
  parent.append_child(name).append_attribute("w:val") = value.c_str();
}

void AddFonts(pugi::xml_node rPr, const std::string& latin, const std::string& complex) {
  pugi::xml_node fonts = rPr.append_child("w:rFonts");
  fonts.append_attribute("w:ascii") = latin.c_str();
  fonts.append_attribute("w:hAnsi") = latin.c_str();
  fonts.append_attribute("w:cs") = complex.c_str();
}

pugi::xml_node AppendDocument(pugi::xml_node parent, const Document& document,
                              const ExplicitFormat* explicitFormat) {
  pugi::xml_node root = parent.append_child("w:document");
  root.append_attribute("xmlns:w") = kWordNs;
  pugi::xml_node body = root.append_child("w:body");
  for (const Paragraph& paragraph : document.paragraphs) AddParagraph(body, paragraph, explicitFormat);
  return body;
}

void AppendRelationships(pugi::xml_node parent, std::initializer_list<Relationship> relationships) {
  pugi::xml_node root = parent.append_child("Relationships");
  root.append_attribute("xmlns") = kRelNs;
  for (const Relationship& r : relationships) {
    pugi::xml_node rel = root.append_child("Relationship");
    rel.append_attribute("Id") = r.id;
    rel.append_attribute("Type") = r.type;
    rel.append_attribute("Target") = r.target;
  }
}

}  // namespace pelvaron::docx
