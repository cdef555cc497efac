#pragma once

#include "core/promotion/prompt_table.h"
#include "core/promotion/record/promotion_layout.h"
#include "core/promotion/step.h"
#include "core/ui/bar.h"
#include "core/ui/choice.h"

#include <array>
#include <string>
#include <string_view>

namespace bm::promotion {

inline constexpr std::string_view kStep5Explanation =
    "This is where you can enter details of the next big show the player will have when they "
    "start the game new. For example, if you're making a stats update which starts 3 weeks "
    "before Summerslam, it adds some realism if Summerslam is already booked for the correct "
    "date in your game.";
// Stored as the entry's position, "1" to "3".
inline constexpr std::array<std::string_view, 3> kShowLevels{"Basic", "Regular", "Extensive"};
inline constexpr std::string_view kLevelCaption = "Level Of Promotion";
inline constexpr std::string_view kDaysCaption = "Days Since Announced";
inline constexpr int kMaxDays = 40;

// The fields edited through a text prompt; neither is checked here (the
// date check of the editing menu reads the date).
enum class Step5Field { nameofbigshow, dateofshow };

inline constexpr PromptTable<Step5Field, 2> kStep5Prompts{
    {Step5Field::nameofbigshow, "Name Of Big Show", line::nameofbigshow, "Big Show Name",
     "Please enter the name of the next big show this promotion will have. If there isn't one "
     "currently planned, enter 'None'."},
    {Step5Field::dateofshow, "Date Of Big Show", line::dateofshow, "Date Of Big Show",
     "Please enter the date when this big show will take place. The date must be in the form "
     "'Wednesday 18th August 2004'."},
};

// Step 5 of the promotion editor: the big show already booked when a new
// game starts. Every change goes into the record at once.
class Step5 : public Step {
public:
    explicit Step5(StepServices& services);

    void fillFromRecord() override;

    // What the user can do.
    void edit(Step5Field field);
    void chooseLevel(int index);
    void moveDays(int position);

    const std::string& shown(Step5Field field) const { return fields_[field]; }
    const FieldTexts<Step5Field, kStep5Prompts.size()>& fieldTexts() const { return fields_; }
    const ui::Choice& level() const { return level_; }
    const ui::Bar& daysBar() const { return daysBar_; }
    // The label beside the bar: the stored text, or the bar's value once moved.
    const std::string& days() const { return days_; }

private:
    // The screen as it stands for a promotion with no big show booked.
    void showNoBigShow();

    FieldTexts<Step5Field, kStep5Prompts.size()> fields_;
    ui::Choice level_{kShowLevels};
    ui::Bar daysBar_{0, kMaxDays};
    std::string days_;
};

} // namespace bm::promotion
