// The venue editor's list work on a venues file far larger than any the game
// ships: building the sorted name list, which every filter button and delete
// runs, and finding the next free default name.

#include "core/venues/venue_list.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace bm::venues;

VenueList manyVenues(int count, bool defaultNames) {
    bm::platform::Lines lines;
    for (int i = 0; i < count; ++i) {
        const std::string name =
            defaultNames ? (i == 0 ? std::string(kDefaultName)
                                   : std::string(kDefaultName) + " " + std::to_string(i))
                         : (i % 3 == 0 ? std::to_string(count - i)
                                       : "Hall " + std::to_string(i * 7919 % count));
        lines.insert(lines.end(),
                     {name, "Town, State", "Town", "1000",
                      std::string(kCountries[static_cast<std::size_t>(i % 4)]), "None"});
    }
    return VenueList(std::move(lines));
}

void BM_SortedNameList(benchmark::State& state) {
    const VenueList venues = manyVenues(static_cast<int>(state.range(0)), false);
    for (auto _ : state) {
        auto names = venues.names();
        sortNames(names);
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_SortedNameList)->Arg(1000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_FreeDefaultName(benchmark::State& state) {
    const VenueList venues = manyVenues(static_cast<int>(state.range(0)), true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(venues.freeDefaultName());
    }
}
BENCHMARK(BM_FreeDefaultName)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
