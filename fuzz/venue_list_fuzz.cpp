// A venues file of any shape: records are read, listed, sorted, added and
// removed without touching the lines that belong to no record; through the
// venue editor, adding a venue and deleting it again writes back the file's
// own lines.
#include "fuzz_support.h"

#include "core/platform/line_file.h"
#include "core/venues/venue_editor.h"
#include "core/venues/venue_list.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bm::venues;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = bm::platform::splitLines(bytes);
    VenueList venues(lines);

    auto all = venues.names();
    auto sorted = all;
    sortNames(sorted);
    if (!std::is_permutation(all.begin(), all.end(), sorted.begin(), sorted.end())) {
        std::abort();
    }
    auto again = sorted;
    sortNames(again);
    if (again != sorted) {
        std::abort(); // the order is total, whatever the names
    }
    for (const auto country : kCountries) {
        if (venues.names(country).size() > all.size()) {
            std::abort();
        }
    }

    VenueRecord added;
    std::copy(kNewVenue.begin(), kNewVenue.end(), added.begin());
    added[line::venuename] = venues.freeDefaultName();
    if (venues.find(added[line::venuename])) {
        std::abort();
    }
    venues.append(added);
    const auto index = venues.find(added[line::venuename]);
    if (!index || venues.record(*index) != added) {
        std::abort();
    }
    venues.remove(*index);
    if (venues.lines() != lines) {
        std::abort(); // stray lines stay where they were
    }

    auto& s = bm::fuzz::Session::get();
    s.begin(true);
    s.game.write("Data/venues.txt", bytes);
    s.editor.start.editNewGameData();
    auto& screen = s.editor.venueEditor;
    screen.open();
    bm::fuzz::require(s.navigator.current() == bm::ui::Screen::Venues);
    for (const auto f : {VenueFilter::USA, VenueFilter::UK, VenueFilter::Japan, VenueFilter::Other,
                         VenueFilter::All}) {
        screen.filter(f);
        bm::fuzz::require(screen.names().size() <= venues.count());
    }
    screen.addNew();
    screen.cancelChanges();
    bm::fuzz::require(screen.shown(VenueField::venuename) == added[line::venuename]);
    screen.deleteVenue();
    bm::fuzz::require(bm::fuzz::linesOf(s.game.read("Data/venues.txt")) == lines);
    screen.backToMenu();
    return 0;
}
