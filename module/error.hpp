#pragma once
// The one error type of the engine. Every failure carries a kind and a message that names
// the file, record or value at fault; edges (the command line, COM methods, window
// procedures) turn it into an exit status, an HRESULT or a message box.

#include <stdexcept>
#include <string>
#include <string_view>

namespace pelvaron {

enum class ErrorKind {
  File,       // a data file missing, unreadable or not a regular file
  Index,      // an index outside a table's bounds
  Overflow,   // a value outside the range of its integer type
  PastEnd,    // a read past the end of a file or record
  BadRecord,  // a record number, length or content that cannot be right
  HostCall,   // a document or host operation failed
  Input,      // a request the user made that cannot be carried out
};

std::string_view KindName(ErrorKind kind);

class Error : public std::runtime_error {
 public:
  Error(ErrorKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  ErrorKind kind() const noexcept { return kind_; }

 private:
  ErrorKind kind_;
};

}  // namespace pelvaron
