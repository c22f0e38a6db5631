#include "module/error.hpp"

namespace pelvaron {

std::string_view KindName(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::File:
      return "file";
    case ErrorKind::Index:
      return "index";
    case ErrorKind::Overflow:
      return "overflow";
    case ErrorKind::PastEnd:
      return "past-end";
    case ErrorKind::BadRecord:
      return "bad-record";
    case ErrorKind::HostCall:
      return "host-call";
    case ErrorKind::Input:
      return "input";
  }
  return "unknown";
}

}  // namespace pelvaron
