#pragma once

#include "core/context/editing_context.h"
#include "core/roster/roster.h"
#include "core/ui/dialogs.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <string>
#include <string_view>
#include <vector>

namespace bm::roster {

class StatEditor;

inline constexpr std::string_view kRosterHeading =
    "Click on a name to edit or choose an option below";
inline constexpr std::string_view kNameHeader = "Wrestler Name";
inline constexpr std::string_view kPromotionHeader = "Promotion";
// Column widths in twips (1/1440 inch).
inline constexpr int kNameColumnTwips = 5000;
inline constexpr int kPromotionColumnTwips = 1550;
inline constexpr std::string_view kTotalCaption = "Database Total";
inline constexpr std::string_view kSearchCaption = "Search For:";
inline constexpr std::string_view kCreateNewWrestler = "Create New Wrestler";
inline constexpr std::string_view kRosterDone = "Done";
inline constexpr std::string_view kSaveChanges = "Save Changes";
inline constexpr std::string_view kSortName = "Sort: Name";
inline constexpr std::string_view kSortPromotion = "Sort: Promotion";
inline constexpr std::string_view kShowAll = "Show All";
inline constexpr std::string_view kShowInjured = "Show Injured";

inline constexpr std::string_view kNoSearchText = "No text entered for this search.";
inline constexpr std::string_view kNoSearchResults =
    "No results were found which matched your search.";
inline constexpr std::string_view kRosterSaved = "Saved OK.";
inline constexpr std::string_view kSaveBeforeLeaving = "Save changes before leaving?";
inline constexpr std::string_view kRosterFull =
    "The roster already holds 32767 wrestlers, the most the game can use. Delete a wrestler "
    "before you create a new one.";

enum class SortBy { Name, Promotion }; // the last sort the user chose
enum class ShowWhich { All, Injured }; // which wrestlers the list holds
inline constexpr int kNameColumn = 0;
inline constexpr int kPromotionColumn = 1;

// The wrestlers of the context as a sortable, searchable two-column list.
// It owns the roster: the stat editor changes it in place, and only "Save
// Changes" writes it to the wrestlers file.
//
// A grid view draws rows() through cell(); it rebuilds itself whenever
// rowsChanged() fires (with the row to show at the top) and redraws the
// rest on changed().
class RosterScreen : public ui::Model {
public:
    RosterScreen(ui::Dialogs& dialogs, ui::Navigator& navigator, context::EditingContext& context);

    // The editor that opens a wrestler; set once when the program is built.
    void attach(StatEditor& editor) { editor_ = &editor; }

    // The editing menu's "Edit The Wrestlers File": reads the file afresh (a
    // missing one is created empty) and shows every wrestler by name. A file
    // that cannot be read is reported and the menu stays.
    void open();

    // What the user can do.
    void clickCell(int row, int column);
    void createNewWrestler();
    void saveChanges();
    void done();
    void sortByName();
    void sortByPromotion();
    void showAll();
    void showInjured();
    void typeSearch(std::string_view text);
    void search(); // Enter in the search box

    // The stat editor's way back: the list as the roster now is.
    void returnFromEditor();
    // The bulk tools changed the roster in place, so the file is behind it.
    // `relist` lists every wrestler again, as "Show All" does.
    void rosterChanged(bool relist);

    Roster& roster() { return roster_; }
    const Roster& roster() const { return roster_; }

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // The roster position of each row, in the order shown.
    const std::vector<int>& rows() const { return rows_; }
    // Name (column 0) or promotion (column 1) of a row; "" outside the grid.
    std::string_view cell(int row, int column) const;
    // The row last put at the top of the view.
    int topRow() const { return topRow_; }

    const std::string& totalnum() const { return totalnum_; }
    const std::string& searchText() const { return searchText_; }
    SortBy sortbutton() const { return sortbutton_; }
    ShowWhich showbutton() const { return showbutton_; }
    bool hasUnsavedChanges() const { return madechanges_; }

    // Fires after the rows were rebuilt or reordered, with topRow().
    ui::Signal<int>& rowsChanged() { return rowsChanged_; }

private:
    // Lists the wrestlers of `which` by name (the grid refill).
    void list(ShowWhich which);
    void sortRows(SortBy by);
    void rowsReady(int top);
    void openEntry(std::size_t entry);
    bool save();
    std::filesystem::path filePath() const;

    ui::Dialogs& dialogs_;
    ui::Navigator& navigator_;
    context::EditingContext& context_;
    StatEditor* editor_ = nullptr;

    Roster roster_;
    bool loaded_ = false;
    std::vector<int> rows_;
    int topRow_ = 0;
    std::string totalnum_{kTotalCaption};
    std::string searchText_;
    bool madechanges_ = false;
    int rowno_ = 0; // the row of the wrestler last opened
    SortBy sortbutton_ = SortBy::Name;
    ShowWhich showbutton_ = ShowWhich::All;
    ui::Signal<int> rowsChanged_;
};

} // namespace bm::roster
