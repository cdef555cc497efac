// The wrestlers file reader takes whatever a file holds: it refuses a file
// that is not whole records with a message naming it, and what it takes it
// writes back unchanged, also through the roster screen and its grid.
#include "fuzz_support.h"

#include "core/roster/column_sort.h"
#include "core/roster/roster.h"
#include "core/roster/roster_screen.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bm::roster;
    using bm::fuzz::require;
    const auto bytes = bm::fuzz::bytesOf(data, size);
    Roster roster;
    if (const auto status = parseRoster(bytes, "fuzz.bm1", roster); !status) {
        require(roster.empty() && status.message().find("fuzz.bm1") != std::string::npos);
        return 0;
    }
    for (const auto& record : roster) {
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            require(record.get(static_cast<Field>(f)).find('\r') == std::string_view::npos);
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
                require(i < roster.size() && fieldOf(walk.record(), field) == roster[i].get(field));
            }
            const std::size_t asked = all ? kFieldCount : 3;
            for (std::size_t v = 0; v < asked; ++v) {
                const Field field =
                    all ? static_cast<Field>(v)
                        : std::array{Field::expires, Field::names, Field::status}[v];
                require(walk.value(v) == roster[i].get(field));
            }
        }
        require(i == roster.size() && walk.damage().empty());
    }
    Roster again;
    require(parseRoster(rosterBytes(roster), "fuzz.bm1", again) && again == roster);
    // The grid's order is a total order whatever the cells hold.
    if (roster.size() >= 2) {
        const auto a = roster[0].names();
        const auto b = roster[1].promotion();
        require((compareCells(a, b) < 0) == (compareCells(b, a) > 0) && compareCells(a, a) == 0);
    }

    // Through the screen: listed, sorted, searched, saved back line for line.
    auto& s = bm::fuzz::Session::get();
    s.begin();
    s.game.write("Data/wrestlers.bm1", bytes);
    s.editor.start.editNewGameData();
    auto& screen = s.editor.rosterScreen;
    screen.open();
    require(s.navigator.current() == bm::ui::Screen::Roster);
    require(screen.roster() == roster && screen.rowCount() == static_cast<int>(roster.size()));
    screen.sortByPromotion();
    screen.showInjured();
    require(screen.rowCount() <= static_cast<int>(roster.size()));
    screen.showAll();
    if (!roster.empty()) {
        screen.typeSearch(roster[roster.size() - 1].names());
        screen.search();
    }
    screen.saveChanges();
    require(bm::fuzz::linesOf(s.game.read("Data/wrestlers.bm1")) == bm::fuzz::linesOf(bytes));
    screen.done();
    return 0;
}
