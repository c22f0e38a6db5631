#include "pack/note_markers.hpp"

namespace pelvaron::pack {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string RewriteNoteMarkers(std::string_view text, const std::function<std::string(int)>& replace) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const bool startsNumber = IsDigit(text[i]) && (i == 0 || (!IsDigit(text[i - 1]) && text[i - 1] != '('));
    if (startsNumber) {
      std::size_t end = i;
      while (end < text.size() && IsDigit(text[end])) ++end;
      if (end < text.size() && text[end] == ')' && end - i <= 5) {
        out += replace(std::stoi(std::string(text.substr(i, end - i))));
        i = end + 1;
        continue;
      }
      out.append(text.substr(i, end - i));
      i = end;
      continue;
    }
    out += text[i++];
  }
  return out;
}

}  // namespace pelvaron::pack
