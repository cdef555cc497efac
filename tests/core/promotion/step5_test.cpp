#include "core/promotion/step5.h"

#include "support/step_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

class Step5Test : public test::PromotionStepTest {
protected:
    Step5& step = editor.step5;

    // The booking's lines, then what the screen shows.
    std::string booking() const {
        return joined({record.get(line::nameofbigshow), record.get(line::levelofpromotion),
                       record.get(line::dateofshow), record.get(line::days),
                       step.shown(Step5Field::nameofbigshow), step.level().text(),
                       step.shown(Step5Field::dateofshow),
                       std::to_string(step.daysBar().position()), step.days()});
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
    dialogs.reply("Harvest Havoc").reply("23/08/2004").reply("none").reply("None");
    step.edit(Step5Field::nameofbigshow);
    step.edit(Step5Field::dateofshow);
    EXPECT_EQ(booking(), "Harvest Havoc|3|23/08/2004|17|Harvest Havoc|Extensive|23/08/2004|17|17");
    step.edit(Step5Field::nameofbigshow); // only "None" exactly means no show
    EXPECT_EQ(booking(), "none|3|23/08/2004|17|none|Extensive|23/08/2004|17|17");
    step.edit(Step5Field::nameofbigshow);
    EXPECT_EQ(booking(), "None|||0|None|Basic||0|0");
}

// Whatever a file holds, the screen shows it without failing or writing.
TEST_F(Step5Test, FillShowsTheBookingAndKeepsOddValuesAsStored) {
    const std::tuple<const char*, const char*> cases[] = {
        {"Autumn Overdrive|3|Sunday 26th September 2004|12",
         "Autumn Overdrive|Extensive|Sunday 26th September 2004|12|12"},
        {"None|3|Sunday 26th September 2004|12", "None|Basic||0|0"},
        {"Odd Show|02||-70000", "Odd Show|02||0|-70000"},
    };
    for (const auto& [lines, shown] : cases) {
        setLines(line::nameofbigshow, lines);
        expectChanges([&] { step.fillFromRecord(); }, {});
        EXPECT_EQ(booking(), std::string(lines) + "|" + shown);
    }
}

} // namespace
} // namespace bm::promotion
