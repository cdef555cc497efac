#include "core/roster/roster_screen.h"

#include "core/context/main_data.h"
#include "core/platform/line_file.h"
#include "core/platform/paths.h"
#include "core/roster/stat_editor.h"
#include "core/text/case.h"
#include "core/text/pattern.h"

#include <algorithm>
#include <charconv>

namespace bm::roster {
namespace {

static_assert(kMaxWrestlers == 32767, "kRosterFull names the limit");

// A cell that is wholly a number ("12", "-3.5", "1e3", blanks around it)
// sorts by its value.
bool numberIn(std::string_view text, double& value) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan", which are words here.
    if (text.empty() || !(text.front() == '.' || (text.front() >= '0' && text.front() <= '9'))) {
        return false;
    }
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    value = negative ? -value : value;
    return true;
}

struct SortKey {
    bool isNumber;
    double number;
    std::string_view text;
};

SortKey keyOf(std::string_view text) {
    SortKey key{false, 0.0, text};
    key.isNumber = numberIn(text, key.number);
    return key;
}

// Numbers by value before texts; texts with upper and lower case together.
// A total order, whatever the cells hold, so sorting is always defined.
int compareKeys(const SortKey& a, const SortKey& b) {
    if (a.isNumber != b.isNumber) {
        return a.isNumber ? -1 : 1;
    }
    if (a.isNumber && a.number != b.number) {
        return a.number < b.number ? -1 : 1;
    }
    return text::compareCaseBlind(a.text, b.text);
}

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
    const WrestlerRecord& record = roster_[static_cast<std::size_t>(rows_[row])];
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
    struct Row {
        SortKey promotion;
        SortKey name;
        int entry;
    };
    std::vector<Row> keyed;
    keyed.reserve(rows_.size());
    for (const int entry : rows_) {
        const WrestlerRecord& record = roster_[static_cast<std::size_t>(entry)];
        keyed.push_back({by == SortBy::Promotion ? keyOf(record.promotion()) : SortKey{},
                         keyOf(record.names()), entry});
    }
    // Rows that tie on the promotion keep name order; full ties, roster order.
    std::sort(keyed.begin(), keyed.end(), [by](const Row& a, const Row& b) {
        if (by == SortBy::Promotion) {
            if (const int c = compareKeys(a.promotion, b.promotion); c != 0) {
                return c < 0;
            }
        }
        if (const int c = compareKeys(a.name, b.name); c != 0) {
            return c < 0;
        }
        return a.entry < b.entry;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        rows_[i] = keyed[i].entry;
    }
}

void RosterScreen::rowsReady(int top) {
    topRow_ = top;
    rowsChanged_.emit(top);
}

} // namespace bm::roster
