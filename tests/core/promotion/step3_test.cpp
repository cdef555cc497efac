#include "core/promotion/step3.h"

#include "support/step_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

class Step3Test : public test::PromotionStepTest {
protected:
    Step3& step = editor.step3;
};

TEST_F(Step3Test, AttendancesStoreTheirNumberAndListsTheirLevel) {
    expectPrompt(step, Step3Field::tvatt, "Max Televised Attendence",
                 "Please enter the maximum attendence this promotion could attract for a "
                 "televised show at this point in time.");
    expectPrompt(step, Step3Field::untvatt, "Max Untelevised Attendence",
                 "Please enter the maximum attendence this promotion could attract for an "
                 "untelevised show at this point in time.");
    const std::tuple<Step3Field, const char*, int, const char*> prompts[] = {
        {Step3Field::tvatt, "7500 fans", 41, "7500"},
        {Step3Field::untvatt, "12,000", 40, "12"},
    };
    for (const auto& [field, reply, at, stored] : prompts) {
        dialogs.reply(reply);
        expectChanges([&] { step.edit(field); }, {{at, stored}});
        EXPECT_EQ(step.shown(field), stored);
    }

    const std::tuple<Production, int, test::LineChanges> lists[] = {
        {Production::primaryprod, 0, {{42, "1"}}},
        {Production::secondaryprod, 19, {{43, "20"}}},
        {Production::bigshowprod, 20, {}},
    };
    for (const auto& [list, index, changes] : lists) {
        expectChanges([&] { step.chooseProduction(list, index); }, changes);
    }
    EXPECT_EQ(step.production(Production::secondaryprod).text(), "$1,250,000 Per Show");
}

TEST_F(Step3Test, LoadingShowsLevelsThatAreNoEntryAsStored) {
    load({{41, "1e3"}, {42, "20"}, {43, "07"}, {44, "21"}});
    EXPECT_EQ(step.shown(Step3Field::tvatt), "1e3");
    EXPECT_EQ(step.production(Production::primaryprod).text(), "$1,250,000 Per Show");
    EXPECT_EQ(step.production(Production::secondaryprod).text(), "07");
    EXPECT_EQ(step.production(Production::bigshowprod).index(), -1);
}

} // namespace
} // namespace bm::promotion
