#include "cli/document_output.hpp"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

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
  if (!IsStandardOutput(path)) {
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

// The document is built in memory and written as a whole at the end.
class DocxOutput : public DocumentOutput {
 public:
  DocxOutput(const std::string& path, const DocumentOutputOptions& options) : path_(path) {
    if (!options.arabicFont.empty()) options_.arabicFont = options.arabicFont;
  }
  DocumentOps& ops() override { return sink_; }
  void Finish() override {
    if (!IsStandardOutput(path_)) return docx::WriteDocx(sink_.document(), options_, path_);
    // The package is a zip, written through a file; standard output then gets its bytes.
    std::string name = (std::filesystem::temp_directory_path() / "pelvaron-docx-XXXXXX").string();
    const int fd = mkstemp(name.data());
    if (fd < 0) throw Error(ErrorKind::File, name + ": no temporary file for the .docx on standard output");
    close(fd);
    struct Remove {
      const std::string& path;
      ~Remove() { std::remove(path.c_str()); }
    } remove{name};
    docx::WriteDocx(sink_.document(), options_, name);
    std::ifstream in(name, std::ios::binary);
    std::cout << in.rdbuf();
    std::cout.flush();
    if (!std::cout) throw Error(ErrorKind::File, "the .docx could not be written to standard output completely");
  }

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
    if (IsStandardOutput(path_)) {
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

bool IsStandardOutput(const std::string& path) { return path.empty() || path == "-"; }

std::string DefaultFormatFor(const std::string& path) {
  const std::string extension = std::filesystem::path(path).extension().string();
  const bool docx = extension.size() == 5 && std::equal(extension.begin(), extension.end(), ".docx", [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) == b;
                    });
  return docx ? "docx" : "text";
}

std::unique_ptr<DocumentOutput> OpenDocumentOutput(const std::string& format, const std::string& path,
                                                   const DocumentOutputOptions& options) {
  if (format == "trace") return std::make_unique<TraceOutput>(path);
  if (format == "docx") return std::make_unique<DocxOutput>(path, options);
  if (format == "text") return std::make_unique<TextOutput>(path);
  throw Error(ErrorKind::Input, "output format \"" + format + "\" is not known");
}

}  // namespace pelvaron::cli
