#include "cli/document_output.hpp"

#include <fstream>
#include <iostream>

#include "cli/app_path.hpp"
#include "docx/docx_writer.hpp"
#include "docx/document_sink.hpp"
#include "docx/plain_text.hpp"
#include "insert/trace_sink.hpp"
#include "module/error.hpp"

namespace pelvaron::cli {
namespace {

// The file is opened before the sink takes its stream, so -o really goes to the file.
std::ofstream OpenTraceFile(const std::string& path) {
  std::ofstream file;
  if (!path.empty()) {
    file.open(path, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!file) throw Error(ErrorKind::File, path + ": cannot be opened for writing");
  }
  return file;
}

class TraceOutput : public DocumentOutput {
 public:
  explicit TraceOutput(const std::string& path) : file_(OpenTraceFile(path)) {}
  DocumentOps& ops() override { return sink_; }
  void Finish() override {
    stream().flush();
    if (!stream()) throw Error(ErrorKind::File, "the trace could not be written completely");
  }

 private:
  std::ostream& stream() { return file_.is_open() ? static_cast<std::ostream&>(file_) : std::cout; }
  std::ofstream file_;  // declared before the sink, which takes its stream
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
  for (const std::filesystem::path& file : {ExecutableFolder() / "fonts" / "AmiriQuran.ttf",
                                            std::filesystem::path(PELVARON_QURAN_FONT_FILE)}) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec)) return ReadFontFile(file);
  }
  std::cerr << "pelvaron: warning: " << PELVARON_QURAN_FONT_FILE
            << " not found (Debian package fonts-hosny-amiri): the document does not carry its Arabic font\n";
  return {};
}

// The document is built in memory and written as a whole at the end.
class DocxOutput : public DocumentOutput {
 public:
  DocxOutput(const std::string& path, const DocumentOutputOptions& options) : path_(path) {
    if (path.empty()) throw Error(ErrorKind::Input, "the docx format needs an output file (-o FILE.docx)");
    if (!options.arabicFont.empty())
      options_.arabicFont = options.arabicFont;
    else if (!options.packArabicFont.empty())
      options_.arabicFont = options.packArabicFont;
    options_.embeddedArabicFont = FontToEmbed(options, options_.arabicFont);
    options_.title = options.title;
  }
  DocumentOps& ops() override { return sink_; }
  void Finish() override { docx::WriteDocx(sink_.document(), options_, path_); }

 private:
  std::string path_;
  docx::DocxOptions options_;
  docx::DocumentSink sink_;
};

class TextOutput : public DocumentOutput {
 public:
  explicit TextOutput(const std::string& path) : path_(path) {}
  DocumentOps& ops() override { return sink_; }
  void Finish() override {
    if (path_.empty()) {
      docx::WritePlainText(sink_.document(), std::cout);
      std::cout.flush();
      if (!std::cout) throw Error(ErrorKind::File, "the text could not be written completely");
      return;
    }
    std::ofstream file(path_, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!file) throw Error(ErrorKind::File, path_ + ": cannot be opened for writing");
    docx::WritePlainText(sink_.document(), file);
    file.flush();
    if (!file) throw Error(ErrorKind::File, path_ + ": could not be written completely");
  }

 private:
  std::string path_;
  docx::DocumentSink sink_;
};

}  // namespace

std::string DocumentTitle(int surah, int firstVerse, int lastVerse) {
  std::string title = "Al-Quran ";
  for (const auto& [number, after] : {std::pair{surah, ":"}, std::pair{firstVerse, "\u2013"}, std::pair{lastVerse, ""}}) {
    title += std::to_string(number);
    title += after;
  }
  return title;
}

std::string DefaultFormatFor(const std::string& path) {
  const std::string suffix = ".docx";
  const bool docx = path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
  return docx ? "docx" : "trace";
}

std::unique_ptr<DocumentOutput> OpenDocumentOutput(const std::string& format, const std::string& path,
                                                   const DocumentOutputOptions& options) {
  if (format == "trace") return std::make_unique<TraceOutput>(path);
  if (format == "docx") return std::make_unique<DocxOutput>(path, options);
  if (format == "text") return std::make_unique<TextOutput>(path);
  throw Error(ErrorKind::Input, "output format \"" + format + "\" is not known");
}

}  // namespace pelvaron::cli
