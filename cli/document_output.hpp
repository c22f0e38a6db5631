#pragma once
// Where `pelvaron` puts what the insertions type: a sink and what becomes of it at the end.

#include <memory>
#include <string>

#include "docx/docx_writer.hpp"
#include "insert/document_ops.hpp"

namespace pelvaron::cli {

class DocumentOutput {
 public:
  virtual ~DocumentOutput() = default;
  virtual DocumentOps& ops() = 0;
  // Called once when the insertion is done: the output is written out whole.
  virtual void Finish() = 0;
  // Called instead after a failed insertion: standard output keeps what was typed so far; a
  // file is left as it was, except a .docx, which becomes the document typed so far.
  virtual void FinishAfterFailure() = 0;
};

struct DocumentOutputOptions {
  // The complex-script slot of a .docx's default font; empty: the pack's (packArabicFont),
  // else the writer's own default (Amiri Quran).
  std::string arabicFont;
  std::string packArabicFont;
  // The font file a .docx carries; empty: the default Quran font's file when the Arabic font
  // is Amiri Quran and the file is found (beside the program in fonts/, or where Debian
  // puts it), else none.
  std::string embedFont;
  bool noEmbedFont = false;
  std::string title;  // the .docx's document title
};

// The format named on the command line ("trace", "docx", "text", "ooxml"), written to `path`, or to
// standard output when `path` is empty or "-".
std::unique_ptr<DocumentOutput> OpenDocumentOutput(const std::string& format, const std::string& path,
                                                   const DocumentOutputOptions& options = {});

// The format `-o path` implies when none is named: "docx" for a name ending in ".docx" in
// any case, else "text", what a person reading a terminal wants.
std::string DefaultFormatFor(const std::string& path);

// True for the path of standard output: none, or "-".
bool IsStandardOutput(const std::string& path);

}  // namespace pelvaron::cli
