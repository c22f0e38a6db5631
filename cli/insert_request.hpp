#pragma once
// What `pelvaron insert` (and the dialog's OK) asks for, and how it is carried out.

#include <cstdint>
#include <string>

#include "insert/document_ops.hpp"
#include "module/state.hpp"

namespace pelvaron {

enum class InsertWhat { All = 1, Arabic = 2, Translation = 3 };

// "all", "arabic", "translation".
InsertWhat ParseInsertWhat(const std::string& text);

struct InsertRequest {
  int surah = 1;
  int firstVerse = 1;
  int lastVerse = 1;
  InsertWhat what = InsertWhat::All;
  bool runOn = true;
};

// Refuses what the dialog refuses: a surah outside 1..114 (an input error naming it), a
// verse above the surah's count or below 1 ("Ayat tidak ada!!!").
void CheckInsertRequest(const ModuleState& state, const InsertRequest& request);

// Runs the insertions the request names, Arabic first.
void RunInsertRequest(const ModuleState& state, DocumentOps& doc, const InsertRequest& request);

}  // namespace pelvaron
