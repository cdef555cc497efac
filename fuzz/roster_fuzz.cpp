// The wrestlers file reader takes whatever a file holds: it refuses a file
// that is not whole records, and what it takes it writes back unchanged.
#include "core/roster/column_sort.h"
#include "core/roster/roster.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bm::roster;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Roster roster;
    if (!parseRoster(bytes, "fuzz.bm1", roster)) {
        return 0;
    }
    for (const auto& record : roster) {
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            if (record.get(static_cast<Field>(f)).find('\r') != std::string_view::npos) {
                std::abort();
            }
        }
    }
    // The record walk of the whole-folder checks reads every value as loading does.
    std::size_t i = 0;
    scanRecords(bytes, [&](std::string_view record) {
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            const auto field = static_cast<Field>(f);
            if (i >= roster.size() || fieldOf(record, field) != roster[i].get(field)) {
                std::abort();
            }
        }
        ++i;
        return true;
    });
    if (i != roster.size()) {
        std::abort();
    }
    Roster again;
    if (!parseRoster(rosterBytes(roster), "fuzz.bm1", again) || !(again == roster)) {
        std::abort();
    }
    // The grid's order is a total order whatever the cells hold.
    if (roster.size() >= 2) {
        const auto a = roster[0].names();
        const auto b = roster[1].promotion();
        if ((compareCells(a, b) < 0) != (compareCells(b, a) > 0) || compareCells(a, a) != 0) {
            std::abort();
        }
    }
    return 0;
}
