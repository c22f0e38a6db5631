#include "pack/attribution.hpp"

namespace pelvaron::pack {

namespace {

// The mushaf's divisions and their source's licence, which asks for its notice in every copy.
std::string DivisionsAttribution(const DivisionsSource& divisions) {
  std::string text =
      "\r\ndivisions.txt, the juz, hizb quarters, pages (Madinah print), manzils, ruku' and sajdah\r\n"
      "verses of the Hafs mushaf, was written by `pelvaron pack` from the lists of the npm package\r\n";
  text += divisions.packageName + ' ' + divisions.packageVersion;
  text +=
      " (https://github.com/quran-center/quran-meta), global verse\r\nnumbers turned into surah:verse. Its "
      "licence:\r\n\r\n";
  for (char c : divisions.license) {
    if (c == '\r') continue;
    if (c == '\n') text += '\r';
    text += c;
  }
  if (!text.ends_with("\r\n")) text += "\r\n";
  return text;
}

}  // namespace

std::string AttributionText(const QuranSource& source, const PackSummary& summary, const PackRequest& request,
                            const DivisionsSource* divisions) {
  std::string text =
      "The Quran text in this folder (Uthmani script), the surah names and verse counts and the\r\n"
      "Indonesian translation (by the Indonesian Islamic Affairs Ministry) come from the npm\r\n"
      "package ";
  text += source.packageName;
  text += ' ';
  text += source.packageVersion;
  text +=
      " by Risan Bagja Pradana (https://github.com/risan/quran-json),\r\n"
      "which takes the Uthmani text and the translation from The Noble Qur'an Encyclopedia\r\n"
      "(https://quranenc.com). Its licence is in LICENSE.txt.\r\n\r\n"
      "Changes made by `pelvaron pack`: the texts were converted to the DataQuran file formats;\r\n"
      "in the Arabic text, ";
  text += std::to_string(summary.arabicMarksMapped);
  text +=
      " open tanween marks written at the code points of the King Fahd\r\n"
      "Complex's font were moved to the standard ones (U+0657 to U+08F0 open fathatan, U+065E to\r\n"
      "U+08F1 open dammatan, U+0656 to U+08F2 open kasratan); each verse's Arabic text ends with\r\n";
  text += request.verseEnd == VerseEnd::AyahSign ? "the verse-end sign and the verse number"
                                                 : "the verse number in ornate parentheses";
  text += "; the translation was split into words and\r\nre-encoded as Windows-1252, ";
  text += std::to_string(summary.mappedCharacters);
  text += " characters that code page lacks replaced by their nearest\r\nform; ";
  text += request.notes
              ? "footnote numbers written as [n] markers, with the notes' texts from a separate file.\r\n"
              : "footnote numbers removed (the package does not carry the notes' texts).\r\n";
  text +=
      "latin.txt, each verse's Latin reading, was made by `pelvaron pack` from the Arabic text by\r\n"
      "the Indonesian Arab-Latin transliteration guideline; the package's own transliteration is\r\n"
      "not used.\r\n";
  if (divisions) text += DivisionsAttribution(*divisions);
  return text;
}

}  // namespace pelvaron::pack
