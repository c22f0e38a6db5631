#pragma once
// One run of a request on a document: what it types, in the font mode chosen for it. Used by
// RunInsertRequest alone.

#include <memory>
#include <string>
#include <vector>

#include "insert/insert_request.hpp"
#include "insert/surah_heading.hpp"

namespace pelvaron {

class Insertion {
 public:
  // Reads what the citation, the Latin and the headings need before anything is typed, so
  // that a pack without it fails cleanly.
  Insertion(const ModuleState& state, DocumentOps& doc, const InsertRequest& request);

  // A request within one surah, in blocks: false when `beforeTranslation` stopped it.
  bool Blocks(const BeforeTranslation& beforeTranslation);
  // A request within one surah, verse by verse.
  void PerVerse();
  // A request of segments: each surah entered at its first verse opened by its heading, each
  // segment in blocks or verse by verse, one citation of them all at the end.
  void Segments();

 private:
  void Arabic(int surah, int first, int last);
  void Latin(int first, const std::vector<std::string>& lines);
  // `before` verses of the request are done and `total` in all, for the host's progress.
  void Translation(int surah, int first, int last, int before = 0, int total = 0);
  void Cite(const std::string& text);
  void SegmentVerses(std::size_t index, int before);

  const ModuleState& state_;
  DocumentOps& doc_;
  const InsertRequest& request_;
  const std::unique_ptr<FontMode> fonts_;
  const bool arabic_, latin_, translated_;
  // Per segment (one for a request within one surah).
  const std::vector<VerseSegment> segments_;
  const std::string cited_;
  const std::vector<std::vector<std::string>> latinLines_;
  const SurahHeadingTexts headings_;
};

}  // namespace pelvaron
