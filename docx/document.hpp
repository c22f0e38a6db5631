#pragma once
// A word-processor document as the insertions build it: paragraphs of runs, each run a
// piece of text with one set of character properties. Text is UTF-8.

#include <optional>
#include <string>
#include <vector>

namespace pelvaron::docx {

// What Word keeps per character, as far as the insertions set it.
struct RunFormat {
  std::string font;    // empty: no font of its own, the document's default
  int halfPoints = 0;  // 0: the document's default size
  bool rtl = false;
  bool italic = false;

  bool operator==(const RunFormat&) const = default;
};

// A run break inside a paragraph's text (tab, line break) is kept as its own element kind.
enum class Inline { Text, Tab, Break };

struct Run {
  RunFormat format;
  Inline kind = Inline::Text;
  std::string text;  // only for Inline::Text

  bool operator==(const Run&) const = default;
};

// Word's alignment numbers (wdAlignParagraph…); nullopt when never set.
struct ParagraphFormat {
  bool rtl = false;
  std::optional<int> alignment;

  bool operator==(const ParagraphFormat&) const = default;
};

struct Paragraph {
  ParagraphFormat format;
  std::vector<Run> runs;

  // The paragraph's characters, tabs and breaks as "\t" and "\n".
  std::string PlainText() const;

  bool operator==(const Paragraph&) const = default;
};

struct Document {
  std::vector<Paragraph> paragraphs{1};  // a document always has its last paragraph

  bool operator==(const Document&) const = default;
};

}  // namespace pelvaron::docx
