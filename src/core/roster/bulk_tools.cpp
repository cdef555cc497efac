#include "core/roster/bulk_tools.h"

#include "core/calendar/calendar.h"
#include "core/context/main_data.h"
#include "core/platform/paths.h"
#include "core/roster/roster_screen.h"
#include "core/text/numbers.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <random>
#include <unordered_map>
#include <vector>

namespace bm::roster {
namespace {

std::string cat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (const auto part : parts) {
        out += part;
    }
    return out;
}

// Whatever a source gives, the draws stay in range.
double unit(double r) {
    return r >= 0.0 && r < 1.0 ? r : 0.0;
}

// 1..n, uniformly for r uniform in [0, 1).
int draw(const RandomSource& random, int n) {
    return static_cast<int>(n * unit(random()) + 1);
}

} // namespace

RandomSource clockSeededSource() {
    const auto seed =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count() ^
                                   std::chrono::steady_clock::now().time_since_epoch().count());
    auto engine = std::make_shared<std::mt19937_64>(seed);
    // 53 random bits: every double of [0, 1) that the grid allows, never 1.
    return [engine] { return static_cast<double>((*engine)() >> 11) * 0x1.0p-53; };
}

BulkTools::BulkTools(ui::Dialogs& dialogs, context::EditingContext& context, RosterScreen& screen,
                     RandomSource random)
    : dialogs_(dialogs), context_(context), screen_(screen), random_(std::move(random)) {
    if (!random_) {
        random_ = clockSeededSource();
    }
}

void BulkTools::type(Box box, std::string_view text) {
    boxes_[static_cast<std::size_t>(box)] = ui::oneLine(text);
    changed();
}

void BulkTools::clear(std::initializer_list<Box> boxes) {
    for (const Box box : boxes) {
        boxes_[static_cast<std::size_t>(box)].clear();
    }
    changed();
}

void BulkTools::go(ToolRow row) {
    switch (row) {
    case ToolRow::Rename:
        renamePromotion();
        break;
    case ToolRow::Export:
        exportPromotion();
        break;
    case ToolRow::Delete:
        deletePromotion();
        break;
    }
}

bool BulkTools::safeName(std::string_view name, ui::Icon icon, std::string_view title) {
    if (platform::isSafeFileName(name)) {
        return true;
    }
    dialogs_.message(kUnsafeFileName, icon, title);
    return false;
}

void BulkTools::renamePromotion() {
    const std::string from = text(Box::RenameFrom);
    const std::string to = text(Box::RenameTo);
    if (from.empty() || to.empty()) {
        dialogs_.message(kBothBoxes);
        return;
    }
    Roster& roster = screen_.roster();
    for (std::size_t i = 0; i < roster.size(); ++i) {
        if (roster[i].promotion() == from) {
            roster[i].set(Field::promotion, to);
        }
    }
    screen_.rosterChanged(true);
    dialogs_.message(cat({kRenamedBefore, from, kRenamedMiddle, to, kRenamedAfter}));
    clear({Box::RenameFrom, Box::RenameTo});
}

void BulkTools::exportPromotion() {
    const std::string initials = text(Box::ExportPromotion);
    const std::string name = text(Box::ExportFile);
    if (initials.empty() || name.empty()) {
        dialogs_.message(kBothBoxes);
        return;
    }
    if (!name.ends_with(kBm1Extension)) {
        dialogs_.message(kMustEndInBm1);
        return;
    }
    if (!safeName(name, ui::Icon::None, ui::kProgramTitle)) {
        return;
    }
    const auto path = context_.pathOf(name);
    if (platform::fileExists(path)) {
        dialogs_.message(kFileExists);
        return;
    }
    platform::Status status = platform::Status::success();
    {
        const auto busy = dialogs_.busy();
        Roster chosen;
        for (const auto& record : screen_.roster()) {
            if (record.promotion() == initials) {
                chosen.append(record);
            }
        }
        status = saveRoster(path, chosen);
    }
    if (!status) {
        dialogs_.message(status.message(), ui::Icon::Critical);
        return;
    }
    dialogs_.message(cat({kCreatedBefore, name, kCreatedAfter}));
    clear({Box::ExportPromotion, Box::ExportFile});
}

void BulkTools::deletePromotion() {
    const std::string initials = text(Box::DeletePromotion);
    if (initials.empty()) {
        dialogs_.message(kEnterInitials);
        return;
    }
    {
        const auto busy = dialogs_.busy();
        Roster& roster = screen_.roster();
        // One pass that moves the wrestlers kept, rather than closing a gap
        // for every one deleted.
        Roster kept;
        kept.reserve(roster.size());
        for (std::size_t i = 0; i < roster.size(); ++i) {
            if (roster[i].promotion() != initials) {
                kept.append(std::move(roster[i]));
            }
        }
        roster = std::move(kept);
        screen_.rosterChanged(true);
    }
    dialogs_.message(cat({kDeletedBefore, initials, kDeletedAfter}));
    clear({Box::DeletePromotion});
}

void BulkTools::createAutoExpiryDates() {
    if (!dialogs_.askYesNo(kOverwriteExpiry, ui::Icon::None, ui::kProgramTitle, ui::Default::No)) {
        return;
    }
    const auto mainData = context_.pathOf(context::maindata::kFileName);
    std::string year;
    if (auto status = readStartYear(mainData, year); !status) {
        dialogs_.message(status.message() + "\r\n\r\nNo contract expiry date has been changed.",
                         ui::Icon::Exclamation);
        return;
    }
    context_.startYear = year;
    // Years counted from no real start date would damage every contract.
    const double start = text::numericValue(year);
    if (!(start >= calendar::kFirstStartYear && start <= calendar::kLastStartYear)) {
        dialogs_.message(
            cat({"The start year in the file \"", mainData.string(), "\" is \"", year,
                 "\", which is not a year from ", std::to_string(calendar::kFirstStartYear), " to ",
                 std::to_string(calendar::kLastStartYear),
                 ".\r\n\r\nNo contract expiry date has been changed."}),
            ui::Icon::Exclamation);
        return;
    }
    Roster& roster = screen_.roster();
    for (std::size_t i = 0; i < roster.size(); ++i) {
        const int month = draw(random_, 12);
        const int offset = draw(random_, 4);
        roster[i].set(Field::expires, cat({calendar::monthName(month), " ",
                                           std::to_string(text::wholeNumber(start + offset))}));
    }
    // The list shows no dates: it stays as it is.
    screen_.rosterChanged(false);
    dialogs_.message(kExpiryCreated);
}

void BulkTools::exportIntoAnotherFile() {
    const std::string name = dialogs_.prompt(kAddTitle, kAddPrompt, kWrestlersFile);
    if (name.empty()) {
        return;
    }
    if (!name.ends_with(kBm1Extension)) {
        dialogs_.message(kNeedsBm1, ui::Icon::Critical, kFilenameError);
        return;
    }
    if (!safeName(name, ui::Icon::Critical, kFilenameError)) {
        return;
    }
    const auto path = context_.pathOf(name);
    if (!platform::fileExists(path)) {
        dialogs_.message(kNoSuchFile, ui::Icon::Critical, kFilenameError);
        return;
    }
    const Roster& roster = screen_.roster();
    if (roster.empty()) {
        dialogs_.message(kNoWrestlers, ui::Icon::Critical, kNoWrestlersTitle);
        return;
    }
    Roster target;
    platform::Status status = platform::Status::success();
    {
        const auto busy = dialogs_.busy();
        status = loadRoster(path, target);
    }
    if (!status) {
        dialogs_.message(status.message(), ui::Icon::Critical);
        return;
    }

    // Only the file's own wrestlers are looked for, never those added to it
    // here; one overwritten already is not asked about twice.
    std::unordered_map<std::string_view, std::vector<std::size_t>> inFile;
    for (std::size_t j = 0; j < target.size(); ++j) {
        inFile[target[j].names()].push_back(j);
    }
    std::vector<bool> overwritten(target.size(), false);
    std::size_t kept = target.size();
    std::vector<std::size_t> added;
    for (std::size_t i = 0; i < roster.size(); ++i) {
        const WrestlerRecord& ours = roster[i];
        bool found = false;
        bool overwrite = false;
        if (const auto match = inFile.find(ours.names()); match != inFile.end()) {
            for (const std::size_t j : match->second) {
                if (overwritten[j]) {
                    continue;
                }
                found = true;
                const WrestlerRecord& theirs = target[j];
                // Enter keeps the file's version.
                if (dialogs_.askYesNo(
                        cat({ours.names(),
                             " already exists in the roster you're exporting to. Do you want to "
                             "overwrite the ",
                             name, " version:\r\n\r\nDraw Value: ", theirs.pop(),
                             "   Ability: ", theirs.ent(),
                             "\r\n\r\nWith the one you are exporting:\r\n\r\nDraw Value: ",
                             ours.pop(), "   Ability: ", ours.ent(), "\r\n"}),
                        ui::Icon::None, kAlreadyInFileTitle, ui::Default::No)) {
                    overwritten[j] = true;
                    overwrite = true;
                    --kept;
                }
            }
        }
        // Added once, however many of the file's copies it replaces.
        if (!found || overwrite) {
            added.push_back(i);
        }
    }
    if (kept + added.size() > kMaxWrestlers) {
        dialogs_.message(
            cat({"The file \"", path.string(), "\" would then hold ",
                 std::to_string(kept + added.size()), " wrestlers, more than the ",
                 std::to_string(kMaxWrestlers), " the game can use. Nothing has been written."}),
            ui::Icon::Critical);
        return;
    }
    {
        const auto busy = dialogs_.busy();
        Roster merged;
        merged.reserve(kept + added.size());
        for (std::size_t j = 0; j < target.size(); ++j) {
            if (!overwritten[j]) {
                merged.append(std::move(target[j]));
            }
        }
        for (const std::size_t i : added) {
            merged.append(roster[i]);
        }
        status = saveRoster(path, merged);
    }
    if (!status) {
        dialogs_.message(status.message(), ui::Icon::Critical);
        return;
    }
    dialogs_.message(kRosterExported);
}

} // namespace bm::roster
