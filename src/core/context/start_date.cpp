#include "core/context/start_date.h"

#include "core/calendar/calendar.h"
#include "core/calendar/date_choices.h"
#include "core/context/main_data.h"

#include <algorithm>

namespace bm::context {
namespace {

const std::vector<std::string>& years() {
    static const auto entries =
        calendar::yearChoices(calendar::kFirstStartYear, calendar::kLastStartYear);
    return entries;
}

// Position of an entry in its list, or -1.
int indexOf(const std::vector<std::string>& entries, std::string_view text) {
    const auto it = std::find(entries.begin(), entries.end(), text);
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

using platform::quoted;

// A line of a damaged file may be anything; a message shows only its start.
std::string excerpt(std::string_view line) {
    constexpr std::size_t kShown = 40;
    return line.size() <= kShown ? std::string(line) : std::string(line.substr(0, kShown)) + "...";
}

} // namespace

StartDateScreen::StartDateScreen(ui::Dialogs& dialogs, ui::Navigator& navigator,
                                 const EditingContext& context)
    : dialogs_(dialogs), navigator_(navigator), context_(context),
      spinner_(calendar::kFirstStartYear) {}

const std::vector<std::string>& StartDateScreen::weekdays() {
    static const auto entries = calendar::weekdayChoices();
    return entries;
}

const std::vector<std::string>& StartDateScreen::days() {
    static const auto entries = calendar::dayChoices();
    return entries;
}

const std::vector<std::string>& StartDateScreen::months() {
    static const auto entries = calendar::monthChoices();
    return entries;
}

int StartDateScreen::firstYear() {
    return calendar::kFirstStartYear;
}

int StartDateScreen::lastYear() {
    return calendar::kLastStartYear;
}

void StartDateScreen::open() {
    const auto path = context_.pathOf(maindata::kFileName);
    platform::Lines lines;
    if (auto status = platform::readLines(path, lines); !status) {
        refuse(status.message());
        return;
    }
    // A file written with bare LF line ends reads as one long line; saying
    // so beats counting its lines. A stray LF inside a line of a file that
    // holds its date where the game looks for it is the game's business.
    const bool bareLineFeeds = platform::hasBareLineFeed(lines, maindata::kMinLines);
    const auto refuseLines = [&](const std::string& problem) {
        refuse(bareLineFeeds ? "The file " + quoted(path) +
                                   " has lines ended by a bare line feed (LF) instead of CR LF."
                             : problem);
    };
    if (lines.size() < maindata::kMinLines) {
        refuseLines("The file " + quoted(path) + " has " + std::to_string(lines.size()) +
                    (lines.size() == 1 ? " line" : " lines") + ", too few to hold a start date.");
        return;
    }
    const struct {
        std::size_t line;
        const std::vector<std::string>& entries;
        std::string expected;
    } fields[] = {
        {maindata::kStartWeekday, weekdays(), "a weekday name"},
        {maindata::kStartDay, days(), "a day number from 1 to 31"},
        {maindata::kStartMonth, months(), "a month name"},
        {maindata::kStartYear, years(), "a year from " + years().front() + " to " + years().back()},
    };
    for (const auto& field : fields) {
        const std::string& value = lines[field.line];
        if (indexOf(field.entries, value) < 0) {
            // Lines are counted from 1 here, as a text editor shows them.
            refuseLines("Line " + std::to_string(field.line + 1) + " of the file " + quoted(path) +
                        " reads \"" + excerpt(value) + "\", which is not " + field.expected + ".");
            return;
        }
    }

    lines_ = std::move(lines);
    weekday_ = lines_[maindata::kStartWeekday];
    day_ = lines_[maindata::kStartDay];
    month_ = lines_[maindata::kStartMonth];
    year_ = lines_[maindata::kStartYear];
    spinner_ = calendar::kFirstStartYear + indexOf(years(), year_);
    instruction_ = std::string(kStartDateInstruction);
    changed();
    navigator_.go(ui::Screen::StartDate);
}

void StartDateScreen::chooseWeekday(std::string_view name) {
    if (indexOf(weekdays(), name) >= 0) {
        weekday_ = std::string(name);
        changed();
    }
}

void StartDateScreen::chooseDay(std::string_view number) {
    if (indexOf(days(), number) >= 0) {
        day_ = std::string(number);
        changed();
    }
}

void StartDateScreen::chooseMonth(std::string_view name) {
    if (indexOf(months(), name) >= 0) {
        month_ = std::string(name);
        changed();
    }
}

void StartDateScreen::moveYear(int year) {
    spinner_ = std::clamp(year, calendar::kFirstStartYear, calendar::kLastStartYear);
    year_ = std::to_string(spinner_);
    changed();
}

void StartDateScreen::confirm() {
    save();
}

void StartDateScreen::backToMenu() {
    if (isOpen() && differsFromFile() && dialogs_.askYesNo(kLoseStartDateChanges)) {
        // An invalid date or a failed write keeps the user here with the changes.
        save();
        return;
    }
    leave();
}

std::string StartDateScreen::unsavedWork() const {
    if (!hasUnsavedChanges()) {
        return {};
    }
    return "the start date " + weekday_ + " " + day_ + " " + month_ + " " + year_ +
           ", not yet saved in " + context_.folder() + std::string(maindata::kFileName);
}

bool StartDateScreen::differsFromFile() const {
    return weekday_ != lines_[maindata::kStartWeekday] || day_ != lines_[maindata::kStartDay] ||
           month_ != lines_[maindata::kStartMonth] || year_ != lines_[maindata::kStartYear];
}

bool StartDateScreen::save() {
    if (!isOpen()) {
        return false;
    }
    bool valid = false;
    {
        const auto busy = dialogs_.busy();
        valid = calendar::isValidStartDate(weekday_, day_, month_, year_);
    }
    if (!valid) {
        dialogs_.message(kInvalidStartDate, ui::Icon::Exclamation);
        return false;
    }
    platform::Lines lines = lines_;
    lines[maindata::kStartWeekday] = weekday_;
    lines[maindata::kStartDay] = day_;
    lines[maindata::kStartMonth] = month_;
    lines[maindata::kStartYear] = year_;
    if (auto status = platform::writeLines(context_.pathOf(maindata::kFileName), lines); !status) {
        dialogs_.message(status.message(), ui::Icon::Critical);
        return false;
    }
    dialogs_.message(kStartDateSaved);
    leave();
    return true;
}

void StartDateScreen::refuse(const std::string& problem) {
    dialogs_.message(problem + "\r\n\r\nThe start date cannot be edited.", ui::Icon::Exclamation);
}

void StartDateScreen::leave() {
    lines_.clear();
    navigator_.go(ui::Screen::EditingMenu);
}

} // namespace bm::context
