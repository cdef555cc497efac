#pragma once

#include "core/context/editing_context.h"
#include "core/roster/roster.h"
#include "core/ui/dialogs.h"
#include "core/ui/model.h"

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace bm::roster {

class RosterScreen;

// The text boxes of the three tool rows.
enum class Box { RenameFrom, RenameTo, ExportPromotion, ExportFile, DeletePromotion };
inline constexpr std::size_t kBoxCount = 5;

// Captions in the order of Box; the delete row's ends in a blank.
inline constexpr std::array<std::string_view, kBoxCount> kBoxCaptions{
    "Change all promotions called:", "to promotion:", "Export all wrestlers with the promotion:",
    "to a new file:", "Delete all wrestlers who have the promotion: "};

enum class ToolRow { Rename, Export, Delete };
inline constexpr std::size_t kToolRowCount = 3;

// Every row ends in a button called "Go"; it is found by that name, and its
// description tells a screen reader which row it runs.
struct ToolRowInfo {
    ToolRow row;
    Box first;
    int boxes; // 1 or 2, from `first` on
    std::string_view goDescription;
};
inline constexpr std::string_view kGo = "Go";
inline constexpr std::array<ToolRowInfo, kToolRowCount> kToolRows{{
    {ToolRow::Rename, Box::RenameFrom, 2, "Change all promotions"},
    {ToolRow::Export, Box::ExportPromotion, 2, "Export the promotion to a new file"},
    {ToolRow::Delete, Box::DeletePromotion, 1, "Delete the promotion's wrestlers"},
}};

inline constexpr std::string_view kCreateAutoExpiryDates = "Create Auto Expiry Dates";
inline constexpr std::string_view kExportIntoAnotherFile =
    "Export This Roster Into Another Roster File";

inline constexpr std::string_view kBothBoxes = "Both text boxes must contain text.";
inline constexpr std::string_view kRenamedBefore = "All wrestlers with the promotion ";
inline constexpr std::string_view kRenamedMiddle = " have now been changed to the promotion ";
inline constexpr std::string_view kRenamedAfter =
    ".\r\n\r\nRemember to click Save before you leave.";
inline constexpr std::string_view kMustEndInBm1 = "The filename must end in ''.bm1''";
inline constexpr std::string_view kFileExists =
    "A file with this name already exists. Please enter a new filename.";
inline constexpr std::string_view kCreatedBefore = "File ''";
inline constexpr std::string_view kCreatedAfter = "'' created successfully.";
inline constexpr std::string_view kEnterInitials = "Please enter a promotion's initials.";
inline constexpr std::string_view kDeletedBefore = "All wrestlers from promotion ";
inline constexpr std::string_view kDeletedAfter = " have been deleted.";
inline constexpr std::string_view kOverwriteExpiry =
    "Using this feature will overwrite any contract expiry dates you have entered manually.\r\n"
    "Continue?";
inline constexpr std::string_view kExpiryCreated =
    "Random Contract Expiry Dates created successfully.";
inline constexpr std::string_view kAddTitle = "Add To Other File";
inline constexpr std::string_view kAddPrompt =
    "Please enter the name of the file you wish to add these wrestlers to.";
inline constexpr std::string_view kFilenameError = "Filename Error!";
inline constexpr std::string_view kNeedsBm1 = "Filename must have extension .bm1.";
inline constexpr std::string_view kNoSuchFile = "No file with that name exists in this directory.";
inline constexpr std::string_view kNoWrestlersTitle = "No Wrestlers!";
inline constexpr std::string_view kNoWrestlers = "There's no wrestlers here to export!";
inline constexpr std::string_view kAlreadyInFileTitle = "Wrestler Already In File";
inline constexpr std::string_view kRosterExported = "Roster exported successfully.";
// A typed name is a file of the context folder and nothing else.
inline constexpr std::string_view kUnsafeFileName =
    "The filename must name a file in this folder: it may not contain \\ / : * ? \" < > | or "
    "control characters, be longer than 255 characters, or be a name reserved for a device, such "
    "as CON, NUL or COM1.";
inline constexpr std::string_view kBm1Extension = ".bm1";

// A pseudo-random number in [0, 1).
using RandomSource = std::function<double()>;
// Seeded from the clock.
RandomSource clockSeededSource();

// The roster screen's tools that work on many wrestlers at once. They change
// the roster that the screen owns, in memory, and leave saving it to the
// screen; the two exports write other roster files of the context folder.
// A refusal changes nothing: not the roster, the files or the text boxes.
class BulkTools : public ui::Model {
public:
    BulkTools(ui::Dialogs& dialogs, context::EditingContext& context, RosterScreen& screen,
              RandomSource random = clockSeededSource());

    // What the user can do.
    void type(Box box, std::string_view text);
    void go(ToolRow row);
    void renamePromotion();
    void exportPromotion();
    void deletePromotion();
    void createAutoExpiryDates();
    void exportIntoAnotherFile();

    const std::string& text(Box box) const { return boxes_[static_cast<std::size_t>(box)]; }

private:
    void clear(std::initializer_list<Box> boxes);
    // A message in the style of the asking dialog; false when refused.
    bool safeName(std::string_view name, ui::Icon icon, std::string_view title);

    ui::Dialogs& dialogs_;
    context::EditingContext& context_;
    RosterScreen& screen_;
    RandomSource random_;
    std::array<std::string, kBoxCount> boxes_;
};

} // namespace bm::roster
