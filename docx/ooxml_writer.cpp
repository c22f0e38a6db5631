#include "docx/ooxml_writer.hpp"

#include "docx/wordml.hpp"

namespace pelvaron::docx {
namespace {

constexpr const char* kPackageNs = "http://schemas.microsoft.com/office/2006/xmlPackage";

// <pkg:part> named `name` with its XML inside <pkg:xmlData>, which the caller fills.
pugi::xml_node AppendPart(pugi::xml_node package, const char* name, const char* contentType) {
  pugi::xml_node part = package.append_child("pkg:part");
  part.append_attribute("pkg:name") = name;
  part.append_attribute("pkg:contentType") = contentType;
  return part.append_child("pkg:xmlData");
}

}  // namespace

std::string OoxmlPackage(const Document& document, const DocxOptions& options) {
  pugi::xml_document xml = NewXml();
  pugi::xml_node instruction = xml.append_child(pugi::node_pi);
  instruction.set_name("mso-application");
  instruction.set_value("progid=\"Word.Document\"");
  pugi::xml_node package = xml.append_child("pkg:package");
  package.append_attribute("xmlns:pkg") = kPackageNs;
  AppendRelationships(AppendPart(package, "/_rels/.rels", kRelationshipsType),
                      {{"rId1", kOfficeDocumentRel, "word/document.xml"}});
  const ExplicitFormat everyRun{options.latinFont, options.arabicFont, kDefaultHalfPoints};
  AppendDocument(AppendPart(package, "/word/document.xml", kMainDocumentType), document, &everyRun);
  return ToXml(xml);
}

}  // namespace pelvaron::docx
