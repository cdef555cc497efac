#include "core/promotion/step5.h"

#include "support/editor_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

using Kind = test::ScriptedDialogs::Kind;

class Step5Test : public test::EditorTest {
protected:
    Step5& step = editor.step5;
    PromotionRecord& record = editor.chooser.record();

    void SetUp() override {
        dialogs.reply("new.fed");
        editor.promotionMenu.createPromotion();
        dialogs.clear();
    }
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
    step.chooseLevel(2);
    step.chooseLevel(3); // no such entry
    step.moveDays(41);
    step.moveDays(17);
    const struct {
        Step5Field field;
        const char* title;
        const char* message;
        const char* initial;
        const char* answer;
    } prompts[] = {
        {Step5Field::nameofbigshow, "Big Show Name",
         "Please enter the name of the next big show this promotion will have. If there isn't "
         "one currently planned, enter 'None'.",
         "None", "Harvest Havoc"},
        {Step5Field::dateofshow, "Date Of Big Show",
         "Please enter the date when this big show will take place. The date must be in the form "
         "'Wednesday 18th August 2004'.",
         "", "23/08/2004"},
    };
    for (const auto& p : prompts) {
        dialogs.clear();
        dialogs.reply("").reply(p.answer);
        step.edit(p.field);
        step.edit(p.field);
        ASSERT_EQ(dialogs.shown().size(), 2u);
        const auto& s = dialogs.shown()[0];
        EXPECT_EQ(std::tuple(s.kind, s.title, s.text, s.initial),
                  std::tuple(Kind::Prompt, p.title, p.message, p.initial));
        EXPECT_EQ(step.shown(p.field), p.answer);
    }
    EXPECT_EQ(booking(), std::tuple("Harvest Havoc", "3", "23/08/2004", "17"));
    EXPECT_EQ(screen(), std::tuple("Harvest Havoc", "Extensive", "23/08/2004", 17, "17"));

    dialogs.reply("none"); // only "None" exactly means no show
    step.edit(Step5Field::nameofbigshow);
    EXPECT_EQ(booking(), std::tuple("none", "3", "23/08/2004", "17"));
    dialogs.reply("None");
    step.edit(Step5Field::nameofbigshow);
    EXPECT_EQ(booking(), std::tuple("None", "", "", "0"));
    EXPECT_EQ(screen(), std::tuple("None", "Basic", "", 0, "0"));
    EXPECT_EQ(record.lineCount(), 238u);
}

// Whatever a file holds, the screen shows it without failing or writing.
TEST_F(Step5Test, FillShowsTheBookingAndKeepsOddValuesAsStored) {
    const struct {
        std::tuple<const char*, const char*, const char*, const char*> lines;
        int levelIndex;
        std::tuple<const char*, const char*, const char*, int, const char*> shown;
    } cases[] = {
        {{"Autumn Overdrive", "2", "Sunday 26th September 2004", "12"},
         1,
         {"Autumn Overdrive", "Regular", "Sunday 26th September 2004", 12, "12"}},
        {{"None", "3", "Sunday 26th September 2004", "12"}, 0, {"None", "Basic", "", 0, "0"}},
        {{"Odd Show", "02", "soon", "99"}, -1, {"Odd Show", "02", "soon", 40, "99"}},
        {{"", "", "", "-70000"}, -1, {"", "", "", 0, "-70000"}},
    };
    for (const auto& c : cases) {
        record.set(line::nameofbigshow, std::get<0>(c.lines));
        record.set(line::levelofpromotion, std::get<1>(c.lines));
        record.set(line::dateofshow, std::get<2>(c.lines));
        record.set(line::days, std::get<3>(c.lines));
        const auto before = record.lines();
        step.fillFromRecord();
        EXPECT_EQ(screen(), c.shown) << std::get<0>(c.lines);
        EXPECT_EQ(step.level().index(), c.levelIndex) << std::get<0>(c.lines);
        EXPECT_EQ(record.lines(), before);
    }
}

} // namespace
} // namespace bm::promotion
