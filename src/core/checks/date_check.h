#pragma once

#include "core/context/editing_context.h"
#include "core/platform/status.h"

#include <string>
#include <string_view>
#include <vector>

// "Check All Dates": contract expiry dates before the start date freeze the
// game, and a next big show outside the 360 days from the start date is
// never replaced. Reads the context's files, changes none.
namespace bm::checks {

inline constexpr std::string_view kDateCheckHeading = "Results Of The Date Check";

enum class DateFinding {
    ContractExpiry,   // a contract that ends before the game starts
    UnreadableExpiry, // an expiry that is not a month name and a year
    NextBigShow,      // a booked big show outside the window
    File,             // a file that is missing, unreadable or damaged
};

struct DateProblem {
    DateFinding kind;
    std::string subject; // the wrestler's name or the file's name
    // Where its line (without the line end) stands in the report: thousands
    // of problems are one text, not thousands.
    std::size_t lineFrom = 0;
    std::size_t lineSize = 0;

    bool operator==(const DateProblem&) const = default;
};

struct DateCheck {
    std::vector<DateProblem> problems; // in report order
    std::string report;                // as the editing menu shows it, lines joined by CR LF

    std::string_view lineOf(const DateProblem& problem) const {
        return std::string_view(report).substr(problem.lineFrom, problem.lineSize);
    }
};

DateCheck checkDates(const context::EditingContext& context);

// A promotion file of the context read whole once, for every check that
// needs it; `status` tells why it could not be read.
struct PromotionBytes {
    std::string name;
    platform::Status status = platform::Status::success();
    std::string bytes;
};
// The context's promotion files in the order that the checks list them.
std::vector<PromotionBytes> readPromotionFiles(const context::EditingContext& context);
// The same check over the promotion files already read.
DateCheck checkDates(const context::EditingContext& context,
                     const std::vector<PromotionBytes>& promotions);

} // namespace bm::checks
