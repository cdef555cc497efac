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
    const struct {
        Step3Field field;
        const char* reply;
        const char* stored; // nullptr: unchanged
    } prompts[] = {
        {Step3Field::tvatt, "7500 fans", "7500"}, {Step3Field::untvatt, "abc", "0"},
        {Step3Field::tvatt, "2.5", "2.5"},        {Step3Field::untvatt, "12,000", "12"},
        {Step3Field::tvatt, "", nullptr},
    };
    for (const auto& c : prompts) {
        const int at = kStep3Prompts[c.field].recordLine();
        const auto before = record.lines();
        dialogs.reply(c.reply);
        step.edit(c.field);
        EXPECT_EQ(record.lines(), c.stored ? test::withLines(before, {{at, c.stored}}) : before)
            << c.reply;
        EXPECT_EQ(step.shown(c.field), record.get(at)) << c.reply;
    }
    const auto& s = dialogs.shown();
    EXPECT_EQ(std::tuple(s[0].title, s[0].text, s[0].initial),
              std::tuple("Max Televised Attendence",
                         "Please enter the maximum attendence this promotion could attract for a "
                         "televised show at this point in time.",
                         "300"));
    EXPECT_EQ(std::tuple(s[1].title, s[1].text, s[1].initial),
              std::tuple("Max Untelevised Attendence",
                         "Please enter the maximum attendence this promotion could attract for an "
                         "untelevised show at this point in time.",
                         "100"));

    const struct {
        Production list;
        int index;
        int line;
        const char* stored; // nullptr: unchanged
    } lists[] = {
        {Production::primaryprod, 0, 42, "1"},
        {Production::secondaryprod, 19, 43, "20"},
        {Production::bigshowprod, 7, 44, "8"},
        {Production::bigshowprod, 20, 44, nullptr},
    };
    for (const auto& c : lists) {
        const auto before = record.lines();
        step.chooseProduction(c.list, c.index);
        EXPECT_EQ(record.lines(), c.stored ? test::withLines(before, {{c.line, c.stored}}) : before)
            << c.index;
    }
    EXPECT_EQ(step.production(Production::primaryprod).text(), "$500 Per Show");
    EXPECT_EQ(step.production(Production::secondaryprod).text(), "$1,250,000 Per Show");
}

TEST_F(Step3Test, LoadingShowsLevelsThatAreNoEntryAsStored) {
    load({{line::tvatt, "1e3"},
          {line::primaryprod, "20"},
          {line::secondaryprod, "07"},
          {line::bigshowprod, "21"}});
    EXPECT_EQ(step.shown(Step3Field::tvatt), "1e3");
    EXPECT_EQ(step.shown(Step3Field::untvatt), "100");
    const std::tuple<Production, int, const char*> expected[] = {
        {Production::primaryprod, 19, "$1,250,000 Per Show"},
        {Production::secondaryprod, -1, "07"},
        {Production::bigshowprod, -1, "21"},
    };
    for (const auto& [list, index, text] : expected) {
        EXPECT_EQ(step.production(list).index(), index) << text;
        EXPECT_EQ(step.production(list).text(), text);
    }
}

} // namespace
} // namespace bm::promotion
