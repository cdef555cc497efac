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
    dialogs.reply("7500 fans").reply("12,000");
    expectChanges([&] { step.edit(Step3Field::tvatt), step.edit(Step3Field::untvatt); },
                  {{41, "7500"}, {40, "12"}});
    EXPECT_EQ(step.shown(Step3Field::untvatt), "12");
    expectChanges(
        [&] {
            step.chooseProduction(Production::primaryprod, 0);
            step.chooseProduction(Production::secondaryprod, 19);
            step.chooseProduction(Production::bigshowprod, 20); // no such level
        },
        {{42, "1"}, {43, "20"}});
    EXPECT_EQ(step.production(Production::secondaryprod).text(), "$1,250,000 Per Show");
}

TEST_F(Step3Test, LoadingShowsLevelsThatAreNoEntryAsStored) {
    load({{41, "1e3"}, {42, "20"}, {43, "07"}, {44, "21"}});
    EXPECT_EQ(std::tuple(step.shown(Step3Field::tvatt),
                         step.production(Production::primaryprod).text(),
                         step.production(Production::secondaryprod).text(),
                         step.production(Production::bigshowprod).index()),
              std::tuple("1e3", "$1,250,000 Per Show", "07", -1));
}

} // namespace
} // namespace bm::promotion
