#include "cli/document_output.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/app_path.hpp"
#include "docx/docx_writer.hpp"
#include "docx/document_sink.hpp"
#include "docx/ooxml_writer.hpp"
#include "docx/plain_text.hpp"
#include "files/replacing_file.hpp"
#include "insert/trace_sink.hpp"
#include "module/error.hpp"

namespace pelvaron::cli {
namespace {

// A named file is written beside its name and replaced only when whole; none: standard output.
std::unique_ptr<files::ReplacingFile> OpenFile(const std::string& path) {
  return IsStandardOutput(path) ? nullptr : std::make_unique<files::ReplacingFile>(path);
}

void FlushStandardOutput(const char* what) {
  std::cout.flush();
  if (!std::cout)
    throw Error(ErrorKind::File, std::string(what) + " could not be written completely to standard output");
}

class TraceOutput : public DocumentOutput {
 public:
  explicit TraceOutput(const std::string& path) : file_(OpenFile(path)) {}
  DocumentOps& ops() override { return sink_; }
  void Finish() override { file_ ? file_->Commit() : FlushStandardOutput("the trace"); }
  // Standard output has had every operation so far; a file is left as it was.
  void FinishAfterFailure() override {
    if (!file_) FlushStandardOutput("the trace");
  }

 private:
  std::ostream& stream() { return file_ ? file_->stream() : std::cout; }
  std::unique_ptr<files::ReplacingFile> file_;  // declared before the sink, which takes its stream
  TraceSink sink_{stream()};
};

std::string ReadFontFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  if (!in.good() && !in.eof()) throw Error(ErrorKind::File, path.string() + ": the font cannot be read");
  if (bytes.empty()) throw Error(ErrorKind::File, path.string() + ": no font there (missing or empty)");
  return bytes;
}

// The font file a .docx carries, or empty (see DocumentOutputOptions::embedFont).
std::string FontToEmbed(const DocumentOutputOptions& options, const std::string& arabicFont) {
  if (options.noEmbedFont) return {};
  if (!options.embedFont.empty()) return ReadFontFile(options.embedFont);
  if (arabicFont != docx::DocxOptions{}.arabicFont) return {};
  for (const std::filesystem::path& file :
       {ExecutableFolder() / "fonts" / "AmiriQuran.ttf", std::filesystem::path(PELVARON_QURAN_FONT_FILE)}) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec)) return ReadFontFile(file);
  }
  std::cerr << "pelvaron: warning: " << PELVARON_QURAN_FONT_FILE
            << " not found (Debian package fonts-hosny-amiri): the document does not carry its Arabic font\n";
  return {};
}

// The Arabic font the command line names, else the pack's, else the writer's own default.
std::string ArabicFontOf(const DocumentOutputOptions& options) {
  if (!options.arabicFont.empty()) return options.arabicFont;
  if (!options.packArabicFont.empty()) return options.packArabicFont;
  return docx::DocxOptions{}.arabicFont;
}

void WriteBytes(files::ReplacingFile* file, const std::string& bytes, const char* what) {
  std::ostream& out = file ? file->stream() : std::cout;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file ? file->Commit() : FlushStandardOutput(what);
}

// The document is built in memory and written as a whole at the end.
class DocxOutput : public DocumentOutput {
 public:
  DocxOutput(const std::string& path, const DocumentOutputOptions& options) : file_(OpenFile(path)) {
    options_.arabicFont = ArabicFontOf(options);
    options_.embeddedArabicFont = FontToEmbed(options, options_.arabicFont);
    options_.title = options.title;
  }
  DocumentOps& ops() override { return sink_; }
  void Finish() override {
    WriteBytes(file_.get(), docx::DocxBytes(sink_.document(), options_), "the .docx");
  }
  // What was typed before the failure is a whole document of its own.
  void FinishAfterFailure() override { Finish(); }

 private:
  std::unique_ptr<files::ReplacingFile> file_;
  docx::DocxOptions options_;
  docx::DocumentSink sink_;
};

// The flat-OPC package Word inserts at a selection: one XML text, written whole at the end.
class OoxmlOutput : public DocumentOutput {
 public:
  OoxmlOutput(const std::string& path, const DocumentOutputOptions& options) : file_(OpenFile(path)) {
    options_.arabicFont = ArabicFontOf(options);
  }
  DocumentOps& ops() override { return sink_; }
  void Finish() override {
    WriteBytes(file_.get(), docx::OoxmlPackage(sink_.document(), options_), "the OOXML package");
  }
  // As text: standard output gets the package typed so far; a file is left as it was.
  void FinishAfterFailure() override {
    if (!file_) Finish();
  }

 private:
  std::unique_ptr<files::ReplacingFile> file_;
  docx::DocxOptions options_;
  docx::DocumentSink sink_;
};

class TextOutput : public DocumentOutput {
 public:
  explicit TextOutput(const std::string& path) : file_(OpenFile(path)) {}
  DocumentOps& ops() override { return sink_; }
  void Finish() override {
    docx::WritePlainText(sink_.document(), file_ ? file_->stream() : std::cout);
    file_ ? file_->Commit() : FlushStandardOutput("the text");
  }
  // Standard output gets the lines typed so far; a file is left as it was.
  void FinishAfterFailure() override {
    if (!file_) Finish();
  }

 private:
  std::unique_ptr<files::ReplacingFile> file_;
  docx::DocumentSink sink_;
};

}  // namespace

bool IsStandardOutput(const std::string& path) { return path.empty() || path == "-"; }

std::string DefaultFormatFor(const std::string& path) {
  const std::string extension = std::filesystem::path(path).extension().string();
  const bool docx =
      extension.size() == 5 && std::equal(extension.begin(), extension.end(), ".docx", [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
      });
  return docx ? "docx" : "text";
}

std::unique_ptr<DocumentOutput> OpenDocumentOutput(const std::string& format, const std::string& path,
                                                   const DocumentOutputOptions& options) {
  if (format == "trace") return std::make_unique<TraceOutput>(path);
  if (format == "docx") return std::make_unique<DocxOutput>(path, options);
  if (format == "text") return std::make_unique<TextOutput>(path);
  if (format == "ooxml") return std::make_unique<OoxmlOutput>(path, options);
  throw Error(ErrorKind::Input, "output format \"" + format + "\" is not known");
}

}  // namespace pelvaron::cli
