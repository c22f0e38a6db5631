#pragma once
// ATTRIBUTION.txt: where the pack's texts come from and what the builder changed in them.

#include <string>

#include "pack/divisions_source.hpp"
#include "pack/pack_builder.hpp"
#include "pack/quran_source.hpp"

namespace pelvaron::pack {

// `divisions` is null when the pack is built without the divisions file.
std::string AttributionText(const QuranSource& source, const PackSummary& summary, const PackRequest& request,
                            const DivisionsSource* divisions);

}  // namespace pelvaron::pack
