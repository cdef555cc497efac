#pragma once

#include "core/context/editing_context.h"
#include "core/ui/choice.h"
#include "core/ui/dialogs.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"
#include "core/venues/venue_layout.h"
#include "core/venues/venue_list.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bm::venues {

inline constexpr std::string_view kVenuesHeading = "Editing Venues";
inline constexpr std::string_view kTotalShowingCaption = "Total Showing";
inline constexpr std::string_view kCountryCaption = "Country";

inline constexpr std::string_view kNoVenueSelected = "No venue selected!";
inline constexpr std::string_view kNoVenueToDelete = "No venue has been selected!";
inline constexpr std::string_view kDuplicateVenue =
    "There is already a venue in this file with this name.";
inline constexpr std::string_view kChangesSaved = "Changes Saved OK.";
inline constexpr std::string_view kDeleteCancelled = "Delete cancelled.";

// "Are you sure you want to delete the venue ''NAME''?"
std::string deleteQuestion(std::string_view name);

// The filter buttons, in the order they stand; `All` is "Show All".
enum class VenueFilter { All, USA, UK, Japan, Other };
inline constexpr std::array<std::string_view, 5> kFilterCaptions{
    "Show All", "USA Only", "UK Only", "Japan Only", "Other Only",
};

enum class VenueButton { AddNew, Delete, Edit, ConfirmChanges, CancelChanges, BackToMenu };
inline constexpr std::array<std::string_view, 6> kVenueButtonCaptions{
    "Add New", "Delete", "Edit", "Confirm Changes", "Cancel Changes", "Back To Menu",
};

// The fields edited through a text prompt; the country has its own list.
enum class VenueField { venuename, citystate, cityname, capacity, exclusiveto };

struct VenuePrompt {
    VenueField field;
    std::size_t line;
    std::string_view caption;
    std::string_view title;
    std::string_view message;
};
inline constexpr std::array<VenuePrompt, 5> kVenuePrompts{{
    {VenueField::venuename, line::venuename, "Venue Name", "Venue Name",
     "Please enter the name of this venue."},
    {VenueField::citystate, line::citystate, "City & State", "City & State",
     "Please enter the city and state where this venue is located."},
    {VenueField::cityname, line::cityname, "City Only", "City Name",
     "Please enter just the city name where this venue is located."},
    {VenueField::capacity, line::capacity, "Capacity", "Capacity",
     "Please enter the capacity of this venue."},
    {VenueField::exclusiveto, line::exclusiveto, "Exclusive To", "Venue Exclusive To Promotion?",
     "Please enter the initials of a promotion this venue is exclusive to, or enter 'None'."},
}};
const VenuePrompt& venuePrompt(VenueField field);

// The venues of the context, one at a time beside the sorted list of their
// names. It holds the file's lines while open and rewrites the whole file
// whenever a change is confirmed, a venue added or one deleted.
class VenueEditor : public ui::Model {
public:
    VenueEditor(ui::Dialogs& dialogs, ui::Navigator& navigator,
                const context::EditingContext& context);

    // "Edit The Venues" on the editing menu. A file that cannot be read is
    // refused with a message naming it, and the menu stays.
    void open();

    // What the user can do. Each does nothing in the mode where its control
    // is disabled.
    void filter(VenueFilter filter);
    void selectName(int row);
    void edit();
    void editField(VenueField field);
    void chooseCountry(int index);
    void confirmChanges();
    void cancelChanges();
    void addNew();
    void deleteVenue();
    void backToMenu();

    // Shown state.
    VenueFilter marked() const { return marked_; } // the filter with the yellow face
    const std::vector<std::string>& names() const { return names_; }
    int selectedRow() const { return selectedRow_; } // -1: no row highlighted
    std::string totalShowing() const { return std::to_string(names_.size()); }
    const std::string& shown(VenueField field) const;
    const ui::Choice& country() const { return country_; }
    bool editing() const { return editing_; }
    bool isEnabled(VenueButton button) const;
    // Filter buttons and the name list respond in browse mode; the country
    // list and the field values in edit mode.
    bool browsing() const { return !editing_; }
    bool hasSelection() const { return !storedName_.empty(); }
    // Edits not yet confirmed, named for the question before the editor
    // closes; "" when there are none.
    std::string unsavedWork() const;

private:
    std::string& field(VenueField f) { return fields_[static_cast<std::size_t>(f)]; }
    VenueRecord shownRecord() const;
    void buildList();
    void applyFilter(VenueFilter filter);
    void showRecord(std::size_t index);
    void showNothing();
    void highlight(std::string_view name);
    // True when the file now holds `updated`; else the user has been told.
    bool write(const VenueList& updated);

    ui::Dialogs& dialogs_;
    ui::Navigator& navigator_;
    const context::EditingContext& context_;

    VenueList venues_;
    VenueFilter marked_ = VenueFilter::All;
    std::vector<std::string> names_;
    int selectedRow_ = -1;
    // The selected venue's name as it was when selected: the key of its
    // record. Empty while no venue is shown.
    std::string storedName_;
    std::array<std::string, kVenuePrompts.size()> fields_;
    ui::Choice country_{kCountries};
    bool editing_ = false;
};

} // namespace bm::venues
