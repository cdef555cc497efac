#pragma once

#include "core/promotion/prompt_table.h"
#include "core/promotion/record/promotion_layout.h"
#include "core/promotion/step.h"

#include <optional>
#include <string>
#include <string_view>

namespace bm::promotion {

// Typed for a role, this word leaves it empty; an empty role shows it.
inline constexpr std::string_view kNobody = "None";

// Each power figure's name is followed by its job title.
enum class Step7Field {
    powerfig1name,
    brand1powerfig1title,
    brand1powerfig2name,
    brand1powerfig2title,
    brand2powerfig1name,
    brand2powerfig1title,
    brand2powerfig2name,
    brand2powerfig2title,
    interviewer1,
    interviewer2,
};

namespace rules {
// Stored as typed, except that "None" (exactly) stores an empty line.
std::optional<Entry> nobodyIsEmpty(const std::string& reply, ui::Dialogs& dialogs);
} // namespace rules

inline constexpr PromptTable<Step7Field, 10> kStep7Prompts{
    {Step7Field::powerfig1name, "Brand 1 Power Figure 1 Name", line::powerfig1name,
     "Brand 1 Power Figure 1",
     "Please enter the name of the 1st power figure for this promotion. If this promotion has a "
     "roster split, this will be the main power figure of the first brand. If there is no person "
     "in this role, enter 'None'.",
     rules::nobodyIsEmpty},
    {Step7Field::brand1powerfig1title, "Brand 1 Power Figure 1 Title", line::brand1powerfig1title,
     "Brand 1 Power Figure 1 Job Title",
     "Please enter the job title of the 1st power figure for this promotion, eg. 'Co-General "
     "Manager Of Raw'. If this promotion has a roster split, this will be the main power figure "
     "of the first brand. If there is no person in this role, enter 'None'.",
     rules::nobodyIsEmpty},
    {Step7Field::brand1powerfig2name, "Brand 1 Power Figure 2 Name", line::brand1powerfig2name,
     "Brand 1 Power Figure 2",
     "Please enter the name of the 2nd power figure for this promotion. If this promotion has a "
     "roster split, this will be the 2nd power figure of the first brand. If there is no person "
     "in this role, enter 'None'.",
     rules::nobodyIsEmpty},
    {Step7Field::brand1powerfig2title, "Brand 1 Power Figure 2 Title", line::brand1powerfig2title,
     "Brand 1 Power Figure 2 Job Title",
     "Please enter the job title of the 2nd power figure for this promotion, eg. 'Co-General "
     "Manager Of Raw'. If this promotion has a roster split, this will be the 2nd power figure "
     "of the first brand. If there is no person in this role, enter 'None'.",
     rules::nobodyIsEmpty},
    {Step7Field::brand2powerfig1name, "Brand 2 Power Figure 1 Name", line::brand2powerfig1name,
     "Brand 2 Power Figure 1",
     "Please enter the name of the 1st power figure for brand 2 of this promotion. This power "
     "figure will only be used if this promotion has a roster split. If there is no person in "
     "this role, enter 'None'.",
     rules::nobodyIsEmpty},
    {Step7Field::brand2powerfig1title, "Brand 2 Power Figure 1 Title", line::brand2powerfig1title,
     "Brand 2 Power Figure 1 Job Title",
     "Please enter the job title of the 1st power figure of the 2nd brand for this promotion, eg. "
     "'Co-General Manager Of Raw'. This power figure will only be used if this promotion has a "
     "roster split. If there is no person in this role, enter 'None'.",
     rules::nobodyIsEmpty},
    {Step7Field::brand2powerfig2name, "Brand 2 Power Figure 2 Name", line::brand2powerfig2name,
     "Brand 2 Power Figure 2",
     "Please enter the name of the 2nd power figure for brand 2 of this promotion. This power "
     "figure will only be used if this promotion has a roster split. If there is no person in "
     "this role, enter 'None'.",
     rules::nobodyIsEmpty},
    {Step7Field::brand2powerfig2title, "Brand 2 Power Figure 2 Title", line::brand2powerfig2title,
     "Brand 2 Power Figure 2 Job Title",
     "Please enter the job title of the 2nd power figure of the 2nd brand for this promotion, eg. "
     "'Co-General Manager Of Raw'. This power figure will only be used if this promotion has a "
     "roster split. If there is no person in this role, enter 'None'.",
     rules::nobodyIsEmpty},
    {Step7Field::interviewer1, "Interviewer 1", line::interviewer1, "Interviewer 1",
     "Please enter the name of the 1st interviewer for this promotion. If this promotion has a "
     "roster split, this will be the interviewer for the 1st brand. If there is nobody in this "
     "role, enter 'None'.",
     rules::nobodyIsEmpty},
    {Step7Field::interviewer2, "Interviewer 2", line::interviewer2, "Interviewer 2",
     "Please enter the name of the 2nd interviewer for this promotion. If this promotion has a "
     "roster split, this will be the interviewer for the 2nd brand. If there is nobody in this "
     "role, enter 'None'.",
     rules::nobodyIsEmpty},
};

// Step 7 of the promotion editor: who runs the promotion on screen, two
// power figures per brand and two interviewers. Every change goes into the
// record at once; the save moves filled roles up over empty ones.
class Step7 : public Step {
public:
    explicit Step7(StepServices& services);

    void fillFromRecord() override;

    // What the user can do.
    void edit(Step7Field field);

    const std::string& shown(Step7Field field) const { return fields_[field]; }
    const FieldTexts<Step7Field, kStep7Prompts.size()>& fieldTexts() const { return fields_; }

private:
    FieldTexts<Step7Field, kStep7Prompts.size()> fields_;
};

} // namespace bm::promotion
