#include "cli/document_output.hpp"

#include <fstream>
#include <iostream>

#include "insert/trace_sink.hpp"
#include "module/error.hpp"

namespace pelvaron::cli {
namespace {

class TraceOutput : public DocumentOutput {
 public:
  explicit TraceOutput(const std::string& path) {
    if (!path.empty()) {
      file_.open(path, std::ios::out | std::ios::binary | std::ios::trunc);
      if (!file_) throw Error(ErrorKind::File, path + ": cannot be opened for writing");
    }
    sink_ = std::make_unique<TraceSink>(stream());
  }
  DocumentOps& ops() override { return *sink_; }
  void Finish() override {
    stream().flush();
    if (!stream()) throw Error(ErrorKind::File, "the trace could not be written completely");
  }

 private:
  std::ostream& stream() { return file_.is_open() ? static_cast<std::ostream&>(file_) : std::cout; }
  std::ofstream file_;
  std::unique_ptr<TraceSink> sink_;
};

}  // namespace

std::unique_ptr<DocumentOutput> OpenDocumentOutput(const std::string& format, const std::string& path) {
  if (format == "trace") return std::make_unique<TraceOutput>(path);
  throw Error(ErrorKind::Input, "output format \"" + format + "\" is not known");
}

}  // namespace pelvaron::cli
