#include "tests/wine/host/frame_checks.hpp"

#include <algorithm>
#include <vector>

#include "tests/wine/host/word_model.hpp"

namespace pelvaron::wine_host {

void CheckFrame(Checks& check, const InsertedRange& range, std::size_t traceFrom) {
  const std::string trace = Model().trace.str().substr(traceFrom);
  std::size_t yields = 0;
  for (std::size_t at = trace.find("Yield\n"); at != std::string::npos; at = trace.find("Yield\n", at + 1))
    ++yields;
  const int first = range.first, last = range.last;
  const int count = last - first + 1;
  std::vector<std::wstring> expected;
  // An insertion ran when it typed something, or when Word refused its very first call.
  const bool ran = !trace.empty() || (Fault().at > 0 && Fault().calls >= Fault().at);
  if (ran) {
    std::wstring name = L"Al-Quran " + std::to_wstring(range.surah) + L":" + std::to_wstring(first);
    if (last != first) name += L"\u2013" + std::to_wstring(last);
    if (range.undoRecord) expected.push_back(L"StartCustomRecord " + name + L" @0");
    for (std::size_t k = 1; count > 1 && k <= yields; ++k)
      expected.push_back(L"StatusBar Al-Quran: ayat " + std::to_wstring(k) + L" dari " +
                         std::to_wstring(count));
    const std::wstring translation = L"Al-Quran: terjemah ";
    const auto shownSteps = std::count_if(
        Model().frame.begin(), Model().frame.end(),
        [&](const FrameEvent& e) { return e.text.compare(0, translation.size(), translation) == 0; });
    const long steps =
        range.translated >= 0 ? (count > 1 ? range.translated : 0) : static_cast<long>(shownSteps);
    for (long k = 1; k <= steps; ++k)
      expected.push_back(L"StatusBar " + translation + std::to_wstring(k) + L" dari " +
                         std::to_wstring(count));
    if (count > 1) expected.push_back(L"StatusBar  @" + std::to_wstring(trace.size()));
    if (range.undoRecord) expected.push_back(L"EndCustomRecord  @" + std::to_wstring(trace.size()));
  }
  std::vector<std::wstring> seen;
  std::wstring shown;
  for (const FrameEvent& e : Model().frame) {
    std::wstring line = e.call + L" " + e.text;
    // Where the record starts and ends, and where the status bar is cleared, matter; the
    // progress lines' places are the yields, counted above.
    if (e.call != L"StatusBar" || e.text.empty()) line += L" @" + std::to_wstring(e.traceLength - traceFrom);
    seen.push_back(line);
    const std::size_t n = Model().frame.size(), i = seen.size() - 1;
    if (i < 2 || i + 2 >= n) shown += (shown.empty() ? L" " : L" | ") + line;
    if (i == 2 && n > 4) shown += L" | ...";
  }
  check(seen == expected, std::to_string(yields) + " yields; undo record and status bar as expected:" +
                              Utf8(shown.data(), shown.size()));
}

void CheckNothingTypedAfterStop(Checks& check, long at) {
  if (at == 0) return;
  const std::string trace = Model().trace.str();
  std::size_t pos = 0;
  for (long n = 0; n < at && pos != std::string::npos; ++n) {
    pos = trace.find("Yield\n", pos);
    if (pos != std::string::npos) pos += 6;
  }
  bool clean = pos != std::string::npos;
  std::string rest = clean ? trace.substr(pos) : "";
  for (std::size_t line = 0; clean && line < rest.size(); line = rest.find('\n', line) + 1)
    clean = rest.compare(line, 20, "ScreenUpdating True\n") == 0;
  std::replace(rest.begin(), rest.end(), '\n', '|');
  check(clean, "after yield " + std::to_string(at) + " nothing more is typed: \"" + rest + "\"");
}

}  // namespace pelvaron::wine_host
