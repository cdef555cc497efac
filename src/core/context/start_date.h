#pragma once

#include "core/context/editing_context.h"
#include "core/platform/line_file.h"
#include "core/ui/dialogs.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <string>
#include <string_view>
#include <vector>

namespace bm::context {

inline constexpr std::string_view kStartDateInstruction =
    "Please choose the start date for this game / scenario.";
inline constexpr std::string_view kInvalidStartDate =
    "Your start date has been checked and it is not a valid date. Please choose a real-life date.";
inline constexpr std::string_view kStartDateSaved = "Start Date Saved OK!";
inline constexpr std::string_view kConfirmStartDate = "Confirm Start Date";
inline constexpr std::string_view kStartDateBack = "Back To Menu";
inline constexpr std::string_view kLoseStartDateChanges =
    "Going back to the menu will lose the changes you made.\r\n\r\nSave changes before you go?";

// Shows the start date of the context's main data file, checks a new one and
// writes it back. The file's other lines belong to the game and go back
// exactly as they were read.
class StartDateScreen : public ui::Model {
public:
    StartDateScreen(ui::Dialogs& dialogs, ui::Navigator& navigator, const EditingContext& context);

    // "Edit The Start Date". A file that holds no start date this screen can
    // show is refused with a message naming it, and the menu stays.
    void open();

    // Each takes an entry of its list; anything else is ignored.
    void chooseWeekday(std::string_view name);
    void chooseDay(std::string_view number);
    void chooseMonth(std::string_view name);
    // The year spinner, on every change (also while it is dragged).
    void moveYear(int year);

    void confirm();
    void backToMenu();

    // While the screen is open: the chosen date differs from the file's.
    bool hasUnsavedChanges() const { return isOpen() && differsFromFile(); }
    // What closing the editor now would lose; "" when nothing would be.
    std::string unsavedWork() const;

    // The fixed entries of the three lists.
    static const std::vector<std::string>& weekdays();
    static const std::vector<std::string>& days();
    static const std::vector<std::string>& months();
    static int firstYear();
    static int lastYear();

    const std::string& instruction() const { return instruction_; }
    const std::string& weekday() const { return weekday_; }
    const std::string& day() const { return day_; }
    const std::string& month() const { return month_; }
    const std::string& year() const { return year_; }
    int spinner() const { return spinner_; }

private:
    bool isOpen() const { return !lines_.empty(); }
    bool differsFromFile() const;
    // True when the date was valid and the file has been written.
    bool save();
    void refuse(const std::string& problem);
    void leave();

    ui::Dialogs& dialogs_;
    ui::Navigator& navigator_;
    const EditingContext& context_;

    // Every line of the file as read; empty while the screen is closed.
    platform::Lines lines_;
    std::string instruction_;
    std::string weekday_;
    std::string day_;
    std::string month_;
    std::string year_;
    int spinner_;
};

} // namespace bm::context
