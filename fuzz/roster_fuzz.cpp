// The wrestlers file reader takes whatever a file holds: it refuses a file
// that is not whole records, and what it takes it writes back unchanged.
#include "core/roster/column_sort.h"
#include "core/roster/roster.h"

#include <array>
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
    // The record walk reads every value as loading does, whichever fields it
    // is asked for: all of them (each found after the one before), or a few
    // (found block by block).
    for (const bool all : {true, false}) {
        RecordWalk walk =
            all ? RecordWalk(bytes, {Field::names,      Field::shortname,    Field::promotion,
                                     Field::brand,      Field::gender,       Field::pop,
                                     Field::ent,        Field::desc,         Field::expires,
                                     Field::wages,      Field::indybookings, Field::bookingfee,
                                     Field::multiproms, Field::roles,        Field::faceheel,
                                     Field::finisher,   Field::finishertype, Field::tagteam,
                                     Field::stable,     Field::injury,       Field::status,
                                     Field::cond,       Field::manager,      Field::ringstyle,
                                     Field::morale,     Field::retire,       Field::micskills,
                                     Field::hardcore,   Field::weight,       Field::charisma,
                                     Field::basecountry})
                : RecordWalk(bytes, {Field::expires, Field::names, Field::status});
        std::size_t i = 0;
        for (; walk.next(); ++i) {
            for (std::size_t f = 0; f < kFieldCount; ++f) {
                const auto field = static_cast<Field>(f);
                if (i >= roster.size() || fieldOf(walk.record(), field) != roster[i].get(field)) {
                    std::abort();
                }
            }
            const std::size_t asked = all ? kFieldCount : 3;
            for (std::size_t v = 0; v < asked; ++v) {
                const Field field =
                    all ? static_cast<Field>(v)
                        : std::array{Field::expires, Field::names, Field::status}[v];
                if (walk.value(v) != roster[i].get(field)) {
                    std::abort();
                }
            }
        }
        if (i != roster.size() || !walk.damage().empty()) {
            std::abort();
        }
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
