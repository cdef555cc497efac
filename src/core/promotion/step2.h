#pragma once

#include "core/calendar/calendar.h"
#include "core/promotion/prompt_table.h"
#include "core/promotion/record/promotion_layout.h"
#include "core/promotion/step.h"
#include "core/ui/bar.h"
#include "core/ui/choice.h"
#include "core/ui/selection.h"

#include <array>
#include <string>
#include <string_view>

namespace bm::promotion {

inline constexpr std::array<std::string_view, line::kShowCount> kShowCaptions{
    "Primary Show 1", "Primary Show 2", "Secondary Show 1", "Secondary Show 2"};
// Also the brands of a month's big show.
inline constexpr std::array<std::string_view, 3> kShowBrands{"All", "Brand 1", "Brand 2"};
inline constexpr std::array<std::string_view, 3> kShowTypes{"House", "TV", "PPV"};
// The name a show without a name line is shown with, and the answer that removes one.
inline constexpr std::string_view kNoShow = "None";

inline constexpr std::string_view kStep2Hint = "Click on a show to edit...";
inline constexpr std::string_view kStep2SecondHint = "...then click on a stat to edit";
inline constexpr std::string_view kShowdayCaption = "Day Of This Show";
inline constexpr std::string_view kShowlogoCaption = "Show Logo";
inline constexpr std::string_view kPickShowlogoName = "Choose the show logo";
inline constexpr std::string_view kShowbrandCaption = "Brand Of Show";
inline constexpr std::string_view kShowtypeCaption = "Type Of Show";
inline constexpr std::string_view kPercentageCaption = "Fan Popularity";

inline constexpr std::string_view kShowOneRequired = "You must have a primary show 1.";
inline constexpr std::string_view kSameDayStart = "WARNING!\r\nYour ";
inline constexpr std::string_view kSameDayEnd =
    " is also on this day. Having more than one regular show on the same day will cause "
    "problems with your game.";
inline constexpr std::string_view kTvNeedsCoverage =
    "This promotion's television coverage is set to None - this show cannot be a TV Show.";
inline constexpr std::string_view kPpvNeedsNational =
    "Only National promotions can have PPV coverage of their regular shows.";
inline constexpr std::string_view kInvalidTvRating =
    "Invalid TV Rating!\r\n\r\nThis number must be between 0 and 10, eg. 4.75.\r\n\r\nPlease "
    "enter another value.";
inline constexpr std::string_view kInvalidPpvBuys =
    "Invalid PPV Buys!\r\n\r\nThis number must be between 100 and 1000000, and not include any "
    "commas.\r\n\r\nPlease enter another value.";

namespace rules {
// More than 0 and at most 10; stored in hundredths, rounded down, shown as typed.
std::optional<Entry> tvRating(const std::string& reply, ui::Dialogs& dialogs);
// 100 to 1000000 buys, stored as typed.
std::optional<Entry> ppvBuys(const std::string& reply, ui::Dialogs& dialogs);
} // namespace rules

// A stored hundredths number ("350") as the value it stands for ("3.5").
std::string fromHundredths(const std::string& stored);

// The fields of the selected show edited through a text prompt.
enum class Step2Field { nameofshow, tvrating };

// The rating row asks for a TV rating; a PPV show asks for buys instead.
inline constexpr PromptTable<Step2Field, 2, line::ShowLines> kStep2Prompts{
    {Step2Field::nameofshow, "Name Of Show", &line::ShowLines::nameofshow, "Name of Show",
     "Please enter the name of this show, eg. Monday Night Raw, or put 'None' if no show of this "
     "type."},
    {Step2Field::tvrating, "Av. TV Rating/Buys", &line::ShowLines::tvrating,
     "Average TV Rating/Buys",
     "Please enter the average TV rating for this show.\r\n\r\nExamples of TV ratings: WWE Raw "
     "averaged a 3.5 to a 4.0 rating in 2005, while TNA Impact averaged a 0.8.",
     rules::tvRating},
};
inline constexpr Prompt<Step2Field, line::ShowLines> kPpvBuysPrompt{
    Step2Field::tvrating,
    "Av. TV Rating/Buys",
    &line::ShowLines::tvrating,
    "Average PPV Buys",
    "Please enter the number of buys this show gets on PPV. For example, the weekly TNA PPVs on "
    "Wednesday nights used to get around 50000 buys.",
    rules::ppvBuys};

// Step 2 of the promotion editor: the four regular shows, edited one at a
// time. Every change goes into the selected show's block at once.
class Step2 : public Step {
public:
    explicit Step2(StepServices& services);

    // Primary Show 1 selected, shown as stored.
    void fillFromRecord() override;

    // What the user can do. Positions count from 0.
    void selectShow(int show);
    void edit(Step2Field field);
    void chooseDay(int index);
    void chooseBrand(int index);
    void chooseType(int index);
    void moveBar(int value);
    void pickLogo();

    const ui::Selection& shows() const { return shows_; }
    const std::string& shown(Step2Field field) const { return fields_[field]; }
    const FieldTexts<Step2Field, kStep2Prompts.size()>& fieldTexts() const { return fields_; }
    const std::string& showlogo() const { return showlogo_; }
    const ui::Choice& showday() const { return showday_; }
    const ui::Choice& showbrand() const { return showbrand_; }
    const ui::Choice& showtype() const { return showtype_; }
    const ui::Bar& popularity() const { return popularity_; }
    // The bar's label: the stored value followed by "%".
    const std::string& percentage() const { return percentage_; }

private:
    line::ShowLines selectedLines() const;
    void showSelected();

    ui::Selection shows_{kShowCaptions};
    FieldTexts<Step2Field, kStep2Prompts.size()> fields_;
    std::string showlogo_;
    ui::Choice showday_{calendar::kWeekdayNames};
    ui::Choice showbrand_{kShowBrands};
    ui::Choice showtype_{kShowTypes};
    ui::Bar popularity_{0, 100};
    std::string percentage_;
};

} // namespace bm::promotion
