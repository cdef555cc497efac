#include "core/promotion/step5.h"

#include "support/step_fixture.h"

#include <array>
#include <tuple>

namespace bm::promotion {
namespace {

class Step5Test : public test::PromotionStepTest {
protected:
    Step5& step = editor.step5;

    auto booking() const {
        return std::tuple(record.get(line::nameofbigshow), record.get(line::levelofpromotion),
                          record.get(line::dateofshow), record.get(line::days));
    }
    auto screen() const {
        return std::tuple(step.shown(Step5Field::nameofbigshow), step.level().text(),
                          step.shown(Step5Field::dateofshow), step.daysBar().position(),
                          step.days());
    }
};

TEST_F(Step5Test, EditsAreStoredUncheckedAndNoneEmptiesTheBooking) {
    expectPrompt(step, Step5Field::nameofbigshow, "Big Show Name",
                 "Please enter the name of the next big show this promotion will have. If there "
                 "isn't one currently planned, enter 'None'.");
    expectPrompt(step, Step5Field::dateofshow, "Date Of Big Show",
                 "Please enter the date when this big show will take place. The date must be in "
                 "the form 'Wednesday 18th August 2004'.");
    step.chooseLevel(2);
    step.chooseLevel(3); // no such entry
    step.moveDays(17);
    dialogs.reply("Harvest Havoc").reply("23/08/2004");
    step.edit(Step5Field::nameofbigshow);
    step.edit(Step5Field::dateofshow);
    EXPECT_EQ(booking(), std::tuple("Harvest Havoc", "3", "23/08/2004", "17"));
    EXPECT_EQ(screen(), std::tuple("Harvest Havoc", "Extensive", "23/08/2004", 17, "17"));

    dialogs.reply("none").reply("None"); // only "None" exactly means no show
    step.edit(Step5Field::nameofbigshow);
    EXPECT_EQ(booking(), std::tuple("none", "3", "23/08/2004", "17"));
    step.edit(Step5Field::nameofbigshow);
    EXPECT_EQ(booking(), std::tuple("None", "", "", "0"));
    EXPECT_EQ(screen(), std::tuple("None", "Basic", "", 0, "0"));
}

// Whatever a file holds, the screen shows it without failing or writing.
TEST_F(Step5Test, FillShowsTheBookingAndKeepsOddValuesAsStored) {
    const struct {
        std::array<const char*, 4> lines;
        std::tuple<const char*, const char*, const char*, int, const char*> shown;
    } cases[] = {
        {{"Autumn Overdrive", "3", "Sunday 26th September 2004", "12"},
         {"Autumn Overdrive", "Extensive", "Sunday 26th September 2004", 12, "12"}},
        {{"None", "3", "Sunday 26th September 2004", "12"}, {"None", "Basic", "", 0, "0"}},
        {{"Odd Show", "02", "", "-70000"}, {"Odd Show", "02", "", 0, "-70000"}},
    };
    const int lines[] = {line::nameofbigshow, line::levelofpromotion, line::dateofshow, line::days};
    for (const auto& c : cases) {
        for (std::size_t i = 0; i < 4; ++i) {
            record.set(lines[i], c.lines[i]);
        }
        const auto before = record.lines();
        step.fillFromRecord();
        EXPECT_EQ(screen(), c.shown) << c.lines[0];
        EXPECT_EQ(record.lines(), before);
    }
}

} // namespace
} // namespace bm::promotion
