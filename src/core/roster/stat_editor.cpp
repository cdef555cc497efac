#include "core/roster/stat_editor.h"

#include "core/calendar/calendar.h"
#include "core/context/main_data.h"
#include "core/text/numbers.h"

#include <algorithm>

namespace bm::roster {

// Row r of the grid edits field r.
static_assert([] {
    for (std::size_t i = 0; i < kStats.size(); ++i) {
        if (indexOf(kStats[i].field) != i) {
            return false;
        }
    }
    return true;
}());

namespace {

// Stored forms of the two stats shown by name.
constexpr std::array<std::string_view, 3> kRolesStored{"1", "2", "3"};
constexpr std::array<std::string_view, 3> kFinishertypeStored{"p", "s", "t"};

template <std::size_t N>
int find(const std::array<std::string_view, N>& entries, std::string_view text) {
    const auto it = std::find(entries.begin(), entries.end(), text);
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

bool oneOf(std::span<const std::string_view> entries, std::string_view text) {
    return std::find(entries.begin(), entries.end(), text) != entries.end();
}

bool startsWithMonth(std::string_view text) {
    for (const auto month : calendar::kMonthNames) {
        if (text.size() > month.size() && text.substr(0, month.size()) == month &&
            text[month.size()] == ' ') {
            return true;
        }
    }
    return false;
}

// The typed words for "nobody" that the game knows only as "no".
std::string_view noneAsNo(std::string_view text) {
    return text == "No" || text == "None" || text == "none" ? "no" : text;
}

} // namespace

StatEditor::StatEditor(ui::Dialogs& dialogs, ui::Navigator& navigator,
                       context::EditingContext& context, RosterScreen& rosterScreen)
    : dialogs_(dialogs), navigator_(navigator), context_(context), rosterScreen_(rosterScreen),
      roster_(rosterScreen.roster()) {}

std::string_view StatEditor::caption(int row) {
    return row >= 0 && row < rowCount() ? kStats[static_cast<std::size_t>(row)].caption : "";
}

bool StatEditor::isOpen() const {
    return entry_ < roster_.size();
}

WrestlerRecord& StatEditor::record() {
    return roster_[entry_];
}

const WrestlerRecord& StatEditor::record() const {
    return roster_[entry_];
}

std::string_view StatEditor::value(int row) const {
    if (!isOpen() || row < 0 || row >= rowCount()) {
        return {};
    }
    const Field field = kStats[static_cast<std::size_t>(row)].field;
    const std::string_view stored = record().get(field);
    if (field == Field::roles) {
        // A role outside 1 to 3 has no name: the cell is empty.
        const int i = find(kRolesStored, stored);
        return i < 0 ? std::string_view() : kRolesChoices[static_cast<std::size_t>(i)];
    }
    if (field == Field::finishertype) {
        const int i = find(kFinishertypeStored, stored);
        return i < 0 ? stored : kFinishertypeChoices[static_cast<std::size_t>(i)];
    }
    return stored;
}

std::optional<Input> StatEditor::input() const {
    if (!editing()) {
        return std::nullopt;
    }
    return kStats[static_cast<std::size_t>(editingRow_)].input;
}

std::span<const std::string_view> StatEditor::choices() const {
    return editing() ? kStats[static_cast<std::size_t>(editingRow_)].choices
                     : std::span<const std::string_view>();
}

void StatEditor::open(std::size_t entry) {
    entry_ = entry;
    if (!isOpen()) {
        return;
    }
    heading_ = std::string(record().names());
    idle();
    changed();
    navigator_.go(ui::Screen::StatEditor);
}

void StatEditor::clickCell(int row, int column) {
    if (column != 1 || row < 0 || row >= rowCount() || editing() || !isOpen()) {
        return;
    }
    startEdit(row);
}

void StatEditor::startEdit(int row) {
    const Stat& stat = kStats[static_cast<std::size_t>(row)];
    const std::string cell(value(row));
    editingRow_ = row;
    textBox_.clear();
    choiceText_.clear();
    switch (stat.input) {
    case Input::Text:
        textBox_ = cell;
        break;
    case Input::Choice:
        choiceText_ = cell;
        break;
    case Input::Scroll:
        // A value the bar cannot show (hand-edited) stays in the label as it
        // is, so applying without moving the bar keeps it; the bar starts at
        // the nearest place it can show.
        scrollValue_ = cell == kInjured && stat.field == Field::cond
                           ? 1
                           : std::clamp(text::wholeNumber(cell), kScrollMin, kScrollMax);
        numberLabel_ = cell;
        break;
    }
    editingCaption_ = std::string(stat.editingCaption);
    help_ = stat.field == Field::expires ? expiryHelp() : std::string(stat.help);
    changed();
}

std::string StatEditor::expiryHelp() {
    std::string year;
    if (auto status = readStartYear(context_.pathOf(context::maindata::kFileName), year); status) {
        context_.startYear = year;
    } else {
        // The edit goes on; the help names whatever year was read last.
        dialogs_.message(status.message(), ui::Icon::Exclamation);
    }
    return std::string(kExpiryHelpBefore) + context_.startYear + std::string(kExpiryHelpAfter);
}

void StatEditor::typeText(std::string_view text) {
    if (editing()) {
        textBox_ = ui::oneLine(text);
        changed();
    }
}

void StatEditor::typeChoice(std::string_view text) {
    if (editing()) {
        choiceText_ = ui::oneLine(text);
        changed();
    }
}

void StatEditor::moveScroll(int value) {
    if (!editing() || input() != Input::Scroll) {
        return;
    }
    scrollValue_ = std::clamp(value, kScrollMin, kScrollMax);
    numberLabel_ =
        scrollValue_ == 0 && editingCaption_ == kStats[indexOf(Field::cond)].editingCaption
            ? std::string(kInjured)
            : std::to_string(scrollValue_);
    changed();
}

std::vector<std::string_view> StatEditor::problems(Field field, std::string_view value) const {
    std::vector<std::string_view> found;
    auto blank = [&](std::string_view message) {
        if (value.empty()) {
            found.push_back(message);
        }
    };
    auto notOneOf = [&](std::span<const std::string_view> entries, std::string_view message) {
        if (!oneOf(entries, value)) {
            found.push_back(message);
        }
    };
    // Every entry counts, this wrestler's own too: an unchanged name is refused.
    auto inUse = [&](Field column) {
        for (const auto& other : roster_) {
            if (other.get(column) == value) {
                found.push_back(kNameInUse);
            }
        }
    };
    switch (field) {
    case Field::names:
        blank(kFullNameBlank);
        inUse(Field::names);
        break;
    case Field::shortname:
        blank(kShortNameBlank);
        inUse(Field::shortname);
        break;
    case Field::promotion:
        blank(kPromotionBlank);
        break;
    case Field::brand:
        notOneOf(kBrandChoices, kBrandInvalid);
        break;
    case Field::gender:
        notOneOf(kGenderChoices, kGenderInvalid);
        break;
    case Field::desc:
        blank(kDescriptionBlank);
        break;
    case Field::expires:
        if (value.empty()) {
            found.push_back(kExpiryBlank);
        } else if (!startsWithMonth(value)) {
            found.push_back(kExpiryForm);
        }
        break;
    case Field::wages:
        blank(kWagesBlank);
        break;
    case Field::indybookings:
        notOneOf(kIndybookingsChoices, kIndyInvalid);
        break;
    case Field::bookingfee:
        blank(kBookingFeeBlank);
        break;
    case Field::multiproms:
        blank(kRegularPromotionsBlank);
        break;
    case Field::roles:
        notOneOf(kRolesChoices, kRoleInvalid);
        break;
    case Field::faceheel:
        notOneOf(kFaceheelChoices, kDispositionInvalid);
        break;
    case Field::finisher:
        blank(kFinisherBlank);
        if (value.starts_with("The ")) {
            found.push_back(kFinisherThe);
        }
        break;
    case Field::finishertype:
        notOneOf(kFinishertypeChoices, kFinisherTypeInvalid);
        break;
    case Field::tagteam:
        blank(kTagTeamBlank);
        break;
    case Field::stable:
        blank(kStableBlank);
        break;
    case Field::injury:
        blank(kInjuryTimeBlank);
        break;
    case Field::cond:
        if (value == kInjured && record().injury() == "0") {
            found.push_back(kConditionInjured);
        }
        break;
    case Field::manager:
        blank(kValetBlank);
        break;
    case Field::ringstyle:
        notOneOf(kRingstyleChoices, kRingStyleInvalid);
        break;
    case Field::weight:
        notOneOf(kWeightChoices, kWeightInvalid);
        break;
    case Field::basecountry:
        notOneOf(kBasecountryChoices, kBaseCountryInvalid);
        break;
    case Field::pop:
    case Field::ent:
    case Field::status:
    case Field::morale:
    case Field::retire:
    case Field::micskills:
    case Field::hardcore:
    case Field::charisma:
        break;
    }
    return found;
}

void StatEditor::apply() {
    if (!editing() || !isOpen()) {
        return;
    }
    const Stat& stat = kStats[static_cast<std::size_t>(editingRow_)];
    const std::string& typed = stat.input == Input::Text     ? textBox_
                               : stat.input == Input::Choice ? choiceText_
                                                             : numberLabel_;
    const auto failed = problems(stat.field, typed);
    for (const auto message : failed) {
        dialogs_.message(message);
    }
    if (!failed.empty()) {
        return;
    }
    std::string_view stored = typed;
    switch (stat.field) {
    case Field::multiproms:
        stored = typed == "none" ? "None" : stored;
        break;
    case Field::tagteam:
    case Field::stable:
    case Field::manager:
        stored = noneAsNo(typed);
        break;
    case Field::roles:
        stored = kRolesStored[static_cast<std::size_t>(find(kRolesChoices, typed))];
        break;
    case Field::finishertype:
        stored = kFinishertypeStored[static_cast<std::size_t>(find(kFinishertypeChoices, typed))];
        break;
    default:
        break;
    }
    record().set(stat.field, stored);
    if (stat.field == Field::names) {
        heading_ = std::string(stored);
    }
    idle();
    changed();
}

void StatEditor::cancel() {
    if (editing()) {
        idle();
        changed();
    }
}

void StatEditor::close() {
    if (!editing()) {
        rosterScreen_.returnFromEditor();
    }
}

void StatEditor::deleteWrestler() {
    if (editing() || !isOpen()) {
        return;
    }
    if (!dialogs_.askYesNo(kDeleteQuestion, ui::Icon::None, ui::kProgramTitle, ui::Default::No)) {
        dialogs_.message(kDeleteCancelled);
        return;
    }
    // The entry being edited, which bears the heading's name.
    roster_.erase(entry_);
    entry_ = kNoEntry;
    dialogs_.message(kWrestlerDeleted);
    rosterScreen_.returnFromEditor();
}

void StatEditor::idle() {
    editingRow_ = -1;
    textBox_.clear();
    choiceText_.clear();
    numberLabel_.clear();
    scrollValue_ = 0;
    editingCaption_ = std::string(kIdleCaption);
    help_.clear();
}

} // namespace bm::roster
