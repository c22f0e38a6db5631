#pragma once
// What a host shows around one insertion besides the document: one undo step named after
// it, and progress while it runs. Apart from DocumentOps on purpose: none of it changes the
// document, so none of it belongs in a trace.

#include <string>

namespace pelvaron {

struct InsertRequest;

class InsertionFrame {
 public:
  virtual ~InsertionFrame() = default;
  // Before the first document operation. `name` is what the undo list shows; `verseCount`
  // is the Arabic range's length, one per-verse yield each.
  virtual void Begin(const std::string& name, int verseCount) noexcept = 0;
  // After the last operation, also when the insertion failed or was stopped.
  virtual void End() noexcept = 0;
  // After verse `done` of `total` of the translation, which has no yield of its own: progress,
  // and the host's pending messages. Throws to stop the insertion there.
  virtual void TranslationStep(int done, int total) = 0;
};

// "Al-Quran 2:1–286", or "Al-Quran 2:255" for one verse; "Al-Quran 78:1–114:6" across surahs.
std::string InsertionName(const InsertRequest& request);

// The title of a document of the request, as every front end gives it: "Al-Quran S:A–B"
// (for one verse too), and across surahs its InsertionName.
std::string DocumentTitle(const InsertRequest& request);

// How many verses the request types.
int RequestVerseCount(const InsertRequest& request);

}  // namespace pelvaron
