#pragma once

#include "core/platform/line_file.h"

#include <string>
#include <vector>

namespace bm::demo {

// One promotion of the demo world, as the editor would save it.
struct DemoPromotion {
    std::string fileName;
    platform::Lines lines;
};

struct Logo {
    std::string fileName; // its extension says the format
    std::string text;     // drawn on the picture
    unsigned colour;      // 0xRRGGBB background
};

platform::Lines mainDataLines();
platform::Lines venueLines();
platform::Lines wrestlerLines(const std::string& promotionFilter = {});
std::vector<DemoPromotion> dataPromotions();
DemoPromotion scenarioPromotion();
std::vector<Logo> logos();
platform::Lines scenarioInfoLines();

} // namespace bm::demo
