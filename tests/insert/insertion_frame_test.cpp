#include "insert/insertion_frame.hpp"

#include <gtest/gtest.h>

#include "insert/insert_request.hpp"
#include "insert/segments.hpp"
#include "tests/support/fixtures.hpp"

namespace pelvaron {
namespace {

using testing::DataFixture;

// Records each call with how much of the trace existed at that moment.
class RecordingFrame : public InsertionFrame {
 public:
  explicit RecordingFrame(const std::ostringstream& trace) : trace_(trace) {}
  void Begin(const std::string& name, int verseCount) noexcept override {
    calls.push_back("Begin " + name + " " + std::to_string(verseCount) + " @" + At());
  }
  void End() noexcept override { calls.push_back("End @" + At()); }
  void TranslationStep(int done, int total) override {
    calls.push_back("Step " + std::to_string(done) + "/" + std::to_string(total));
  }
  std::vector<std::string> calls;

 private:
  std::string At() const { return std::to_string(trace_.str().size()); }
  const std::ostringstream& trace_;
};

struct FrameCase {
  const char* what;
  InsertRequest request;
  bool removeArabic;  // the Arabic file is gone: the insertion fails after its first operations
  bool stopBeforeTranslation;
  const char* name;
  int verseCount;
};

TEST(InsertionFrame, OneBeginAndOneEndAroundEveryInsertionWhateverItsEnd) {
  const FrameCase cases[] = {
      {"a range", {2, 1, 3, InsertWhat::All, true}, false, false, "Al-Quran 2:1\u20133", 3},
      {"one verse", {1, 2, 2, InsertWhat::Arabic, true}, false, false, "Al-Quran 1:2", 1},
      {"translation only", {2, 2, 3, InsertWhat::Translation, true}, false, false, "Al-Quran 2:2\u20133", 2},
      {"a failure", {2, 1, 3, InsertWhat::Arabic, true}, true, false, "Al-Quran 2:1\u20133", 3},
      {"stopped before the translation",
       {2, 1, 2, InsertWhat::All, true},
       false,
       true,
       "Al-Quran 2:1\u20132",
       2},
  };
  for (const FrameCase& c : cases) {
    SCOPED_TRACE(c.what);
    DataFixture f;
    testing::WriteSmallPack(f.folder, {4, 3});
    f.Load();
    auto frame = std::make_shared<RecordingFrame>(f.traceText);
    f.state.Frame = frame;
    if (c.removeArabic) std::filesystem::remove(f.folder.file("AQO2.TXT"));
    bool threw = false;
    try {
      RunInsertRequest(f.state, f.trace, c.request, [&](const InsertRequest& r) {
        return c.stopBeforeTranslation ? std::nullopt : std::optional<InsertRequest>(r);
      });
    } catch (const std::exception&) {
      threw = true;
    }
    EXPECT_EQ(threw, c.removeArabic);
    const std::size_t traced = f.traceText.str().size();
    EXPECT_GT(traced, 0u);
    std::vector<std::string> expected{"Begin " + std::string(c.name) + " " + std::to_string(c.verseCount) +
                                      " @0"};
    // The translation reports each of its verses, whatever the Arabic before it did.
    if (c.request.what != InsertWhat::Arabic && !c.removeArabic && !c.stopBeforeTranslation)
      for (int k = 1; k <= c.verseCount; ++k)
        expected.push_back("Step " + std::to_string(k) + "/" + std::to_string(c.verseCount));
    expected.push_back("End @" + std::to_string(traced));
    EXPECT_EQ(frame->calls, expected);
  }
}

// Across surahs the translation counts over the whole request in blocks; verse by verse each
// translation is one verse long and the host's own count goes on.
TEST(InsertionFrame, AcrossSurahsTheTranslationCountsOverTheWholeRequest) {
  for (const bool perVerse : {false, true}) {
    DataFixture f;
    testing::WriteSmallPack(f.folder, {4, 3, 2});
    std::string names;
    for (int s = 1; s <= kSurahCount; ++s) names += "s\n";
    f.folder.Write("surahnames.txt", names);
    f.Load();
    auto frame = std::make_shared<RecordingFrame>(f.traceText);
    f.state.Frame = frame;
    InsertRequest request;
    request.what = InsertWhat::Translation;
    request.perVerse = perVerse;
    request.segments = SegmentsBetween(f.state, {1, 3}, {3, 1});
    RunInsertRequest(f.state, f.trace, request);
    std::vector<std::string> expected{"Begin Al-Quran 1:3\u20133:1 6 @0"};
    for (int step = 1; step <= 6; ++step)
      expected.push_back(perVerse ? "Step 1/1" : "Step " + std::to_string(step) + "/6");
    expected.push_back("End @" + std::to_string(f.traceText.str().size()));
    EXPECT_EQ(frame->calls, expected) << perVerse;
  }
}

}  // namespace
}  // namespace pelvaron
