#include "core/venues/venue_editor.h"

#include "core/platform/paths.h"
#include "core/text/numbers.h"

#include <algorithm>

namespace bm::venues {

// venuePrompt() finds a field's prompt by its position.
static_assert([] {
    for (std::size_t i = 0; i < kVenuePrompts.size(); ++i) {
        if (static_cast<std::size_t>(kVenuePrompts[i].field) != i) {
            return false;
        }
    }
    return true;
}());
static_assert(kCountries[3] == kOtherCountry);
static_assert(kFilterCaptions.size() == kCountries.size() + 1);

namespace {

// The list entry a stored country shows as: its own, or "Other".
int countryIndex(std::string_view country) {
    const auto it = std::find(kCountries.begin(), kCountries.end(), country);
    const auto found = it == kCountries.end()
                           ? std::find(kCountries.begin(), kCountries.end(), kOtherCountry)
                           : it;
    return static_cast<int>(found - kCountries.begin());
}

std::optional<std::string_view> countryOf(VenueFilter filter) {
    if (filter == VenueFilter::All) {
        return std::nullopt;
    }
    return kCountries[static_cast<std::size_t>(filter) - 1];
}

VenueFilter filterOf(std::string_view country) {
    return static_cast<VenueFilter>(countryIndex(country) + 1);
}

} // namespace

const VenuePrompt& venuePrompt(VenueField field) {
    return kVenuePrompts[static_cast<std::size_t>(field)];
}

std::string deleteQuestion(std::string_view name) {
    return "Are you sure you want to delete the venue ''" + std::string(name) + "''?";
}

VenueEditor::VenueEditor(ui::Dialogs& dialogs, ui::Navigator& navigator,
                         const context::EditingContext& context)
    : dialogs_(dialogs), navigator_(navigator), context_(context) {
    country_.select(countryIndex(kOtherCountry));
}

const std::string& VenueEditor::shown(VenueField f) const {
    return fields_[static_cast<std::size_t>(f)];
}

bool VenueEditor::isEnabled(VenueButton button) const {
    const bool editButton =
        button == VenueButton::ConfirmChanges || button == VenueButton::CancelChanges;
    return editButton == editing_;
}

std::string VenueEditor::unsavedWork() const {
    if (!editing_) {
        return {};
    }
    if (const auto index = venues_.find(storedName_)) {
        // Compared as shown: a country outside the list shows as "Other".
        VenueRecord stored = venues_.record(*index);
        stored[line::country] =
            kCountries[static_cast<std::size_t>(countryIndex(stored[line::country]))];
        if (stored == shownRecord()) {
            return {};
        }
    }
    return "the changes to the venue \"" + storedName_ + "\", not yet confirmed in " +
           context_.folder() + std::string(kFileName);
}

void VenueEditor::open() {
    const auto path = context_.pathOf(kFileName);
    platform::Lines lines;
    if (!platform::fileExists(path)) {
        // Nothing to lose: the list starts empty and adding a venue makes the file.
        dialogs_.message("The file \"" + path.string() +
                             "\" does not exist yet. It will be made when you add a venue.",
                         ui::Icon::Information);
    } else if (auto status = platform::readLines(path, lines); !status) {
        dialogs_.message(status.message() + "\r\n\r\nThe venues cannot be edited.",
                         ui::Icon::Exclamation);
        return;
    }
    venues_ = VenueList(std::move(lines));
    editing_ = false;
    marked_ = VenueFilter::All;
    buildList();
    if (venues_.count() == 0) {
        showNothing();
    } else {
        showRecord(0);
        highlight(storedName_);
    }
    changed();
    navigator_.go(ui::Screen::Venues);
}

void VenueEditor::filter(VenueFilter f) {
    if (editing_) {
        return;
    }
    applyFilter(f);
    changed();
}

void VenueEditor::selectName(int row) {
    if (editing_ || row < 0 || row >= static_cast<int>(names_.size())) {
        return;
    }
    if (const auto index = venues_.find(names_[static_cast<std::size_t>(row)])) {
        showRecord(*index);
        selectedRow_ = row;
        changed();
    }
}

void VenueEditor::edit() {
    if (editing_) {
        return;
    }
    if (!hasSelection()) {
        dialogs_.message(kNoVenueSelected);
        return;
    }
    editing_ = true;
    changed();
}

void VenueEditor::editField(VenueField f) {
    if (!editing_) {
        return;
    }
    const VenuePrompt& p = venuePrompt(f);
    std::string reply = dialogs_.prompt(p.title, p.message, shown(f));
    if (reply.empty()) {
        return;
    }
    if (f == VenueField::venuename && venues_.find(reply)) {
        dialogs_.message(kDuplicateVenue);
        return;
    }
    if (f == VenueField::capacity) {
        const double seats = text::numericValue(reply);
        reply = text::decimalText(seats == 0 ? kDefaultCapacity : seats);
    }
    field(f) = std::move(reply);
    changed();
}

void VenueEditor::chooseCountry(int index) {
    if (editing_ && country_.select(index)) {
        changed();
    }
}

VenueRecord VenueEditor::shownRecord() const {
    VenueRecord values;
    for (const auto& p : kVenuePrompts) {
        values[p.line] = shown(p.field);
    }
    values[line::country] = country_.text();
    return values;
}

void VenueEditor::confirmChanges() {
    if (!editing_) {
        return;
    }
    const auto index = venues_.find(storedName_);
    if (!index) {
        cancelChanges();
        return;
    }
    const std::string oldCountry = venues_.field(*index, line::country);
    const VenueRecord values = shownRecord();
    VenueList updated = venues_;
    updated.replace(*index, values);
    if (!write(updated)) {
        return; // still editing, so the user can try again or cancel
    }
    venues_ = std::move(updated);
    editing_ = false;
    const std::string& newName = values[line::venuename];
    if (newName != storedName_) {
        // Renamed where it stands; the list is sorted when next built.
        const bool atRow =
            selectedRow_ >= 0 && names_[static_cast<std::size_t>(selectedRow_)] == storedName_;
        const auto it = atRow ? names_.begin() + selectedRow_
                              : std::find(names_.begin(), names_.end(), storedName_);
        if (it != names_.end()) {
            *it = newName;
        }
        storedName_ = newName;
    }
    if (values[line::country] != oldCountry && marked_ != VenueFilter::All) {
        marked_ = filterOf(values[line::country]);
        buildList();
        highlight(storedName_);
    }
    changed();
    dialogs_.message(kChangesSaved);
}

void VenueEditor::cancelChanges() {
    if (!editing_) {
        return;
    }
    editing_ = false;
    if (const auto index = venues_.find(storedName_)) {
        showRecord(*index);
    } else {
        showNothing();
    }
    changed();
}

void VenueEditor::addNew() {
    if (editing_) {
        return;
    }
    VenueRecord values;
    std::copy(kNewVenue.begin(), kNewVenue.end(), values.begin());
    values[line::venuename] = venues_.freeDefaultName();
    VenueList updated = venues_;
    updated.append(values);
    // Written at once: the new venue stays even if its edit is cancelled.
    if (!write(updated)) {
        return;
    }
    venues_ = std::move(updated);
    applyFilter(VenueFilter::All);
    if (const auto index = venues_.find(values[line::venuename])) {
        showRecord(*index);
        highlight(storedName_);
        editing_ = true;
    }
    changed();
}

void VenueEditor::deleteVenue() {
    if (editing_) {
        return;
    }
    if (!hasSelection()) {
        dialogs_.message(kNoVenueToDelete);
        return;
    }
    if (!dialogs_.askYesNo(deleteQuestion(storedName_), ui::Icon::None, ui::kProgramTitle,
                           ui::Default::No)) {
        dialogs_.message(kDeleteCancelled);
        return;
    }
    const auto index = venues_.find(storedName_);
    if (!index) {
        return;
    }
    VenueList updated = venues_;
    updated.remove(*index);
    if (!write(updated)) {
        return;
    }
    venues_ = std::move(updated);
    applyFilter(marked_);
    changed();
}

void VenueEditor::backToMenu() {
    if (!editing_) {
        navigator_.go(ui::Screen::EditingMenu);
    }
}

void VenueEditor::buildList() {
    names_ = venues_.names(countryOf(marked_));
    sortNames(names_);
    selectedRow_ = -1;
}

void VenueEditor::applyFilter(VenueFilter f) {
    marked_ = f;
    buildList();
    if (names_.empty()) {
        showNothing();
        return;
    }
    if (const auto index = venues_.find(names_.front())) {
        showRecord(*index);
        selectedRow_ = 0;
    }
}

void VenueEditor::showRecord(std::size_t index) {
    for (const auto& p : kVenuePrompts) {
        field(p.field) = venues_.field(index, p.line);
    }
    country_.select(countryIndex(venues_.field(index, line::country)));
    storedName_ = venues_.field(index, line::venuename);
}

void VenueEditor::showNothing() {
    fields_.fill({});
    country_.select(countryIndex(kOtherCountry));
    storedName_.clear();
    selectedRow_ = -1;
}

void VenueEditor::highlight(std::string_view name) {
    const auto it = std::find(names_.begin(), names_.end(), name);
    selectedRow_ = it == names_.end() ? -1 : static_cast<int>(it - names_.begin());
}

bool VenueEditor::write(const VenueList& updated) {
    if (auto status = platform::writeLines(context_.pathOf(kFileName), updated.lines()); !status) {
        dialogs_.message(status.message(), ui::Icon::Critical);
        return false;
    }
    return true;
}

} // namespace bm::venues
