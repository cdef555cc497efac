#include "core/roster/roster_screen.h"

#include "core/context/main_data.h"
#include "core/platform/line_file.h"
#include "core/platform/paths.h"
#include "core/roster/column_sort.h"
#include "core/roster/stat_editor.h"
#include "core/text/case.h"
#include "core/text/pattern.h"

namespace bm::roster {
namespace {

static_assert(kMaxWrestlers == 32767, "kRosterFull names the limit");

} // namespace

RosterScreen::RosterScreen(ui::Dialogs& dialogs, ui::Navigator& navigator,
                           context::EditingContext& context)
    : dialogs_(dialogs), navigator_(navigator), context_(context) {}

std::filesystem::path RosterScreen::filePath() const {
    return context_.pathOf(kWrestlersFile);
}

void RosterScreen::open() {
    const auto path = filePath();
    Roster loaded;
    platform::Status status = platform::Status::success();
    {
        const auto busy = dialogs_.busy();
        if (!platform::fileExists(path)) {
            // A context without wrestlers yet starts with an empty file.
            status = platform::writeFileAtomic(path, "");
        }
        if (status) {
            status = loadRoster(path, loaded);
        }
    }
    if (!status) {
        dialogs_.message(status.message(), ui::Icon::Critical);
        return;
    }
    roster_ = std::move(loaded);
    loaded_ = true;
    madechanges_ = false;
    rowno_ = 0;
    searchText_.clear();
    totalnum_ = std::to_string(roster_.size());
    // Every wrestler by name, whatever the last visit chose.
    list(ShowWhich::All);
    rowsReady(0);
    changed();
    navigator_.go(ui::Screen::Roster);
}

std::string_view RosterScreen::cell(int row, int column) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    // A row may outlive its wrestler for a moment: a deletion is announced
    // before the list is refilled.
    const auto entry = static_cast<std::size_t>(rows_[static_cast<std::size_t>(row)]);
    if (entry >= roster_.size()) {
        return {};
    }
    const WrestlerRecord& record = roster_[entry];
    switch (column) {
    case kNameColumn:
        return record.names();
    case kPromotionColumn:
        return record.promotion();
    default:
        return {};
    }
}

void RosterScreen::clickCell(int row, int column) {
    if (column != kNameColumn || cell(row, column).empty()) {
        return;
    }
    // Opening counts as a change, edited or not.
    madechanges_ = true;
    rowno_ = row;
    openEntry(static_cast<std::size_t>(rows_[static_cast<std::size_t>(row)]));
}

void RosterScreen::createNewWrestler() {
    if (!loaded_) {
        return;
    }
    if (roster_.full()) {
        dialogs_.message(kRosterFull, ui::Icon::Exclamation);
        return;
    }
    // The new contract runs from the start year; without one nothing is made.
    std::string year;
    if (auto status = readStartYear(context_.pathOf(context::maindata::kFileName), year); !status) {
        dialogs_.message(status.message() + "\r\n\r\nNo wrestler was created.",
                         ui::Icon::Exclamation);
        return;
    }
    madechanges_ = true;
    rowno_ = 0;
    roster_.append(newWrestler(generatedName(roster_), year));
    totalnum_ = std::to_string(roster_.size());
    changed();
    openEntry(roster_.size() - 1);
}

void RosterScreen::openEntry(std::size_t entry) {
    if (editor_) {
        editor_->open(entry);
    }
}

void RosterScreen::saveChanges() {
    save();
}

bool RosterScreen::save() {
    if (!loaded_) {
        return false;
    }
    platform::Status status = platform::Status::success();
    {
        const auto busy = dialogs_.busy();
        status = saveRoster(filePath(), roster_);
    }
    if (!status) {
        // Nothing was saved: the changes stay unsaved and in memory.
        dialogs_.message(status.message(), ui::Icon::Critical);
        return false;
    }
    madechanges_ = false;
    changed();
    dialogs_.message(kRosterSaved);
    return true;
}

void RosterScreen::done() {
    // A save that failed keeps the user here, so the changes are not lost
    // to the next visit's reload.
    if (madechanges_ && dialogs_.askYesNo(kSaveBeforeLeaving) && !save()) {
        return;
    }
    madechanges_ = false;
    changed();
    navigator_.go(ui::Screen::EditingMenu);
}

void RosterScreen::sortByName() {
    sortbutton_ = SortBy::Name;
    sortRows(SortBy::Name);
    rowsReady(0);
}

void RosterScreen::sortByPromotion() {
    sortbutton_ = SortBy::Promotion;
    sortRows(SortBy::Promotion);
    rowsReady(0);
}

void RosterScreen::showAll() {
    showbutton_ = ShowWhich::All;
    searchText_.clear();
    list(ShowWhich::All);
    rowsReady(0);
    changed();
}

void RosterScreen::showInjured() {
    showbutton_ = ShowWhich::Injured;
    searchText_.clear();
    list(ShowWhich::Injured);
    rowsReady(0);
    changed();
}

void RosterScreen::typeSearch(std::string_view text) {
    searchText_ = ui::oneLine(text);
    changed();
}

void RosterScreen::search() {
    if (!loaded_) {
        return;
    }
    if (searchText_.empty()) {
        dialogs_.message(kNoSearchText, ui::Icon::Information);
        return;
    }
    // Case-blind: the name and the pattern both in lower case. A pattern
    // that is not whole (a "[" never closed) finds nothing.
    const std::string pattern = "*" + text::lowerCase(searchText_) + "*";
    std::string name;
    rows_.clear();
    for (std::size_t i = 0; i < roster_.size(); ++i) {
        name.assign(roster_[i].names());
        for (char& c : name) {
            c = text::lowerCase(c);
        }
        if (text::matchesPattern(name, pattern)) {
            rows_.push_back(static_cast<int>(i));
        }
    }
    sortRows(SortBy::Name);
    rowsReady(0);
    if (rows_.empty()) {
        dialogs_.message(kNoSearchResults, ui::Icon::Information);
    }
}

void RosterScreen::returnFromEditor() {
    list(showbutton_);
    if (sortbutton_ == SortBy::Promotion) {
        sortRows(SortBy::Promotion);
    }
    totalnum_ = std::to_string(roster_.size());
    rowsReady(rowno_ < rowCount() ? rowno_ : 0);
    changed();
    navigator_.go(ui::Screen::Roster);
}

void RosterScreen::rosterChanged(bool relist) {
    madechanges_ = true;
    totalnum_ = std::to_string(roster_.size());
    if (relist) {
        showAll();
    } else {
        changed();
    }
}

void RosterScreen::list(ShowWhich which) {
    rows_.clear();
    rows_.reserve(roster_.size());
    for (std::size_t i = 0; i < roster_.size(); ++i) {
        if (which == ShowWhich::All || roster_[i].injury() != "0") {
            rows_.push_back(static_cast<int>(i));
        }
    }
    sortRows(SortBy::Name);
}

void RosterScreen::sortRows(SortBy by) {
    if (by == SortBy::Name) {
        roster::sortRows(
            rows_, [this](int entry) { return roster_[static_cast<std::size_t>(entry)].names(); });
    } else {
        // The rows are always in name order, or already grouped from it, so
        // grouping keeps the names in order within each promotion.
        groupRows(rows_, [this](int entry) {
            return roster_[static_cast<std::size_t>(entry)].promotion();
        });
    }
}

void RosterScreen::rowsReady(int top) {
    topRow_ = top;
    rowsChanged_.emit(top);
}

} // namespace bm::roster
