#pragma once

#include "core/promotion/prompt_table.h"
#include "core/promotion/record/promotion_layout.h"
#include "core/promotion/step.h"
#include "core/promotion/step2.h"
#include "core/ui/choice.h"
#include "core/ui/selection.h"

#include <array>
#include <string>
#include <string_view>

namespace bm::promotion {

inline constexpr std::array<std::string_view, line::kMonthCount> kMonthCaptions{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
inline constexpr std::array<std::string_view, 2> kPpvDeals{"Yes", "No"};

inline constexpr std::string_view kPpvdealCaption = "Monthly PPV Deal?";
inline constexpr std::string_view kBigshowbrandCaption = "Big Show Brand";
inline constexpr std::string_view kPickBigshowlogoName = "Choose the big show logo";
inline constexpr std::string_view kMonthTableText =
    "In Brawlmark 1.3, you choose how often you book a big show, and what you name it. However, "
    "if the promotion has a set pattern for their big shows eg. every January is Royal Rumble, "
    "every February is No Way Out - you can enter that information here, so it appears by "
    "default if the player chooses to book a big show for that month.";

inline constexpr std::string_view kPpvDealNeedsNational =
    "WARNING:\r\nOnly National sized promotions can have a monthly PPV deal.";
inline constexpr std::string_view kInvalidBuyRate =
    "Invalid Buy-Rate!\r\n\r\nThe Buy-Rate is a number usually between 0 and 2, where 1.0 = "
    "400,000 PPV buys. WWE usually get between 0.5 and 1.0 for their monthly PPV "
    "events.\r\n\r\nPlease enter another value.";

namespace rules {
// At most 5, with no lower bound; stored in hundredths, rounded down, shown as typed.
std::optional<Entry> buyRate(const std::string& reply, ui::Dialogs& dialogs);
} // namespace rules

enum class Step4Field { ppvbuyrate, bigshowatt };

inline constexpr PromptTable<Step4Field, 2> kStep4Prompts{
    {Step4Field::ppvbuyrate, "Av. PPV Buy-Rate", line::ppvbuyrate, "Average PPV Buy-Rate",
     "Please enter the average buy rate this promotion gets for big shows on Pay-Per-View (not "
     "weekly shows).\r\nSome examples of real life buy-rates: \r\nSummerslam 2005 - 0.94\r\nNo "
     "Way Out 2005 - 0.59\r\nRoyal Rumble 2005 - 0.83",
     rules::buyRate},
    {Step4Field::bigshowatt, "Max Big Show Attendence", line::bigshowatt, "Max Big Show Attendence",
     "Please enter the maximum attendence this promotion could attract for a big show at this "
     "point in time.",
     rules::number},
};

// The fields of the selected month edited through a text prompt.
enum class BigShowField { bigshowname, bigshowlogo };

inline constexpr PromptTable<BigShowField, 2, line::MonthLines> kBigShowPrompts{
    {BigShowField::bigshowname, "Big Show Name", &line::MonthLines::bigshowname, "Big Show Name",
     "Please enter the name of the big show which is held in this month by this promotion, or if "
     "this promotion doesn't have a big show in this month, enter 'None'."},
    {BigShowField::bigshowlogo, "Big Show Logo", &line::MonthLines::bigshowlogo, "Big Show Logo",
     "Please enter the name of the image you want to use for this big show's logo. The image "
     "file should be kept in the Images folder in your BM folder. If you don't want to specify a "
     "logo for this month's big show, enter 'NA'."},
};

// Step 4 of the promotion editor: the PPV terms, the big show crowd and the
// big show held by custom in each month, edited one month at a time.
class Step4 : public Step {
public:
    explicit Step4(StepServices& services);

    // January selected, shown without writing anything.
    void fillFromRecord() override;

    // What the user can do. Positions count from 0.
    void selectMonth(int month);
    void edit(Step4Field field);
    void edit(BigShowField field);
    void choosePpvDeal(int index);
    void chooseBrand(int index);
    void pickLogo();

    const std::string& shown(Step4Field field) const { return fields_[field]; }
    const FieldTexts<Step4Field, kStep4Prompts.size()>& fieldTexts() const { return fields_; }
    const std::string& shown(BigShowField field) const { return month_[field]; }
    const FieldTexts<BigShowField, kBigShowPrompts.size()>& monthTexts() const { return month_; }
    const ui::Choice& ppvdeal() const { return ppvdeal_; }
    const ui::Selection& months() const { return months_; }
    const ui::Choice& bigshowbrand() const { return bigshowbrand_; }

private:
    line::MonthLines selectedLines() const;
    void showSelected(bool initialiseEmpty);

    FieldTexts<Step4Field, kStep4Prompts.size()> fields_;
    ui::Choice ppvdeal_{kPpvDeals};
    ui::Selection months_{kMonthCaptions};
    FieldTexts<BigShowField, kBigShowPrompts.size()> month_;
    ui::Choice bigshowbrand_{kShowBrands};
};

} // namespace bm::promotion
