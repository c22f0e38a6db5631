#include "docx/document_sink.hpp"

#include <gtest/gtest.h>

#include <climits>

#include "docx/characters.hpp"
#include "module/error.hpp"

namespace pelvaron::docx {
namespace {

const Paragraph& Last(const DocumentSink& sink) { return sink.document().paragraphs.back(); }

TEST(DocumentSinkSelection, FontAndSizeApplyToWhatIsTypedAfterwards) {
  DocumentSink sink;
  sink.TypeText("a");
  sink.SetFontSize(14);
  sink.SetFontName("HQPB2");
  sink.TypeText("b");
  sink.SetFontName(kNormalTextFontName);
  sink.SetFontSize(10.5f);
  sink.TypeText("c");
  const auto& runs = Last(sink).runs;
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].format, RunFormat{});
  EXPECT_EQ(runs[0].text, "a");
  EXPECT_EQ(runs[1].format, (RunFormat{"HQPB2", 28, false}));
  EXPECT_EQ(runs[1].text, "b");
  EXPECT_EQ(runs[2].format, (RunFormat{"", 21, false}));  // "(normal text)": no font of its own
  // Font.Reset: the document's own font and size again, the run direction kept.
  sink.RtlRun();
  sink.SetFontName("Amiri Quran");
  sink.ResetFont();
  sink.TypeText("d");
  EXPECT_EQ(Last(sink).runs.back().format, (RunFormat{"", 0, true}));
}

TEST(DocumentSinkSelection, CharactersWithTheSamePropertiesShareOneRun) {
  DocumentSink sink;
  sink.RtlRun();
  sink.SetFontSize(14);
  for (int32_t c : {0x0628, 0x0633, 0x0645}) {
    sink.SetFontName(kNormalTextFontName);
    sink.InsertSymbol(c, kNormalTextFontName, true, 0);
  }
  sink.SetFontName(kNormalTextFontName);
  sink.TypeText(" ");
  ASSERT_EQ(Last(sink).runs.size(), 1u);
  EXPECT_EQ(Last(sink).runs[0].text, "\u0628\u0633\u0645 ");
  EXPECT_TRUE(Last(sink).runs[0].format.rtl);
}

TEST(DocumentSinkSelection, SymbolTakesItsOwnFontAndLeavesTheSelectionFont) {
  DocumentSink sink;
  sink.SetFontName("Arial");
  sink.InsertSymbol(0x41, "HQPB3", true, 0);
  sink.TypeText("x");
  const auto& runs = Last(sink).runs;
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].format.font, "HQPB3");
  EXPECT_EQ(runs[1].format.font, "Arial");
}

TEST(DocumentSinkSelection, SymbolBeforeAnyFontIsNormalText) {
  DocumentSink sink;
  sink.InsertSymbol(0x0660, "", true, 0);
  EXPECT_EQ(Last(sink).runs.at(0).format.font, "");
}

TEST(DocumentSinkSelection, RunDirectionAppliesToTextTypedNext) {
  DocumentSink sink;
  sink.TypeText("a");
  sink.RtlRun();
  sink.TypeText("b");
  sink.LtrRun();
  sink.TypeText("c");
  const auto& runs = Last(sink).runs;
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_FALSE(runs[0].format.rtl);
  EXPECT_TRUE(runs[1].format.rtl);
  EXPECT_FALSE(runs[2].format.rtl);
}

TEST(DocumentSinkParagraphs, ParagraphMarkCarriesDirectionAndAlignmentOn) {
  DocumentSink sink;
  sink.RtlPara();
  sink.SetAlignment(3);
  sink.TypeText("first");
  sink.TypeParagraphThroughGlobal();
  sink.TypeText("second");
  sink.TypeParagraph();
  sink.LtrPara();
  sink.SetAlignment(1);
  const auto& paragraphs = sink.document().paragraphs;
  ASSERT_EQ(paragraphs.size(), 3u);
  EXPECT_EQ(paragraphs[0].format, (ParagraphFormat{true, 3}));
  EXPECT_EQ(paragraphs[1].format, (ParagraphFormat{true, 3}));
  EXPECT_EQ(paragraphs[1].PlainText(), "second");
  EXPECT_EQ(paragraphs[2].format, (ParagraphFormat{false, 1}));  // only the current paragraph changes
}

TEST(DocumentSinkParagraphs, CharacterFormattingSurvivesAParagraphMark) {
  DocumentSink sink;
  sink.SetFontSize(14);
  sink.RtlRun();
  sink.TypeParagraph();
  sink.TypeText("x");
  EXPECT_EQ(Last(sink).runs.at(0).format, (RunFormat{"", 28, true}));
}

TEST(DocumentSinkParagraphs, EndKeyScreenUpdatingAndYieldChangeNothing) {
  DocumentSink sink;
  sink.RtlPara();
  sink.TypeText("verse ");
  const Document before = sink.document();
  sink.SetScreenUpdating(false);
  sink.EndKey(kUnitLine);
  sink.Yield();
  sink.SetScreenUpdating(true);
  EXPECT_EQ(sink.document(), before);
  sink.TypeText("more");
  EXPECT_EQ(Last(sink).PlainText(), "verse more");  // still typing at the end of the same line
}

TEST(DocumentSinkText, ControlCharactersBecomeTabsBreaksParagraphsOrReplacements) {
  DocumentSink sink;
  sink.TypeText(
      "a\tb\nc\rd\x01"
      "e\xff");
  const auto& paragraphs = sink.document().paragraphs;
  ASSERT_EQ(paragraphs.size(), 2u);
  EXPECT_EQ(paragraphs[0].PlainText(), "a\tb\nc");
  EXPECT_EQ(paragraphs[0].runs.at(1).kind, Inline::Tab);
  EXPECT_EQ(paragraphs[0].runs.at(3).kind, Inline::Break);
  EXPECT_EQ(paragraphs[1].PlainText(),
            "d\uFFFD"
            "e\uFFFD");
}

TEST(DocumentSinkFailures, BadSizeOrAlignmentFailsAndKeepsWhatWasTyped) {
  DocumentSink sink;
  sink.TypeText("kept");
  for (float size : {0.0f, -3.0f, 1639.0f}) {
    try {
      sink.SetFontSize(size);
      ADD_FAILURE() << "size " << size << " accepted";
    } catch (const Error& e) {
      EXPECT_EQ(e.kind(), ErrorKind::HostCall);
    }
  }
  for (int alignment : {-1, 6, 10}) EXPECT_THROW(sink.SetAlignment(alignment), Error) << alignment;
  EXPECT_EQ(Last(sink).PlainText(), "kept");
  EXPECT_EQ(Last(sink).format.alignment, std::nullopt);
}

TEST(SymbolCharacter, NumbersBecomeCharactersXmlCanCarry) {
  const std::pair<int32_t, char32_t> cases[] = {
      {0x0627, U'\u0627'},
      {0x06DD, U'\u06DD'},
      {0x1F600, U'\U0001F600'},
      {-4096, U'\uF000'},
      {-4010, U'\uF056'},
      {-1, kReplacementCharacter},  // U+FFFF
      {0, kReplacementCharacter},
      {1, kReplacementCharacter},
      {9, U'\t'},
      {0xD800, kReplacementCharacter},
      {0xFFFE, kReplacementCharacter},
      {0x110000, kReplacementCharacter},
      {-65536, kReplacementCharacter},
      {INT32_MIN, kReplacementCharacter},
      {INT32_MAX, kReplacementCharacter},
  };
  for (const auto& [number, expected] : cases)
    EXPECT_EQ(static_cast<uint32_t>(SymbolCharacter(number)), static_cast<uint32_t>(expected)) << number;
}

}  // namespace
}  // namespace pelvaron::docx
