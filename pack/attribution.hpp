#pragma once
// ATTRIBUTION.txt: where the pack's texts come from and what the builder changed in them.

#include <string>

#include "pack/pack_builder.hpp"
#include "pack/quran_source.hpp"

namespace pelvaron::pack {

std::string AttributionText(const QuranSource& source, const PackSummary& summary,
                            const PackRequest& request);

}  // namespace pelvaron::pack
