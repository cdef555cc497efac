#include "core/promotion/step7.h"

#include "support/editor_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

using Kind = test::ScriptedDialogs::Kind;
using F = Step7Field;

class Step7Test : public test::EditorTest {
protected:
    Step7& step = editor.step7;
    PromotionRecord& record = editor.chooser.record();

    void SetUp() override {
        dialogs.reply("new.fed");
        editor.promotionMenu.createPromotion();
        dialogs.clear();
    }
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
        platform::Lines expected = record.lines();
        dialogs.clear();

        dialogs.reply(""); // Cancel
        step.edit(c.field);
        ASSERT_EQ(dialogs.shown().size(), 1u) << c.title;
        const auto& s = dialogs.shown()[0];
        EXPECT_EQ(std::tuple(s.kind, s.title, s.text, s.initial),
                  std::tuple(Kind::Prompt, c.title, c.message, "Rae \xe9"));
        EXPECT_EQ(record.lines(), expected) << c.title;

        dialogs.reply("none"); // any other word, whatever its case, is a name
        step.edit(c.field);
        expected[static_cast<std::size_t>(c.line)] = "none";
        EXPECT_EQ(record.lines(), expected) << c.title;

        dialogs.reply("None");
        step.edit(c.field);
        expected[static_cast<std::size_t>(c.line)] = "";
        if (c.titleLine != kNoTitle) {
            expected[static_cast<std::size_t>(c.titleLine)] = "";
        }
        EXPECT_EQ(record.lines(), expected) << c.title;
        expectFieldsShowTheRecord(c.title);
    }

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
