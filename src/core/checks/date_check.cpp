#include "core/checks/date_check.h"

#include "core/calendar/calendar.h"
#include "core/checks/report_text.h"
#include "core/context/main_data.h"
#include "core/platform/line_file.h"
#include "core/platform/paths.h"
#include "core/promotion/promotion_chooser.h"
#include "core/promotion/record/promotion_layout.h"
#include "core/roster/roster.h"

namespace bm::checks {
namespace {

constexpr std::string_view kNoWrestlers = "There are no wrestlers in the wrestlers.bm1 file, so no "
                                          "contract expiry dates can be checked.";
constexpr std::string_view kExpiryAdvice =
    "If you don't change these contract expiry dates to be after the start date, the game will "
    "freeze. You can automatically create random expiry dates for all wrestlers using the "
    "wrestler editor screen. The randomly created expiry dates always work with your start date.";
constexpr std::string_view kExpiriesOk = "All contract expiry dates are OK.";
constexpr std::string_view kSavedGameNote =
    "Please note that the dates of promotion's Next Big Shows are not checked for saved games.";
constexpr std::string_view kBigShowAdvice =
    "If the incorrect date(s) are not changed, if the player begins a game with this promotion, "
    "they will permanently have the same Big Show and will never be able to book a new one.";
constexpr std::string_view kBigShowsOk =
    "There are no problems with the dates of Next Big Shows in any of the promotion files.";

struct StartDate {
    std::string weekday, day, month, year;
    int monthNumber = 0;
    int yearNumber = 0;
};

class Report {
public:
    explicit Report(DateCheck& check) : check_(check) {}
    void text(std::string_view t) { check_.report += t; }
    void line(std::string_view t) {
        check_.report += t;
        check_.report += kLineEnd;
    }
    // A problem's line, made of `parts`, is written straight into the report.
    void problem(DateFinding kind, std::string_view subject,
                 std::initializer_list<std::string_view> parts) {
        const std::size_t from = check_.report.size();
        for (const std::string_view part : parts) {
            check_.report += part;
        }
        check_.problems.push_back({kind, std::string(subject), from, check_.report.size() - from});
        check_.report += kLineEnd;
    }

    // What has been reported so far, to take back what turns out unfounded.
    struct Mark {
        std::size_t report, problems;
    };
    Mark mark() const { return {check_.report.size(), check_.problems.size()}; }
    void rollBack(Mark mark) {
        check_.report.resize(mark.report);
        check_.problems.resize(mark.problems);
    }

private:
    DateCheck& check_;
};

// Why the start date cannot be read, or "" when `start` holds it.
std::string readStartDate(const context::EditingContext& context, StartDate& start) {
    namespace md = context::maindata;
    const auto path = context.pathOf(md::kFileName);
    platform::Lines lines;
    if (auto status = platform::readFirstLines(path, md::kMinLines, lines); !status) {
        return status.message();
    }
    if (lines.size() < md::kMinLines) {
        return "The file " + quoted(path) + " has " + countOf(lines.size(), "line") +
               ", too few to hold a start date.";
    }
    start = {lines[md::kStartWeekday], lines[md::kStartDay], lines[md::kStartMonth],
             lines[md::kStartYear]};
    start.monthNumber = calendar::monthNumber(start.month);
    if (start.monthNumber == 0 || !isFourDigitYear(start.year, start.yearNumber)) {
        return "The start date in the file " + quoted(path) +
               " cannot be read: its month must be a month name and its year four digits.";
    }
    return {};
}

enum class Expiry { Ok, BeforeStart, Unreadable };

// The month is the name the text begins with, followed by a blank (month
// names hold none); the year is its last four characters.
Expiry judgeExpiry(std::string_view expires, const StartDate& start) {
    const std::size_t blank = expires.find(' ');
    const int month = blank == expires.npos ? 0 : calendar::monthNumber(expires.substr(0, blank));
    int year = 0;
    if (month == 0 || expires.size() < 4 ||
        !isFourDigitYear(expires.substr(expires.size() - 4), year)) {
        return Expiry::Unreadable;
    }
    if (year < start.yearNumber || (year == start.yearNumber && month <= start.monthNumber)) {
        return Expiry::BeforeStart;
    }
    return Expiry::Ok;
}

void checkContracts(const context::EditingContext& context, const StartDate& start,
                    Report& report) {
    using roster::Field;
    const std::string_view file = roster::kWrestlersFile;
    const auto path = context.pathOf(file);
    const auto unreadable = [&](const platform::Status& status) {
        report.problem(DateFinding::File, file,
                       {"* ", status.message(), " No contract expiry dates can be checked. *"});
    };
    // Read a piece at a time: the expiry date is all it needs of most
    // wrestlers, the name only of those it lists.
    platform::FileWindow bytes;
    if (auto status = bytes.open(path); !status) {
        unreadable(status);
        return;
    }
    const Report::Mark before = report.mark();
    std::size_t listed = 0;
    std::size_t wrestlers = 0;
    roster::RecordWalk walk(bytes, {Field::expires});
    while (walk.next()) {
        ++wrestlers;
        const std::string_view expires = walk.value(0);
        const Expiry expiry = judgeExpiry(expires, start);
        if (expiry == Expiry::Ok) {
            continue;
        }
        const std::string_view name = roster::fieldOf(walk.record(), Field::names);
        switch (expiry) {
        case Expiry::BeforeStart:
            report.problem(DateFinding::ContractExpiry, name,
                           {"* ", name, "'s contract expires before the start date. *"});
            ++listed;
            break;
        case Expiry::Unreadable:
            report.problem(DateFinding::UnreadableExpiry, name,
                           {"* ", name, "'s contract expiry date \"", expires,
                            "\" is not a month name followed by a four-digit year. *"});
            ++listed;
            break;
        case Expiry::Ok:
            break;
        }
    }
    if (!walk.status()) {
        // As when the file cannot be opened: nothing of it is reported.
        report.rollBack(before);
        unreadable(walk.status());
        return;
    }
    if (bytes.bytesRead() == 0) {
        report.line(kNoWrestlers);
        return;
    }
    const bool tooMany = wrestlers > roster::kMaxWrestlers;
    if (tooMany) {
        report.problem(DateFinding::File, file,
                       {"* The file ", quoted(path), " holds ", std::to_string(wrestlers),
                        " wrestlers, more than the ", std::to_string(roster::kMaxWrestlers),
                        " that the game can use. *"});
    }
    const std::string& damage = walk.damage();
    if (!damage.empty()) {
        report.problem(
            DateFinding::File, file,
            {"* The file ", quoted(path), " cannot be checked to its end: ", damage, " *"});
    }
    if (listed > 0) {
        report.line({});
        report.line(kExpiryAdvice);
    } else if (damage.empty() && !tooMany) {
        report.line(kExpiriesOk);
    }
}

// `promotions` are the files read already, or null to read them here.
void checkBigShows(const context::EditingContext& context, const StartDate& start,
                   const std::vector<PromotionBytes>* promotions, Report& report) {
    namespace line = promotion::line;
    if (!context.isEnabled(context::MenuButton::Promotions)) {
        report.text(kLineEnd);
        report.text(kSavedGameNote);
        return;
    }
    bool anyProblem = false;
    const auto folder = context.pathOf();
    std::vector<std::string> listed;
    if (!promotions) {
        listed = platform::listFiles(folder, promotion::kPromotionPattern);
    }
    const std::size_t count = promotions ? promotions->size() : listed.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& name = promotions ? (*promotions)[i].name : listed[i];
        const auto path = folder / name;
        std::string read;
        std::string_view bytes;
        platform::Status status = platform::Status::success();
        if (promotions && (*promotions)[i].status) {
            // What reading the first lines alone would have given.
            bytes = std::string_view((*promotions)[i].bytes).substr(0, platform::kFirstBytesLimit);
        } else {
            status = platform::readFirstBytes(path, line::dateofshow + 1, read);
            bytes = read;
        }
        std::string problem;
        DateFinding kind = DateFinding::File;
        std::string_view show;
        if (!status) {
            problem = "* " + status.message() + " *";
        } else if (!platform::lineAt(bytes, line::nameofbigshow, show)) {
            problem = "* The promotion file " + name + " has only " +
                      countOf(platform::lineCount(bytes), "line") +
                      ", too few to hold a Next Big Show. *";
        } else if (show == "None") {
            continue;
        } else {
            std::string_view date;
            platform::lineAt(bytes, line::dateofshow, date);
            if (calendar::inNextBigShowWindow(start.weekday, start.day, start.month, start.year,
                                              date)) {
                continue;
            }
            kind = DateFinding::NextBigShow;
            problem = "* There is a problem with the date of the Next Big Show in the promotion "
                      "file " +
                      name + ". *";
        }
        report.line({});
        report.problem(kind, name, {problem});
        anyProblem = true;
    }
    report.text(kLineEnd);
    report.text(anyProblem ? kBigShowAdvice : kBigShowsOk);
}

DateCheck runDateCheck(const context::EditingContext& context,
                       const std::vector<PromotionBytes>* promotions) {
    DateCheck check;
    Report report(check);
    StartDate start;
    if (const std::string why = readStartDate(context, start); !why.empty()) {
        report.problem(DateFinding::File, context::maindata::kFileName,
                       {"* ", why, " No dates can be checked without the start date. *"});
        return check;
    }
    checkContracts(context, start, report);
    checkBigShows(context, start, promotions, report);
    return check;
}

} // namespace

DateCheck checkDates(const context::EditingContext& context) {
    return runDateCheck(context, nullptr);
}

DateCheck checkDates(const context::EditingContext& context,
                     const std::vector<PromotionBytes>& promotions) {
    return runDateCheck(context, &promotions);
}

std::vector<PromotionBytes> readPromotionFiles(const context::EditingContext& context) {
    const auto folder = context.pathOf();
    std::vector<PromotionBytes> files;
    for (auto& name : platform::listFiles(folder, promotion::kPromotionPattern)) {
        PromotionBytes file;
        file.status = platform::readFileBytes(folder / name, file.bytes);
        file.name = std::move(name);
        files.push_back(std::move(file));
    }
    return files;
}

} // namespace bm::checks
