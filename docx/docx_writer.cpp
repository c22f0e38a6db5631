#include "docx/docx_writer.hpp"

#include <zip.h>

#include <initializer_list>
#include <memory>

#include "docx/embedded_font.hpp"
#include "docx/wordml.hpp"
#include "module/error.hpp"

namespace pelvaron::docx {
namespace {

constexpr const char* kStylesRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
constexpr const char* kFontTableRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/fontTable";
constexpr const char* kSettingsRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings";
constexpr const char* kFontRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/font";
constexpr const char* kCorePropertiesRel =
    "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties";
constexpr const char* kDocRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kFontPart = "word/fonts/font1.odttf";

std::string DocumentXml(const Document& document) {
  pugi::xml_document xml = NewXml();
  pugi::xml_node body = AppendDocument(xml, document, nullptr);
  // A4 with one-inch margins, in twips.
  pugi::xml_node section = body.append_child("w:sectPr");
  pugi::xml_node size = section.append_child("w:pgSz");
  size.append_attribute("w:w") = 11906;
  size.append_attribute("w:h") = 16838;
  pugi::xml_node margins = section.append_child("w:pgMar");
  for (const char* side : {"w:top", "w:right", "w:bottom", "w:left"}) margins.append_attribute(side) = 1440;
  for (const char* extent : {"w:header", "w:footer"}) margins.append_attribute(extent) = 720;
  margins.append_attribute("w:gutter") = 0;
  return ToXml(xml);
}

std::string StylesXml(const DocxOptions& options) {
  pugi::xml_document xml = NewXml();
  pugi::xml_node root = xml.append_child("w:styles");
  root.append_attribute("xmlns:w") = kWordNs;
  pugi::xml_node rPr = root.append_child("w:docDefaults").append_child("w:rPrDefault").append_child("w:rPr");
  AddFonts(rPr, options.latinFont, options.arabicFont);
  SetVal(rPr, "w:sz", std::to_string(kDefaultHalfPoints));
  SetVal(rPr, "w:szCs", std::to_string(kDefaultHalfPoints));
  pugi::xml_node lang = rPr.append_child("w:lang");
  lang.append_attribute("w:val") = "id-ID";
  lang.append_attribute("w:bidi") = "ar-SA";
  pugi::xml_node normal = root.append_child("w:style");
  normal.append_attribute("w:type") = "paragraph";
  normal.append_attribute("w:default") = "1";
  normal.append_attribute("w:styleId") = "Normal";
  SetVal(normal, "w:name", "Normal");
  return ToXml(xml);
}

std::string Relationships(std::initializer_list<Relationship> relationships) {
  pugi::xml_document xml = NewXml();
  AppendRelationships(xml, relationships);
  return ToXml(xml);
}

// The fonts the document names; the Arabic one with its embedded file when it has one.
std::string FontTableXml(const DocxOptions& options, const std::string& fontKey) {
  pugi::xml_document xml = NewXml();
  pugi::xml_node root = xml.append_child("w:fonts");
  root.append_attribute("xmlns:w") = kWordNs;
  root.append_attribute("xmlns:r") = kDocRelNs;
  const auto addFont = [&root](const std::string& name, const char* charset, const char* family) {
    pugi::xml_node font = root.append_child("w:font");
    font.append_attribute("w:name") = name.c_str();
    SetVal(font, "w:charset", charset);
    SetVal(font, "w:family", family);
    SetVal(font, "w:pitch", "variable");
    return font;
  };
  addFont(options.latinFont, "00", "roman");
  pugi::xml_node arabic = addFont(options.arabicFont, "B2", "auto");
  if (!fontKey.empty()) {
    pugi::xml_node embed = arabic.append_child("w:embedRegular");
    embed.append_attribute("r:id") = "rId1";
    embed.append_attribute("w:fontKey") = fontKey.c_str();
  }
  return ToXml(xml);
}

std::string SettingsXml(bool embedsFonts) {
  pugi::xml_document xml = NewXml();
  pugi::xml_node root = xml.append_child("w:settings");
  root.append_attribute("xmlns:w") = kWordNs;
  if (embedsFonts) root.append_child("w:embedTrueTypeFonts");
  return ToXml(xml);
}

// Title and creator; no dates, so the same document gives the same file.
std::string CorePropertiesXml(const DocxOptions& options) {
  pugi::xml_document xml = NewXml();
  pugi::xml_node root = xml.append_child("cp:coreProperties");
  root.append_attribute("xmlns:cp") =
      "http://schemas.openxmlformats.org/package/2006/metadata/core-properties";
  root.append_attribute("xmlns:dc") = "http://purl.org/dc/elements/1.1/";
  if (!options.title.empty()) root.append_child("dc:title").text().set(options.title.c_str());
  root.append_child("dc:creator").text().set("Pelvaron");
  return ToXml(xml);
}

std::string ContentTypes() {
  pugi::xml_document xml = NewXml();
  pugi::xml_node root = xml.append_child("Types");
  root.append_attribute("xmlns") = "http://schemas.openxmlformats.org/package/2006/content-types";
  const auto addDefault = [&root](const char* extension, const char* type) {
    pugi::xml_node node = root.append_child("Default");
    node.append_attribute("Extension") = extension;
    node.append_attribute("ContentType") = type;
  };
  addDefault("rels", kRelationshipsType);
  addDefault("xml", "application/xml");
  addDefault("odttf", "application/vnd.openxmlformats-officedocument.obfuscatedFont");
  const auto addOverride = [&root](const char* part, const char* type) {
    pugi::xml_node node = root.append_child("Override");
    node.append_attribute("PartName") = part;
    node.append_attribute("ContentType") = type;
  };
  addOverride("/word/document.xml", kMainDocumentType);
  addOverride("/word/styles.xml",
              "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml");
  addOverride("/word/fontTable.xml",
              "application/vnd.openxmlformats-officedocument.wordprocessingml.fontTable+xml");
  addOverride("/word/settings.xml",
              "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml");
  addOverride("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml");
  return ToXml(xml);
}

struct ZipCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};

[[noreturn]] void Fail(const std::string& where, const std::string& what, zip_error_t* error) {
  throw Error(ErrorKind::File, where + ": " + what + ": " + zip_error_strerror(error));
}

struct SourceFreer {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};

// `where` names the package in error messages.
void AddParts(zip_t* archive, const std::vector<PackagePart>& parts, const std::string& where) {
  for (const PackagePart& part : parts) {
    // The parts outlive the archive's close, so the buffers need not be copied.
    zip_source_t* source = zip_source_buffer(archive, part.xml.data(), part.xml.size(), 0);
    if (!source) Fail(where, "cannot add " + part.name, zip_get_error(archive));
    const zip_int64_t index = zip_file_add(archive, part.name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(source);
      Fail(where, "cannot add " + part.name, zip_get_error(archive));
    }
    // A fixed time stamp: the same document gives the same file.
    zip_file_set_mtime(archive, static_cast<zip_uint64_t>(index), 315532800, 0);
  }
}

}  // namespace

std::vector<PackagePart> BuildDocxParts(const Document& document, const DocxOptions& options) {
  const bool embeds = !options.embeddedArabicFont.empty();
  const std::string fontKey = embeds ? FontKeyFor(options.embeddedArabicFont) : "";
  std::vector<PackagePart> parts{
      {"[Content_Types].xml", ContentTypes()},
      {"_rels/.rels", Relationships({{"rId1", kOfficeDocumentRel, "word/document.xml"},
                                     {"rId2", kCorePropertiesRel, "docProps/core.xml"}})},
      {"docProps/core.xml", CorePropertiesXml(options)},
      {"word/_rels/document.xml.rels", Relationships({{"rId1", kStylesRel, "styles.xml"},
                                                      {"rId2", kFontTableRel, "fontTable.xml"},
                                                      {"rId3", kSettingsRel, "settings.xml"}})},
      {"word/document.xml", DocumentXml(document)},
      {"word/styles.xml", StylesXml(options)},
      {"word/fontTable.xml", FontTableXml(options, fontKey)},
      {"word/settings.xml", SettingsXml(embeds)},
  };
  if (embeds) {
    parts.push_back(
        {"word/_rels/fontTable.xml.rels", Relationships({{"rId1", kFontRel, "fonts/font1.odttf"}})});
    parts.push_back({kFontPart, ObfuscateFont(options.embeddedArabicFont, fontKey)});
  }
  return parts;
}

void WriteDocx(const Document& document, const DocxOptions& options, const std::filesystem::path& path) {
  const std::vector<PackagePart> parts = BuildDocxParts(document, options);
  int code = 0;
  std::unique_ptr<zip_t, ZipCloser> archive(zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code));
  if (!archive) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    Fail(path.string(), "cannot be created", &error);
  }
  AddParts(archive.get(), parts, path.string());
  if (zip_close(archive.get()) != 0) Fail(path.string(), "cannot be written", zip_get_error(archive.get()));
  archive.release();
}

std::string DocxBytes(const Document& document, const DocxOptions& options) {
  const std::vector<PackagePart> parts = BuildDocxParts(document, options);
  const std::string where = "the .docx in memory";
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (!buffer) Fail(where, "cannot be created", &error);
  std::unique_ptr<zip_source_t, SourceFreer> keep(buffer);
  std::unique_ptr<zip_t, ZipCloser> archive(zip_open_from_source(buffer, ZIP_TRUNCATE, &error));
  if (!archive) Fail(where, "cannot be created", &error);
  zip_source_keep(buffer);  // the archive's close would free it; its bytes are read after
  AddParts(archive.get(), parts, where);
  if (zip_close(archive.get()) != 0) Fail(where, "cannot be written", zip_get_error(archive.get()));
  archive.release();

  if (zip_source_open(buffer) != 0) Fail(where, "cannot be read back", zip_source_error(buffer));
  std::string bytes;
  char chunk[1 << 16];
  zip_int64_t n = 0;
  while ((n = zip_source_read(buffer, chunk, sizeof chunk)) > 0)
    bytes.append(chunk, static_cast<std::size_t>(n));
  const bool failed = n < 0;
  zip_source_close(buffer);
  if (failed) Fail(where, "cannot be read back", zip_source_error(buffer));
  return bytes;
}

}  // namespace pelvaron::docx
