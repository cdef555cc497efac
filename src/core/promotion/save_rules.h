#pragma once

#include "core/context/editing_context.h"
#include "core/promotion/record/promotion_record.h"
#include "core/ui/dialogs.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace bm::promotion {

// What the game needs of a whole promotion before it may be written. Rule n
// is kSaveRuleMessages[n - 1]; the rules are always checked in this order.
inline constexpr int kSaveRuleCount = 26;
inline constexpr std::array<std::string_view, kSaveRuleCount> kSaveRuleMessages{
    "A promotion with Regional TV coverage cannot be classed as a National promotion unless it "
    "has a primary or secondary show on PPV.",
    "You have information missing for primary show 1.",
    "You have information missing for primary show 2.",
    "You have information missing for secondary show 1.",
    "You have information missing for secondary show 2.",
    "You have more than one regular show on the same day - please change.",
    "Non Televised Attendence must be at least 20.",
    "Televised Attendence must be at least 20.",
    "PPV Buys for a weekly show must be at least 100.",
    "TV Rating for a weekly show must be between 0 and 10.",
    "You can't have a weekly show's type as 'TV', and TV Coverage set to 'None'.",
    "You can't have a PPV coverage for weekly shows unless the promotion is National.",
    "Only National promotions can have a monthly PPV deal.",
    "Some information is missing from one or more big shows.",
    "Pay-Per-View Buy Rate for Big Shows must be at least 0.01.",
    "Attendence for Big Shows must be at least 20.",
    "One or more of this promotion's tag team titles has one or more of the holders as 'None', "
    "but the title is not vacant.",
    "One or more of this promotion's tag team titles is vacant, but one or more of the holder's "
    "names is not set to 'None'.",
    "Some information has not been entered for Primary Singles Title 1.",
    "Some information has not been entered for Primary Singles Title 2.",
    "Some information has not been entered for the Secondary Singles Title.",
    "Some information has not been entered for the Tertiary Singles Title.",
    "Some information has not been entered for the Custom Title 1.",
    "Some information has not been entered for the Custom Title 2.",
    "Some information has not been entered for the Custom Title 3.",
    "Some information has not been entered for the Custom Title 4.",
};

inline constexpr std::string_view kSaveErrorTitle = "Error!";
inline constexpr std::string_view kSavedOk = " saved OK.";

struct RuleFailure {
    int rule; // 1..kSaveRuleCount
    std::string_view message;
    bool operator==(const RuleFailure&) const = default;
};

// Every failing rule, once each, in rule order; empty when the promotion may
// be saved. Lines missing from a short record count as empty.
std::vector<RuleFailure> failedSaveRules(const PromotionRecord& record);

// Tidies a record that passed the rules into what the game reads: roles moved
// up over empty ones, the leftovers of absent shows, titles, talk shows and
// next big show cleared, and every title's record lines reset. A short record
// grows to the full layout; lines beyond it are untouched.
void deriveSaveLines(PromotionRecord& record);

// Step 8's save. On failing rules, shows each message and changes nothing.
// Otherwise writes the derived record to the context's folder under
// `nameoffile`; only when the file is safely written does `record` take the
// derived lines and the user hear that it was saved. Returns whether it was.
bool savePromotion(PromotionRecord& record, const std::string& nameoffile,
                   const context::EditingContext& context, ui::Dialogs& dialogs);

} // namespace bm::promotion
