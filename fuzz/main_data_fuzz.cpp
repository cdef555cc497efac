// A main data file of any bytes: the start date screen shows the date it
// holds or refuses the file with a message naming it; confirming writes back
// every line it read, and the wrestler tools read the same year line.
#include "fuzz_support.h"

#include "core/calendar/calendar.h"
#include "core/context/main_data.h"
#include "core/roster/roster.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bm;
    using fuzz::require;
    namespace md = context::maindata;
    auto& s = fuzz::Session::get();
    s.begin();
    const auto bytes = fuzz::bytesOf(data, size);
    s.game.write("Data/maindata.bm1", bytes);
    const auto lines = fuzz::linesOf(bytes);

    std::string year;
    const auto path = s.game.path("Data/maindata.bm1");
    if (const auto status = roster::readStartYear(path, year)) {
        // Only the first MiB is read for a few lines: beyond it a line is cut.
        require(lines.size() > md::kStartYear &&
                (year == lines[md::kStartYear] || bytes.size() > 1024 * 1024));
    } else {
        require(status.message().find(path.string()) != std::string::npos);
    }

    auto& screen = s.editor.startDate;
    s.editor.start.editNewGameData();
    screen.open();
    if (s.navigator.current() != ui::Screen::StartDate) {
        s.requireRefused("Data/maindata.bm1", bytes);
        return 0;
    }
    require(lines.size() >= md::kMinLines);
    require(screen.weekday() == lines[md::kStartWeekday] && screen.day() == lines[md::kStartDay] &&
            screen.month() == lines[md::kStartMonth] && screen.year() == lines[md::kStartYear]);

    // Confirming the date as read: a real date writes every line back as it
    // was; any other is refused and the file stays.
    screen.confirm();
    const bool valid = calendar::isValidStartDate(lines[md::kStartWeekday], lines[md::kStartDay],
                                                  lines[md::kStartMonth], lines[md::kStartYear]);
    require(valid == (s.navigator.current() == ui::Screen::EditingMenu));
    if (valid) {
        require(fuzz::linesOf(s.game.read("Data/maindata.bm1")) == lines);
    } else {
        require(s.game.read("Data/maindata.bm1") == bytes);
        s.dialogs.yes = false;
        screen.backToMenu();
    }
    return 0;
}
