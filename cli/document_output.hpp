#pragma once
// Where `pelvaron` puts what the insertions type: a sink and what becomes of it at the end.

#include <memory>
#include <string>

#include "insert/document_ops.hpp"

namespace pelvaron::cli {

class DocumentOutput {
 public:
  virtual ~DocumentOutput() = default;
  virtual DocumentOps& ops() = 0;
  // Called once, also after a failed insertion: what was typed so far is written out.
  virtual void Finish() = 0;
};

// The format named on the command line ("trace"), written to `path`, or to standard
// output when `path` is empty.
std::unique_ptr<DocumentOutput> OpenDocumentOutput(const std::string& format, const std::string& path);

}  // namespace pelvaron::cli
