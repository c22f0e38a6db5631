#pragma once
// The footnote numbers of the source translation: digits followed by ")" right after a word
// ("kafir,8)"), or standing alone ("ejekan?\" 34)"). Digits after another digit or after
// "(" are ordinary text ("(2)").

#include <functional>
#include <string>
#include <string_view>

namespace pelvaron::pack {

// `text` with each footnote number replaced by what `replace` gives for it (empty: removed).
std::string RewriteNoteMarkers(std::string_view text, const std::function<std::string(int)>& replace);

}  // namespace pelvaron::pack
