#pragma once

#include "core/promotion/prompt_table.h"
#include "core/promotion/record/promotion_layout.h"
#include "core/promotion/step.h"
#include "core/ui/bar.h"
#include "core/ui/choice.h"
#include "core/ui/selection.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace bm::promotion {

inline constexpr std::string_view kStep6Hint = "Click on a title belt to edit...";
inline constexpr std::string_view kCalculatorLink = "Click Here To Calculate A Title Reign";
inline constexpr std::string_view kPrimaryTitleNeeded =
    "Every promotion must have a primary singles title.";

// Titles 1 to 4 are singles titles; 5 to 8 (the custom ones) may be tag team titles.
inline constexpr std::array<std::string_view, line::kTitleCount> kTitleCaptions{
    "Primary Singles 1", "Primary Singles 2", "Secondary Singles", "Tertiary Singles 2",
    "Custom 1",          "Custom 2",          "Custom 3",          "Custom 4"};
inline constexpr int kFirstCustomTitle = 5;
// The name that removes a title.
inline constexpr std::string_view kNoTitle = "None";
// What the holder labels show when no holder is stored.
inline constexpr std::string_view kNoHolder = "None";

inline constexpr std::array<std::string_view, 2> kTitleTypes{"Singles", "Tag Team"};
inline constexpr std::array<std::string_view, 3> kTitleGenders{"All", "Male", "Female"};
inline constexpr std::array<std::string_view, 3> kTitleWeights{"All", "Light", "Heavy"};
inline constexpr std::array<std::string_view, 2> kTitleHardcore{"No", "Yes"};
inline constexpr std::array<std::string_view, 3> kTitleBrands{"All", "Brand 1", "Brand 2"};

// The fields edited through a text prompt, in screen order.
enum class TitleField {
    titlename,
    holdername,
    currentchamp,
    champ1,
    champ2,
    reign,
    defenses,
    historydate
};

inline constexpr PromptTable<TitleField, 8, line::TitleLines> kTitlePrompts{
    {TitleField::titlename, "Title Name", &line::TitleLines::titlename, "Title Name",
     "Please enter the name of this title belt, eg. World Heavyweight Championship. If you "
     "don't want a title belt here, enter 'None'."},
    {TitleField::holdername, "Holder Name", &line::TitleLines::holdername, "Holder Name",
     "Please enter the name the holder of this title belt will have, eg. World Heavyweight "
     "Champion."},
    {TitleField::currentchamp, "Current Champion(s)", &line::TitleLines::currentchamp,
     "Current Champion(s)",
     "Please enter the name of the wrestler(s) who currently hold this title belt. If it is a "
     "tag team title, enter the name of the tag team here. If the title is currently vacant, "
     "enter 'Vacant'."},
    {TitleField::champ1, "Holder #1", &line::TitleLines::champ1, "Champion 1",
     "If this is a tag team title, please enter the name of the first member of the team which "
     "currently hold this title belt. If the title isn't a tag team title, or is vacant, enter "
     "'None'."},
    {TitleField::champ2, "Holder #2", &line::TitleLines::champ2, "Champion 2",
     "If this is a tag team title, please enter the name of the second member of the team "
     "which currently hold this title belt. If the title isn't a tag team title, or is vacant, "
     "enter 'None'."},
    {TitleField::reign, "Current Reign (Days)", &line::TitleLines::reign, "Current Reign",
     "Please enter the number of days this wrestler/team has/have held this title so far.",
     rules::number},
    {TitleField::defenses, "# Defenses So Far", &line::TitleLines::defenses, "Title Defences",
     "Please enter the number of title defences this wrestler/team has/have made so far.",
     rules::number},
    {TitleField::historydate, "Date Of Title Change", &line::TitleLines::historydate,
     "Date Of Title Change",
     "Please enter the date when this title was won, or the date it was made vacant. The date "
     "must be in the form 'Saturday 21st August 2004'."},
};

// The drop-down lists, each storing its entry as it stands.
enum class TitleList { titletype, titlegender, titleweight, titlehardcore, titlebrand };
struct TitleListRow {
    TitleList list;
    std::string_view caption;
    std::span<const std::string_view> entries;
    int line::TitleLines::*line;
};
inline constexpr std::array<TitleListRow, 5> kTitleLists{{
    {TitleList::titletype, "Type", kTitleTypes, &line::TitleLines::titletype},
    {TitleList::titlegender, "Gender", kTitleGenders, &line::TitleLines::titlegender},
    {TitleList::titleweight, "Weight Class", kTitleWeights, &line::TitleLines::titleweight},
    {TitleList::titlehardcore, "Hardcore?", kTitleHardcore, &line::TitleLines::titlehardcore},
    {TitleList::titlebrand, "Brand", kTitleBrands, &line::TitleLines::titlebrand},
}};

namespace detail {
// Rows are found by their enum value.
constexpr bool inEnumOrder(const auto& rows, auto member) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (static_cast<std::size_t>(rows[i].*member) != i) {
            return false;
        }
    }
    return true;
}
} // namespace detail
static_assert(detail::inEnumOrder(kTitleLists, &TitleListRow::list));

// The two scroll bars, 0 to 100, storing the value in decimal.
enum class TitleBar { titlevalue, mindraw };
struct TitleBarRow {
    TitleBar bar;
    std::string_view caption;
    std::string_view suffix; // after the value in the label beside the bar
    int line::TitleLines::*line;
};
inline constexpr std::array<TitleBarRow, 2> kTitleBars{{
    {TitleBar::titlevalue, "Value Of Title", "%", &line::TitleLines::titlevalue},
    {TitleBar::mindraw, "Minimum Draw Of Holder", "", &line::TitleLines::mindraw},
}};
static_assert(detail::inEnumOrder(kTitleBars, &TitleBarRow::bar));
inline constexpr int kMaxTitleBar = 100;

// Step 6 of the promotion editor: the eight title belts, one selected at a
// time. Every change goes into the selected title's block of the record at
// once; the save checks the titles as a whole.
class Step6 : public Step {
public:
    explicit Step6(StepServices& services);

    // Selects title 1 and shows its block.
    void fillFromRecord() override;

    // What the user can do. Titles are counted from 0, as in the selection.
    void selectTitle(int item);
    void edit(TitleField field);
    void choose(TitleList list, int entry);
    void moveBar(TitleBar bar, int position);
    // Opens the date calculator beside this step, which stays usable.
    void openCalculator();

    // Empties the selected title (2 to 8) as the name "None" does: its
    // fields, and its lines but the three that only the save writes.
    // Title 1 always exists: nothing happens for it.
    void cleartitles();

    const ui::Selection& titles() const { return titles_; }
    const std::string& shown(TitleField field) const { return fields_[field]; }
    const FieldTexts<TitleField, kTitlePrompts.size()>& fieldTexts() const { return fields_; }
    const ui::Choice& list(TitleList list) const { return lists_[index(list)]; }
    // Only the custom titles have a type to choose.
    bool typeEnabled() const { return typeEnabled_; }
    const ui::Bar& bar(TitleBar bar) const { return bars_[index(bar)]; }
    // The label beside a bar: the stored text with its suffix, or the bar's
    // value once moved.
    const std::string& barText(TitleBar bar) const { return barTexts_[index(bar)]; }

private:
    static std::size_t index(TitleList list) { return static_cast<std::size_t>(list); }
    static std::size_t index(TitleBar bar) { return static_cast<std::size_t>(bar); }
    const line::TitleLines& block() const;
    bool isCustom() const { return titles_.selected() + 1 >= kFirstCustomTitle; }
    void showBlock();
    // What an empty title and a removed one share: "None" as the name, empty
    // holder name, champion and date, and both bars and every list at their
    // first value, which are stored.
    void showEmpty();
    void setBar(TitleBar bar, int position);
    void setList(TitleList list, int entry);

    ui::Selection titles_{kTitleCaptions};
    FieldTexts<TitleField, kTitlePrompts.size()> fields_;
    std::array<ui::Choice, kTitleLists.size()> lists_{
        ui::Choice{kTitleLists[0].entries}, ui::Choice{kTitleLists[1].entries},
        ui::Choice{kTitleLists[2].entries}, ui::Choice{kTitleLists[3].entries},
        ui::Choice{kTitleLists[4].entries}};
    std::array<ui::Bar, kTitleBars.size()> bars_{ui::Bar{0, kMaxTitleBar},
                                                 ui::Bar{0, kMaxTitleBar}};
    std::array<std::string, kTitleBars.size()> barTexts_;
    bool typeEnabled_ = false;
};

} // namespace bm::promotion
