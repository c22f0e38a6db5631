#pragma once
// The word lists the search reads as data, compiled in from the .txt files beside this header
// (stop_words.txt, suffixes.txt, reference_words.txt). Each line is a word and a tab-separated
// reason; reference_words.txt puts where the word stands first.

#include <string>
#include <string_view>
#include <vector>

#include "data/format.hpp"

namespace pelvaron::search {

// The texts of the files, compiled in.
std::string_view StopWordsText();
std::string_view SuffixesText();
std::string_view ReferenceWordsText();

// The words of a list text in file order: each line "word<TAB>reason". With `kind`, only the
// lines "kind<TAB>word<TAB>reason" of that kind. A line without a word and a reason (or, with
// `kind`, without a kind) is an error naming `source` and the line.
std::vector<std::string> ParseWordList(std::string_view text, const std::string& source,
                                       std::string_view kind = {});

// The lists as the search uses them, read once.
const std::vector<std::string>& StopWords();
const std::vector<std::string>& Suffixes();
const std::vector<std::string>& ReferenceLeadWords();   // before the surah, in the order tried
const std::vector<std::string>& ReferenceVerseWords();  // between the surah and the verse number
const std::vector<std::string>& SurahNameLeadWords();   // before a surah's name, dropped
// Before a juz's or a page's number; none for the other kinds.
const std::vector<std::string>& DivisionWords(DivisionKind kind);

}  // namespace pelvaron::search
