#include "pack/attribution.hpp"

namespace pelvaron::pack {

std::string AttributionText(const QuranSource& source, const PackSummary& summary, bool withNotes) {
  std::string package = source.packageName;
  package += ' ';
  package += source.packageVersion;
  std::string text =
      "The Quran text in this folder (Uthmani script), the surah names and verse counts and the\r\n"
      "Indonesian translation (by the Indonesian Islamic Affairs Ministry) come from the npm\r\n"
      "package ";
  text += package;
  text +=
      " by Risan Bagja Pradana (https://github.com/risan/quran-json),\r\n"
      "which takes the Uthmani text and the translation from The Noble Qur'an Encyclopedia\r\n"
      "(https://quranenc.com). Its licence is in LICENSE.txt.\r\n\r\n"
      "Changes made by `pelvaron pack`: the texts were converted to the DataQuran file formats;\r\n"
      "each verse's Arabic text ends with the verse-end sign and the verse number; the\r\n"
      "translation was split into words and re-encoded as Windows-1252, ";
  text += std::to_string(summary.mappedCharacters);
  text += " characters that code page lacks\r\nreplaced by their nearest form; ";
  text += withNotes ? "footnote numbers written as [n] markers, with the notes' texts from a separate file.\r\n"
                    : "footnote numbers removed (the package does not carry the notes' texts).\r\n";
  return text;
}

}  // namespace pelvaron::pack
