#pragma once

#include "core/ui/dialogs.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace bm::calendar {

inline constexpr std::string_view kCalculatorTitle = "Date Calculator";
inline constexpr std::string_view kTitleWonCaption = "Enter The Date The Wrestler(s) Won The Title";
inline constexpr std::string_view kGameStartCaption = "Enter The Start Date Of The Game";
inline constexpr std::string_view kCalculate = "Calculate";
inline constexpr std::string_view kDaysBetween = "Number Of Days Between The Dates: ";
inline constexpr std::string_view kInvalidDates =
    "Invalid Date Error\r\n\r\nOne or both of your dates are not valid. Please check and "
    "re-enter.";
// The years its lists offer.
inline constexpr int kFirstCalculatorYear = 2003;
inline constexpr int kLastCalculatorYear = 2010;

// Counts the days of a title reign: from the day a title was won to the start
// of the game. A side window that may stay open beside the screen that called it.
class DateCalculator : public ui::Model {
public:
    enum class Row { TitleWon, GameStart };
    enum class Part { Weekday, Day, Month, Year };
    static constexpr int kRows = 2;
    static constexpr int kParts = 4;

    DateCalculator(ui::Dialogs& dialogs, ui::Navigator& navigator);

    // Opens the window beside the calling screen without waiting for it.
    void open();
    void close();

    // An entry of the part's list; anything else is ignored. Every list
    // starts with nothing chosen.
    void choose(Row row, Part part, std::string_view entry);
    void calculate();

    static const std::vector<std::string>& entries(Part part);
    static std::string_view caption(Row row);
    // "" while nothing is chosen.
    const std::string& chosen(Row row, Part part) const;
    // Empty until a count has been made.
    const std::string& result() const { return result_; }

private:
    ui::Dialogs& dialogs_;
    ui::Navigator& navigator_;
    std::array<std::array<std::string, kParts>, kRows> chosen_;
    std::string result_;
};

} // namespace bm::calendar
