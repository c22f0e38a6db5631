#include "pack/surah_names_writer.hpp"

#include "module/error.hpp"

namespace pelvaron::pack {

std::optional<std::string> EncodeSurahNames(const QuranSource& source) {
  std::string out;
  for (std::size_t s = 0; s < source.surahs.size(); ++s) {
    const std::string& name = source.surahs[s].arabicName;
    if (name.empty()) return std::nullopt;
    if (name.find_first_of("\r\n") != std::string::npos)
      throw Error(ErrorKind::BadRecord,
                  "surah " + std::to_string(s + 1) + ": Arabic name \"" + name + "\" spans lines");
    out += name;
    out += '\n';
  }
  return out;
}

}  // namespace pelvaron::pack
