#include "docx/html_text.hpp"

#include <gtest/gtest.h>

namespace pelvaron::docx {
namespace {

Paragraph Para(ParagraphFormat format, std::vector<Run> runs) { return {format, std::move(runs)}; }
Run Text(RunFormat format, std::string text) { return {std::move(format), Inline::Text, std::move(text)}; }

struct HtmlCase {
  const char* what;
  Paragraph paragraph;
  const char* html;
};

TEST(HtmlText, SaysWhatTheDocxSaysOfEachParagraphAndRun) {
  const std::vector<HtmlCase> cases = {
      {"an Arabic verse: right to left, justified, the default font's Arabic slot first",
       Para({true, 3}, {Text({"", 40, true}, "\u0628")}),
       "<p dir=\"rtl\" style=\"margin:0 0 6pt;text-align:justify\"><span dir=\"rtl\" "
       "style=\"font-family:'Q','L',serif;"
       "font-size:20pt\">\u0628</span></p>"},
      {"a translation line: the default font and size, the Latin slot first, markup escaped",
       Para({}, {Text({}, "1. <a> & \"b\"")}),
       "<p dir=\"ltr\" style=\"margin:0 0 6pt;\"><span style=\"font-family:'L','Q',serif;font-size:12pt\">"
       "1. &lt;a&gt; &amp; &quot;b&quot;</span></p>"},
      {"the Latin reading: italic", Para({false, 0}, {Text({"", 0, false, true}, "Qul")}),
       "<p dir=\"ltr\" style=\"margin:0 0 6pt;text-align:left\"><span style=\"font-family:'L','Q',serif;"
       "font-size:12pt;font-style:italic\">Qul</span></p>"},
      {"a font of its own, half points, a tab and a break, right alignment",
       Para({false, 2}, {Text({"HQPB1", 21, false}, "x"), {{}, Inline::Tab, {}}, {{}, Inline::Break, {}}}),
       "<p dir=\"ltr\" style=\"margin:0 0 6pt;text-align:right\"><span "
       "style=\"font-family:'HQPB1';font-size:10.5pt\">x"
       "</span><span style=\"font-family:'L','Q',serif;font-size:12pt\">&#9;</span><span "
       "style=\"font-family:'L','Q',"
       "serif;font-size:12pt\"><br></span></p>"},
      {"an empty paragraph keeps its line", Para({}, {}),
       "<p dir=\"ltr\" style=\"margin:0 0 6pt;\"><br></p>"},
  };
  for (const HtmlCase& c : cases) {
    Document document;
    document.paragraphs = {c.paragraph};
    EXPECT_EQ(HtmlText(document, {.arabic = "Q", .latin = "L"}), c.html) << c.what;
  }
}

}  // namespace
}  // namespace pelvaron::docx
