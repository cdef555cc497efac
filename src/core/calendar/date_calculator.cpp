#include "core/calendar/date_calculator.h"

#include "core/calendar/calendar.h"
#include "core/calendar/date_choices.h"

#include <algorithm>
#include <optional>

namespace bm::calendar {
namespace {

std::size_t at(DateCalculator::Row row) {
    return static_cast<std::size_t>(row);
}

std::size_t at(DateCalculator::Part part) {
    return static_cast<std::size_t>(part);
}

// 1-based position of an entry in its list, or 0.
int numberOf(DateCalculator::Part part, std::string_view entry) {
    const auto& list = DateCalculator::entries(part);
    const auto it = std::find(list.begin(), list.end(), entry);
    return it == list.end() ? 0 : static_cast<int>(it - list.begin()) + 1;
}

std::optional<Date> dateOf(const std::array<std::string, DateCalculator::kParts>& parts) {
    using Part = DateCalculator::Part;
    if (std::any_of(parts.begin(), parts.end(), [](const auto& p) { return p.empty(); })) {
        return std::nullopt;
    }
    return Date{parts[at(Part::Weekday)], numberOf(Part::Day, parts[at(Part::Day)]),
                numberOf(Part::Month, parts[at(Part::Month)]),
                kFirstCalculatorYear - 1 + numberOf(Part::Year, parts[at(Part::Year)])};
}

} // namespace

DateCalculator::DateCalculator(ui::Dialogs& dialogs, ui::Navigator& navigator)
    : dialogs_(dialogs), navigator_(navigator) {}

void DateCalculator::open() {
    navigator_.open(ui::Screen::DateCalculator);
}

void DateCalculator::close() {
    navigator_.close(ui::Screen::DateCalculator);
}

const std::vector<std::string>& DateCalculator::entries(Part part) {
    static const std::array<std::vector<std::string>, kParts> lists{
        weekdayChoices(), dayChoices(), monthChoices(),
        yearChoices(kFirstCalculatorYear, kLastCalculatorYear)};
    return lists[at(part)];
}

std::string_view DateCalculator::caption(Row row) {
    return row == Row::TitleWon ? kTitleWonCaption : kGameStartCaption;
}

const std::string& DateCalculator::chosen(Row row, Part part) const {
    return chosen_[at(row)][at(part)];
}

void DateCalculator::choose(Row row, Part part, std::string_view entry) {
    if (numberOf(part, entry) == 0) {
        return;
    }
    chosen_[at(row)][at(part)] = std::string(entry);
    changed();
}

void DateCalculator::calculate() {
    std::optional<long> days;
    {
        const auto busy = dialogs_.busy();
        result_.clear();
        // A date with a list left unchosen is no date: the first is refused at
        // once, and a walk could never meet the second.
        const auto first = dateOf(chosen_[at(Row::TitleWon)]);
        const auto second = dateOf(chosen_[at(Row::GameStart)]);
        if (first && second) {
            days = calculatorDays(*first, *second);
        }
    }
    if (days) {
        result_ = std::string(kDaysBetween) + std::to_string(*days);
    }
    changed();
    // The pointer is back to normal before the box asks for a click.
    if (!days) {
        dialogs_.message(kInvalidDates, ui::Icon::Critical, kCalculatorTitle);
    }
}

} // namespace bm::calendar
