#pragma once

#include "core/promotion/prompt_table.h"
#include "core/promotion/record/promotion_layout.h"
#include "core/promotion/step.h"
#include "core/ui/choice.h"

#include <array>
#include <string>
#include <string_view>

namespace bm::promotion {

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
inline constexpr std::string_view kPickPromlogoName = "Choose the promotion logo";
inline constexpr std::string_view kSizeCaption = "Promotion Size";
inline constexpr std::string_view kDescriptionCaption = "Description";
inline constexpr std::string_view kRostersplitCaption = "Roster Split?";
inline constexpr std::string_view kTvcoverageCaption = "TV Coverage";
inline constexpr std::string_view kDescriptionPlaceholder = "The BM-ist promotion around...";
inline constexpr std::string_view kDescriptionTip = "Double-click or press F1 for help";
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

inline constexpr PromptTable<Step1Field, 7> kStep1Prompts{
    {Step1Field::prominitials, "Promotion Initials", line::prominitials, "Promotion Initials",
     "Please enter the initials of this promotion, eg. WWF."},
    {Step1Field::promname, "Promotion Name", line::promname, "Promotion Name",
     "Please enter the name of this promotion, eg. World Wrestling Federation."},
    {Step1Field::bankbalance, "Bank Balance ($)", line::bankbalance, "Bank Balance",
     "Please enter the bank balance of this promotion, in U.S. dollars.", rules::number},
    {Step1Field::website, "Web Site", line::website, "Website Address",
     "Please enter the website address of this promotion, eg. "
     "http://www.ironbridge-wrestling.example. If there isn't a website address for this "
     "promotion, enter 'None'."},
    {Step1Field::owner, "Owner's Name", line::owner, "Owner's Name",
     "Please enter the name of the owner of this promotion, eg. Garrick Stavely."},
    {Step1Field::brand1, "Brand 1 Name", line::brand1, "Brand 1 Name",
     "Please enter the name of the first brand in your roster split."},
    {Step1Field::brand2, "Brand 2 Name", line::brand2, "Brand 2 Name",
     "Please enter the name of the second brand in your roster split."},
};

// Step 1 of the promotion editor: identity, size, bank balance, roster
// split and TV coverage. Every change goes into the record at once.
class Step1 : public Step {
public:
    explicit Step1(StepServices& services);

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

    const std::string& shown(Step1Field field) const { return fields_[field]; }
    const FieldTexts<Step1Field, kStep1Prompts.size()>& fieldTexts() const { return fields_; }
    const std::string& promlogo() const { return promlogo_; }
    const std::string& description() const { return description_; }
    const ui::Choice& size() const { return size_; }
    const ui::Choice& rostersplit() const { return rostersplit_; }
    const ui::Choice& tvcoverage() const { return tvcoverage_; }
    // The brand fields and their captions.
    bool brandsEnabled() const { return brandsEnabled_; }

private:
    void setCoverage(std::string_view coverage);
    void applyCoverageRules();

    FieldTexts<Step1Field, kStep1Prompts.size()> fields_;
    std::string promlogo_;
    std::string description_;
    ui::Choice size_{kSizes};
    ui::Choice rostersplit_{kRosterSplits};
    ui::Choice tvcoverage_{kTvCoverages};
    bool brandsEnabled_ = true;
};

} // namespace bm::promotion
