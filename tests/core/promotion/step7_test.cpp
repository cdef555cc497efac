#include "core/promotion/step7.h"

#include "support/step_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

using F = Step7Field;

class Step7Test : public test::PromotionStepTest {
protected:
    Step7& step = editor.step7;

    // Every field shows its line, "None" for an empty one.
    void expectFieldsShowTheRecord(const std::string& label) {
        for (const auto& p : kStep7Prompts) {
            const std::string& stored = record.get(p.recordLine());
            EXPECT_EQ(step.shown(p.field), stored.empty() ? "None" : stored)
                << label << ": " << p.caption;
        }
    }
};

TEST_F(Step7Test, EachRolePromptsWithItsTextsAndNoneEmptiesItAndItsTitle) {
    expectFieldsShowTheRecord("a new promotion has nobody");
    constexpr int kNoTitle = -1;
    const struct {
        F field;
        int line;
        int titleLine; // emptied with a name
        const char* title;
        const char* message;
    } cases[] = {
        {F::powerfig1name, 217, 218, "Brand 1 Power Figure 1",
         "Please enter the name of the 1st power figure for this promotion. If this promotion has "
         "a roster split, this will be the main power figure of the first brand. If there is no "
         "person in this role, enter 'None'."},
        {F::brand1powerfig1title, 218, kNoTitle, "Brand 1 Power Figure 1 Job Title",
         "Please enter the job title of the 1st power figure for this promotion, eg. 'Co-General "
         "Manager Of Raw'. If this promotion has a roster split, this will be the main power "
         "figure of the first brand. If there is no person in this role, enter 'None'."},
        {F::brand1powerfig2name, 219, 220, "Brand 1 Power Figure 2",
         "Please enter the name of the 2nd power figure for this promotion. If this promotion has "
         "a roster split, this will be the 2nd power figure of the first brand. If there is no "
         "person in this role, enter 'None'."},
        {F::brand1powerfig2title, 220, kNoTitle, "Brand 1 Power Figure 2 Job Title",
         "Please enter the job title of the 2nd power figure for this promotion, eg. 'Co-General "
         "Manager Of Raw'. If this promotion has a roster split, this will be the 2nd power "
         "figure of the first brand. If there is no person in this role, enter 'None'."},
        {F::brand2powerfig1name, 221, 222, "Brand 2 Power Figure 1",
         "Please enter the name of the 1st power figure for brand 2 of this promotion. This power "
         "figure will only be used if this promotion has a roster split. If there is no person "
         "in this role, enter 'None'."},
        {F::brand2powerfig1title, 222, kNoTitle, "Brand 2 Power Figure 1 Job Title",
         "Please enter the job title of the 1st power figure of the 2nd brand for this "
         "promotion, eg. 'Co-General Manager Of Raw'. This power figure will only be used if "
         "this promotion has a roster split. If there is no person in this role, enter 'None'."},
        {F::brand2powerfig2name, 223, 224, "Brand 2 Power Figure 2",
         "Please enter the name of the 2nd power figure for brand 2 of this promotion. This power "
         "figure will only be used if this promotion has a roster split. If there is no person "
         "in this role, enter 'None'."},
        {F::brand2powerfig2title, 224, kNoTitle, "Brand 2 Power Figure 2 Job Title",
         "Please enter the job title of the 2nd power figure of the 2nd brand for this "
         "promotion, eg. 'Co-General Manager Of Raw'. This power figure will only be used if "
         "this promotion has a roster split. If there is no person in this role, enter 'None'."},
        {F::interviewer1, 225, kNoTitle, "Interviewer 1",
         "Please enter the name of the 1st interviewer for this promotion. If this promotion has "
         "a roster split, this will be the interviewer for the 1st brand. If there is nobody in "
         "this role, enter 'None'."},
        {F::interviewer2, 226, kNoTitle, "Interviewer 2",
         "Please enter the name of the 2nd interviewer for this promotion. If this promotion has "
         "a roster split, this will be the interviewer for the 2nd brand. If there is nobody in "
         "this role, enter 'None'."},
    };
    for (const auto& c : cases) {
        // Everyone in place, so that each edit shows exactly which lines it touches.
        for (const auto& p : kStep7Prompts) {
            record.set(p.recordLine(), "Rae \xe9");
        }
        step.fillFromRecord();
        expectPrompt(step, c.field, c.title, c.message);
        test::LineChanges emptied{{c.line, ""}};
        if (c.titleLine != kNoTitle) {
            emptied.push_back({c.titleLine, ""});
        }
        dialogs.reply("None");
        expectChanges([&] { step.edit(c.field); }, emptied);
        expectFieldsShowTheRecord(c.title);
    }
    dialogs.reply("none"); // any other word, whatever its case, is a name
    expectChanges([&] { step.edit(F::interviewer2); }, {{line::interviewer2, "none"}});

    // A title may be given to an empty role; the save clears it.
    dialogs.reply("None").reply("Commissioner");
    step.edit(F::brand2powerfig2name);
    step.edit(F::brand2powerfig2title);
    EXPECT_EQ(
        std::tuple(record.get(line::brand2powerfig2name), record.get(line::brand2powerfig2title)),
        std::tuple("", "Commissioner"));
}

} // namespace
} // namespace bm::promotion
