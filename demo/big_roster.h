#pragma once

#include <cstddef>
#include <string>

namespace bm::demo {

// A wrestlers file of `count` invented wrestlers (at most 65536 distinct
// names) with values spread as a real game's roster has them: about half
// free agents, a few injured, the rest under contract to two dozen
// promotions. The same count always gives the same bytes.
std::string bigRosterBytes(std::size_t count);

} // namespace bm::demo
