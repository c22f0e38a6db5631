#include "insert/trace_sink.hpp"
#include "module/trace_format.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace pelvaron {
namespace {

TEST(TraceSink, QuotesWithJsonEscaping) {
  EXPECT_EQ(QuoteTraceString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(QuoteTraceString("\n\r\t"), "\"\\n\\r\\t\"");
  EXPECT_EQ(QuoteTraceString(std::string("\x01\x1f", 2)), "\"\\u0001\\u001f\"");
  EXPECT_EQ(QuoteTraceString("caf\u00e9 \u0628"), "\"caf\u00e9 \u0628\"");
  EXPECT_EQ(QuoteTraceString(""), "\"\"");
}

TEST(TraceSink, FloatsPrintLikePercentG) {
  EXPECT_EQ(FormatTraceFloat(14.0f), "14");
  EXPECT_EQ(FormatTraceFloat(10.5f), "10.5");
  EXPECT_EQ(FormatTraceFloat(0.1f), "0.1");
  EXPECT_EQ(FormatTraceFloat(1e7f), "1e+07");
}

TEST(TraceSink, OneLinePerOperation) {
  std::ostringstream out;
  TraceSink sink(out);
  sink.SetScreenUpdating(false);
  sink.InsertSymbol(-4096, "HQPB5", true, 0);
  sink.TypeText("a\nb");
  sink.TypeParagraphThroughGlobal();
  sink.EndKey(5);
  sink.Yield();
  EXPECT_EQ(out.str(),
            "ScreenUpdating False\nInsertSymbol -4096 \"HQPB5\" True 0\nTypeText "
            "\"a\\nb\"\nTypeParagraph\nEndKey 5\n"
            "Yield\n");
}

}  // namespace
}  // namespace pelvaron
