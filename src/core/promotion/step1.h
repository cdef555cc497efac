#pragma once

#include "core/context/image_picker.h"
#include "core/promotion/promotion_chooser.h"
#include "core/promotion/record/promotion_layout.h"
#include "core/promotion/step_filler.h"
#include "core/ui/choice.h"
#include "core/ui/dialogs.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <array>
#include <string>
#include <string_view>

namespace bm::promotion {

inline constexpr std::string_view kStep1Heading = "Step 1 of 8";
inline constexpr std::string_view kStepHint = "Click On A Stat To Edit";
inline constexpr std::string_view kStepBack = "<<< Back";
inline constexpr std::string_view kStepNext = "Next >>>";
inline constexpr std::string_view kStepBackQuestion =
    "If you haven't gone through all steps and clicked Save, you will lose any changes by "
    "returning to the menu.\r\n\r\nAre you sure you want to go back to the menu?";

// Stored as the entry's position, "1" to "6"; 4 to 6 are the National sizes.
inline constexpr std::array<std::string_view, 6> kSizes{
    "Basic Indy",
    "Indy With Local TV",
    "Indy With Regional TV",
    "Small National (eg. ECW 2000)",
    "Medium National (eg. WCW 2000)",
    "Large National (eg. WWE)",
};
inline constexpr std::array<std::string_view, 2> kRosterSplits{"Yes", "No"};
inline constexpr std::array<std::string_view, 4> kTvCoverages{"None", "Local", "Regional",
                                                              "National"};

inline constexpr std::string_view kPromlogoCaption = "Promotion Logo";
inline constexpr std::string_view kSizeCaption = "Promotion Size";
inline constexpr std::string_view kDescriptionCaption = "Description";
inline constexpr std::string_view kRostersplitCaption = "Roster Split?";
inline constexpr std::string_view kTvcoverageCaption = "TV Coverage";
inline constexpr std::string_view kDescriptionPlaceholder = "The BM-ist promotion around...";
inline constexpr std::string_view kDescriptionHelp =
    "Type in a short description of this promotion, to help a new player when choosing which "
    "promotion to control.";
inline constexpr std::string_view kDescriptionHelpTitle = "Description";
inline constexpr std::string_view kDefaultBrand1 = "Brand 1";
inline constexpr std::string_view kDefaultBrand2 = "Brand 2";

inline constexpr std::string_view kNationalNeedsSize =
    "The promotion size must be at least Small National to have National TV.";
inline constexpr std::string_view kRegionalNeedsSize =
    "The promotion size must be at least 'Indy With Regional TV' to have Regional TV.";
inline constexpr std::string_view kLocalNeedsSize =
    "The promotion size must be 'Indy With Local TV' to have Local TV.";
inline constexpr std::string_view kNoneOnlyForBasic =
    "Only a Basic Indy can have no television coverage.";

// The fields edited through a text prompt.
enum class Step1Field { prominitials, promname, bankbalance, website, owner, brand1, brand2 };

struct Step1Prompt {
    Step1Field field;
    int line;
    std::string_view caption;
    std::string_view title;
    std::string_view message;
};
inline constexpr std::array<Step1Prompt, 7> kStep1Prompts{{
    {Step1Field::prominitials, line::prominitials, "Promotion Initials", "Promotion Initials",
     "Please enter the initials of this promotion, eg. WWF."},
    {Step1Field::promname, line::promname, "Promotion Name", "Promotion Name",
     "Please enter the name of this promotion, eg. World Wrestling Federation."},
    {Step1Field::bankbalance, line::bankbalance, "Bank Balance ($)", "Bank Balance",
     "Please enter the bank balance of this promotion, in U.S. dollars."},
    {Step1Field::website, line::website, "Web Site", "Website Address",
     "Please enter the website address of this promotion, eg. "
     "http://www.ironbridge-wrestling.example. If there isn't a website address for this "
     "promotion, enter 'None'."},
    {Step1Field::owner, line::owner, "Owner's Name", "Owner's Name",
     "Please enter the name of the owner of this promotion, eg. Garrick Stavely."},
    {Step1Field::brand1, line::brand1, "Brand 1 Name", "Brand 1 Name",
     "Please enter the name of the first brand in your roster split."},
    {Step1Field::brand2, line::brand2, "Brand 2 Name", "Brand 2 Name",
     "Please enter the name of the second brand in your roster split."},
}};
const Step1Prompt& step1Prompt(Step1Field field);

// Step 1 of the promotion editor: identity, size, bank balance, roster
// split and TV coverage. Every change goes into the record at once.
class Step1 : public ui::Model, public StepFiller {
public:
    Step1(ui::Dialogs& dialogs, ui::Navigator& navigator, PromotionChooser& chooser,
          context::ImagePicker& picker);

    void fillFromRecord() override;

    // What the user can do.
    void edit(Step1Field field);
    void pickLogo();
    void chooseSize(int index);
    void chooseRosterSplit(int index);
    void chooseTvCoverage(int index);
    // The description box's whole text after each change.
    void typeDescription(std::string_view text);
    void descriptionHelp();
    void next();
    void back();

    const std::string& shown(Step1Field field) const;
    const std::string& promlogo() const { return promlogo_; }
    const std::string& description() const { return description_; }
    const ui::Choice& size() const { return size_; }
    const ui::Choice& rostersplit() const { return rostersplit_; }
    const ui::Choice& tvcoverage() const { return tvcoverage_; }
    // The brand fields and their captions.
    bool brandsEnabled() const { return brandsEnabled_; }

private:
    std::string& field(Step1Field f);
    void setCoverage(std::string_view coverage);
    void applyCoverageRules();

    ui::Dialogs& dialogs_;
    ui::Navigator& navigator_;
    PromotionChooser& chooser_;
    context::ImagePicker& picker_;
    PromotionRecord& record_;

    std::array<std::string, kStep1Prompts.size()> fields_;
    std::string promlogo_;
    std::string description_;
    ui::Choice size_{kSizes};
    ui::Choice rostersplit_{kRosterSplits};
    ui::Choice tvcoverage_{kTvCoverages};
    bool brandsEnabled_ = true;
};

} // namespace bm::promotion
