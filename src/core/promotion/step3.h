#pragma once

#include "core/promotion/prompt_table.h"
#include "core/promotion/record/promotion_layout.h"
#include "core/promotion/step.h"
#include "core/ui/choice.h"

#include <array>
#include <string>
#include <string_view>

namespace bm::promotion {

// Stored as the entry's position, "1" to "20".
inline constexpr std::array<std::string_view, 20> kProductionValues{
    "$500 Per Show",     "$1,000 Per Show",   "$2,500 Per Show",     "$5,000 Per Show",
    "$7,500 Per Show",   "$10,000 Per Show",  "$15,000 Per Show",    "$25,000 Per Show",
    "$50,000 Per Show",  "$75,000 Per Show",  "$100,000 Per Show",   "$150,000 Per Show",
    "$200,000 Per Show", "$250,000 Per Show", "$350,000 Per Show",   "$500,000 Per Show",
    "$650,000 Per Show", "$800,000 Per Show", "$1,000,000 Per Show", "$1,250,000 Per Show",
};

// The three production value lists, in the order of their lines.
enum class Production { primaryprod, secondaryprod, bigshowprod };
inline constexpr int kProductionCount = 3;
inline constexpr std::array<std::string_view, kProductionCount> kProductionCaptions{
    "Production Values - Primary Shows", "Production Values - Secondary Shows",
    "Production Values - Big Shows"};
inline constexpr std::array<int, kProductionCount> kProductionLines{
    line::primaryprod, line::secondaryprod, line::bigshowprod};

enum class Step3Field { untvatt, tvatt };

inline constexpr PromptTable<Step3Field, 2> kStep3Prompts{
    {Step3Field::untvatt, "Max Untelevised Attendence", line::untvatt, "Max Untelevised Attendence",
     "Please enter the maximum attendence this promotion could attract for an untelevised show "
     "at this point in time.",
     rules::number},
    {Step3Field::tvatt, "Max Televised Attendence", line::tvatt, "Max Televised Attendence",
     "Please enter the maximum attendence this promotion could attract for a televised show at "
     "this point in time.",
     rules::number},
};

// Step 3 of the promotion editor: the largest crowds and the production
// values. Nothing is refused here; the save checks the values.
class Step3 : public Step {
public:
    explicit Step3(StepServices& services);

    void fillFromRecord() override;

    // What the user can do.
    void edit(Step3Field field);
    void chooseProduction(Production list, int index);

    const std::string& shown(Step3Field field) const { return fields_[field]; }
    const FieldTexts<Step3Field, kStep3Prompts.size()>& fieldTexts() const { return fields_; }
    const ui::Choice& production(Production list) const {
        return production_[static_cast<std::size_t>(list)];
    }

private:
    FieldTexts<Step3Field, kStep3Prompts.size()> fields_;
    std::array<ui::Choice, kProductionCount> production_{ui::Choice{kProductionValues},
                                                         ui::Choice{kProductionValues},
                                                         ui::Choice{kProductionValues}};
};

} // namespace bm::promotion
