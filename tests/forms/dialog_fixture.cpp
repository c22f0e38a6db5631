#include "tests/forms/dialog_fixture.hpp"

#include "data/surah_index.hpp"
#include "insert/arabic_insert.hpp"
#include "insert/translation.hpp"

namespace pelvaron::testing {

DialogTest::DialogTest(forms::HeadlessScreen screen)
    : sink(std::make_shared<TraceSink>(document)),
      runtime([this](std::string_view line) { lines.emplace_back(line); }, screen) {
  DataFolder folder(temp.path());
  WriteSmallPack(folder, kPackVerseCounts, {{2, 1}});
  LoadModuleState(state, temp.path());
  state.Document = sink;
}

std::vector<std::string> DialogTest::TakeLines() {
  std::vector<std::string> taken;
  taken.swap(lines);
  return taken;
}

std::string DialogTest::TakeDocument() {
  std::string taken = document.str();
  document.str("");
  return taken;
}

std::string DialogTest::Expected(const std::function<void(DocumentOps&)>& insertions) const {
  std::ostringstream out;
  TraceSink expected(out);
  insertions(expected);
  return out.str();
}

std::string DialogTest::ExpectedArabic(int16_t surah, int16_t first, int16_t last, bool runOn) const {
  return Expected([&](DocumentOps& doc) { InsertArabicRange(state, doc, surah, first, last, runOn); });
}

std::string DialogTest::ExpectedTranslation(int16_t surah, int16_t first, int16_t last) const {
  return Expected([&](DocumentOps& doc) { InsertTranslationRange(state, doc, surah, first, last); });
}

}  // namespace pelvaron::testing
