#pragma once

#include "support/editor_fixture.h"

#include <string>
#include <utility>
#include <vector>

namespace bm::test {

using LineChanges = std::vector<std::pair<int, std::string>>;

inline platform::Lines withLines(platform::Lines lines, const LineChanges& changes) {
    for (const auto& [at, value] : changes) {
        lines.at(static_cast<std::size_t>(at)) = value;
    }
    return lines;
}

inline platform::Lines templateWith(const LineChanges& changes) {
    return withLines(promotion::makeTemplateRecord().lines(), changes);
}

} // namespace bm::test
