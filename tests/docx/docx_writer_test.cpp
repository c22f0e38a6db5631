#include "docx/docx_writer.hpp"

#include <gtest/gtest.h>
#include <zip.h>

#include <pugixml.hpp>

#include "data/surah_index.hpp"
#include "docx/document_sink.hpp"
#include "docx/embedded_font.hpp"
#include "insert/arabic_insert.hpp"
#include "insert/translation.hpp"
#include "module/error.hpp"
#include "tests/support/data_writer.hpp"
#include "tests/support/expect_error.hpp"
#include "tests/support/temp_dir.hpp"

namespace pelvaron::docx {
namespace {

using testing::ExpectError;

std::string Part(const Document& document, const std::string& name, const DocxOptions& options = {}) {
  for (const PackagePart& part : BuildDocxParts(document, options))
    if (part.name == name) return part.xml;
  ADD_FAILURE() << "no part " << name;
  return {};
}

pugi::xml_document Parse(const std::string& xml) {
  pugi::xml_document doc;
  const pugi::xml_parse_result result = doc.load_string(xml.c_str());
  EXPECT_TRUE(result) << result.description();
  return doc;
}

std::vector<std::string> ChildNames(pugi::xml_node node) {
  std::vector<std::string> names;
  for (pugi::xml_node child : node.children()) names.emplace_back(child.name());
  return names;
}

// Arabic verse, then a translation paragraph, as the insertions leave them.
Document SampleDocument() {
  DocumentSink sink;
  sink.RtlPara();
  sink.SetFontSize(14);
  sink.RtlRun();
  sink.SetAlignment(kAlignJustify);
  sink.SetFontName("HQPB1");
  sink.InsertSymbol(0x41, "HQPB1", true, 0);
  sink.SetFontName(kNormalTextFontName);
  sink.InsertSymbol(0x0628, kNormalTextFontName, true, 0);
  sink.TypeText(" ");
  sink.TypeParagraph();
  sink.LtrPara();
  sink.LtrRun();
  sink.SetFontSize(10);
  sink.TypeText("1.  Dengan nama Allah");
  return sink.document();
}

TEST(DocxWriterXml, ParagraphsCarryDirectionAndJustification) {
  const pugi::xml_document xml = Parse(Part(SampleDocument(), "word/document.xml"));
  const pugi::xml_node body = xml.child("w:document").child("w:body");
  const pugi::xml_node arabic = body.child("w:p");
  EXPECT_EQ(ChildNames(arabic.child("w:pPr")), (std::vector<std::string>{"w:bidi", "w:jc"}));
  EXPECT_STREQ(arabic.child("w:pPr").child("w:jc").attribute("w:val").value(), "both");
  const pugi::xml_node latin = arabic.next_sibling("w:p");
  EXPECT_FALSE(latin.child("w:pPr").child("w:bidi"));
  EXPECT_STREQ(latin.child("w:pPr").child("w:jc").attribute("w:val").value(), "both");
  EXPECT_TRUE(body.last_child().name() == std::string("w:sectPr"));
}

TEST(DocxWriterXml, RunsCarryFontsSizesAndDirectionInSchemaOrder) {
  const pugi::xml_document xml = Parse(Part(SampleDocument(), "word/document.xml"));
  const pugi::xml_node arabic = xml.child("w:document").child("w:body").child("w:p");
  const pugi::xml_node glyph = arabic.child("w:r");
  const pugi::xml_node rPr = glyph.child("w:rPr");
  EXPECT_EQ(ChildNames(rPr), (std::vector<std::string>{"w:rFonts", "w:sz", "w:szCs", "w:rtl"}));
  for (const char* slot : {"w:ascii", "w:hAnsi", "w:cs"})
    EXPECT_STREQ(rPr.child("w:rFonts").attribute(slot).value(), "HQPB1") << slot;
  EXPECT_STREQ(rPr.child("w:sz").attribute("w:val").value(), "28");
  EXPECT_STREQ(rPr.child("w:szCs").attribute("w:val").value(), "28");
  EXPECT_STREQ(glyph.child("w:t").text().get(), "A");

  // "(normal text)": no font of its own, the symbol and the blank after it in one run
  const pugi::xml_node normal = glyph.next_sibling("w:r");
  EXPECT_EQ(ChildNames(normal.child("w:rPr")), (std::vector<std::string>{"w:sz", "w:szCs", "w:rtl"}));
  EXPECT_STREQ(normal.child("w:t").text().get(), "\u0628 ");
  EXPECT_STREQ(normal.child("w:t").attribute("xml:space").value(), "preserve");
  EXPECT_FALSE(normal.next_sibling("w:r"));
}

TEST(DocxWriterXml, ItalicRunsBetweenItsSwitchesOnly) {
  DocumentSink sink;
  sink.SetFontSize(10);
  sink.SetItalic(true);
  sink.TypeText("1. Bismillāh");
  sink.SetItalic(false);
  sink.TypeText(" upright");
  const pugi::xml_document xml = Parse(Part(sink.document(), "word/document.xml"));
  const pugi::xml_node italic = xml.child("w:document").child("w:body").child("w:p").child("w:r");
  EXPECT_EQ(ChildNames(italic.child("w:rPr")), (std::vector<std::string>{"w:i", "w:iCs", "w:sz", "w:szCs"}));
  EXPECT_STREQ(italic.child("w:t").text().get(), "1. Bismillāh");
  EXPECT_EQ(ChildNames(italic.next_sibling("w:r").child("w:rPr")),
            (std::vector<std::string>{"w:sz", "w:szCs"}));
}

TEST(DocxWriterXml, DefaultFontHasTheArabicFaceInItsComplexScriptSlot) {
  DocxOptions options;
  options.arabicFont = "Scheherazade New";
  const pugi::xml_document xml = Parse(Part(SampleDocument(), "word/styles.xml", options));
  const pugi::xml_node rPr =
      xml.child("w:styles").child("w:docDefaults").child("w:rPrDefault").child("w:rPr");
  EXPECT_STREQ(rPr.child("w:rFonts").attribute("w:cs").value(), "Scheherazade New");
  EXPECT_STREQ(rPr.child("w:rFonts").attribute("w:ascii").value(), options.latinFont.c_str());
}

TEST(DocxEmbeddedFont, KeyIsTheGuidsHexPairsLastFirstAndXorsTheFirst32Bytes) {
  const std::string key = "{00112233-4455-6677-8899-AABBCCDDEEFF}";
  const std::array<uint8_t, 16> expected{0xFF, 0xEE, 0xDD, 0xCC, 0xBB, 0xAA, 0x99, 0x88,
                                         0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11, 0x00};
  EXPECT_EQ(FontKeyBytes(key), expected);
  std::string font(40, '\x0F');
  const std::string hidden = ObfuscateFont(font, key);
  for (std::size_t i = 0; i < font.size(); ++i)
    EXPECT_EQ(static_cast<uint8_t>(hidden[i]), i < 32 ? (0x0F ^ expected[i % 16]) : 0x0F) << "byte " << i;
  EXPECT_EQ(ObfuscateFont(hidden, key), font);
  EXPECT_THROW(FontKeyBytes("{0011}"), Error);
  EXPECT_EQ(FontKeyFor("font"), FontKeyFor("font"));  // the same font, the same document
  EXPECT_NE(FontKeyFor("font"), FontKeyFor("fonts"));
}

TEST(DocxWriterXml, CarriedFontIsNamedInTheFontTableAndTheSettings) {
  DocxOptions options;
  options.embeddedArabicFont = std::string(100, 'F');
  options.title = "Al-Quran 2:1\u201320";
  const Document document = SampleDocument();
  const pugi::xml_document fonts = Parse(Part(document, "word/fontTable.xml", options));
  const pugi::xml_node arabic =
      fonts.child("w:fonts").find_child_by_attribute("w:font", "w:name", "Amiri Quran");
  const std::string key = arabic.child("w:embedRegular").attribute("w:fontKey").value();
  EXPECT_EQ(key, FontKeyFor(options.embeddedArabicFont));
  EXPECT_STREQ(arabic.child("w:embedRegular").attribute("r:id").value(), "rId1");
  EXPECT_NE(Part(document, "word/_rels/fontTable.xml.rels", options).find("Target=\"fonts/font1.odttf\""),
            std::string::npos);
  EXPECT_EQ(ObfuscateFont(Part(document, "word/fonts/font1.odttf", options), key),
            options.embeddedArabicFont);
  EXPECT_TRUE(
      Parse(Part(document, "word/settings.xml", options)).child("w:settings").child("w:embedTrueTypeFonts"));
  EXPECT_NE(Part(document, "[Content_Types].xml", options).find("Extension=\"odttf\""), std::string::npos);
  const pugi::xml_document core = Parse(Part(document, "docProps/core.xml", options));
  EXPECT_STREQ(core.child("cp:coreProperties").child_value("dc:title"), "Al-Quran 2:1\u201320");
  EXPECT_STREQ(core.child("cp:coreProperties").child_value("dc:creator"), "Pelvaron");

  // Without a font file: still named, not carried.
  const pugi::xml_document bare = Parse(Part(document, "word/fontTable.xml"));
  EXPECT_TRUE(bare.child("w:fonts").find_child_by_attribute("w:font", "w:name", "Amiri Quran"));
  EXPECT_FALSE(bare.child("w:fonts")
                   .find_child_by_attribute("w:font", "w:name", "Amiri Quran")
                   .child("w:embedRegular"));
  EXPECT_FALSE(Parse(Part(document, "word/settings.xml")).child("w:settings").child("w:embedTrueTypeFonts"));
  for (const PackagePart& part : BuildDocxParts(document, {})) EXPECT_NE(part.name, "word/fonts/font1.odttf");
}

TEST(DocxWriterXml, DamagedSymbolNumbersStillGiveWellFormedXml) {
  DocumentSink sink;
  for (int32_t number : {-4096, 0, 1, 0x1F, 0xD800, 0xFFFF, 0x7FFFFFFF, -70000})
    sink.InsertSymbol(number, "HQPB1", true, 0);
  sink.TypeText("<&>\"");
  const pugi::xml_document xml = Parse(Part(sink.document(), "word/document.xml"));
  std::string text;
  for (pugi::xml_node run : xml.child("w:document").child("w:body").child("w:p").children("w:r"))
    text += run.child("w:t").text().get();
  EXPECT_EQ(text, "\uF000\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD<&>\"");
}

std::string ReadZipEntry(zip_t* archive, const char* name) {
  zip_stat_t stat;
  if (zip_stat(archive, name, 0, &stat) != 0) return "<missing>";
  std::string bytes(stat.size, '\0');
  zip_file_t* file = zip_fopen(archive, name, 0);
  EXPECT_NE(file, nullptr);
  EXPECT_EQ(zip_fread(file, bytes.data(), bytes.size()), static_cast<zip_int64_t>(bytes.size()));
  zip_fclose(file);
  return bytes;
}

TEST(DocxWriterPackage, WritesEveryPartIntoTheZip) {
  testing::TempDir dir;
  const auto path = dir.path() / "out.docx";
  const Document document = SampleDocument();
  DocxOptions options;
  options.embeddedArabicFont = std::string("\0\1\0\0font bytes", 14);  // binary, NULs included
  WriteDocx(document, options, path);
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  ASSERT_NE(archive, nullptr) << code;
  EXPECT_EQ(zip_get_num_entries(archive, 0), 10);
  EXPECT_STREQ(zip_get_name(archive, 0, 0), "[Content_Types].xml");
  for (const PackagePart& part : BuildDocxParts(document, options))
    EXPECT_EQ(ReadZipEntry(archive, part.name.c_str()), part.xml) << part.name;
  zip_close(archive);
}

TEST(DocxWriterPackage, UnwritablePathIsAFileErrorNamingIt) {
  testing::TempDir dir;
  const auto path = dir.path() / "missing" / "out.docx";
  ExpectError(ErrorKind::File, path.string(), [&] { WriteDocx(SampleDocument(), {}, path); });
}

// The insertions themselves, into the document model: the layout the document shows.
TEST(DocxFromInsertions, ArabicParagraphThenTranslationParagraphs) {
  testing::TempDir dir;
  testing::DataFolder folder(dir.path());
  // Verses 1 and 2 of four: the small pack's index has no closing entry, so its record
  // M - 1 would run on into record M.
  testing::WriteSmallPack(folder, {4}, {{2, 1}});
  ModuleState state;
  LoadModuleState(state, dir.path());
  DocumentSink sink;
  InsertArabicRange(state, sink, 1, 1, 2, true);
  InsertTranslationRange(state, sink, 1, 1, 2);
  const auto& p = sink.document().paragraphs;
  ASSERT_EQ(p.size(), 6u);  // Arabic, 2 verses, empty, 1 note, the last (empty) paragraph
  EXPECT_EQ(p[0].format, (ParagraphFormat{true, kAlignJustify}));
  EXPECT_EQ(p[0].PlainText(), "\u0661 \u0662 ");
  EXPECT_EQ(p[0].runs.size(), 4u);  // glyphs in HQPB1, each blank in normal text
  EXPECT_EQ(p[1].format, (ParagraphFormat{false, kAlignJustify}));
  EXPECT_EQ(p[1].PlainText(), "1.  Word1");
  EXPECT_EQ(p[1].runs.at(0).format, (RunFormat{"", 20, false}));
  EXPECT_EQ(p[2].PlainText(), "2.  Word2[1]");
  EXPECT_EQ(p[3].PlainText(), "");
  EXPECT_EQ(p[4].PlainText(), "[1]  note 1 text");
  EXPECT_EQ(p[5].PlainText(), "");
}

}  // namespace
}  // namespace pelvaron::docx
