#include "core/promotion/step1.h"

#include "support/step_fixture.h"

#include <map>
#include <tuple>

namespace bm::promotion {
namespace {

using ui::Screen;
using Kind = test::ScriptedDialogs::Kind;

constexpr int kYes = 0;
constexpr int kNo = 1;

class Step1Test : public test::PromotionStepTest {
protected:
    Step1& step = editor.step1;
};

TEST_F(Step1Test, EachPromptShowsItsTextsAndTheValueAndStoresItsLine) {
    step.chooseRosterSplit(kYes);
    const struct {
        Step1Field field;
        int line;
        const char* title;
        const char* message;
        const char* initial;
    } cases[] = {
        {Step1Field::prominitials, 0, "Promotion Initials",
         "Please enter the initials of this promotion, eg. WWF.", "BMF"},
        {Step1Field::promname, 1, "Promotion Name",
         "Please enter the name of this promotion, eg. World Wrestling Federation.",
         "Brawlmark Federation"},
        {Step1Field::bankbalance, 4, "Bank Balance",
         "Please enter the bank balance of this promotion, in U.S. dollars.", "250000"},
        {Step1Field::website, 5, "Website Address",
         "Please enter the website address of this promotion, eg. "
         "http://www.ironbridge-wrestling.example. If there isn't a website address for this "
         "promotion, enter 'None'.",
         "http://www.brawlmark-federation.example"},
        {Step1Field::owner, 7, "Owner's Name",
         "Please enter the name of the owner of this promotion, eg. Garrick Stavely.",
         "Vandermolt"},
        {Step1Field::brand1, 9, "Brand 1 Name",
         "Please enter the name of the first brand in your roster split.", "Brand 1"},
        {Step1Field::brand2, 10, "Brand 2 Name",
         "Please enter the name of the second brand in your roster split.", "Brand 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        dialogs.clear();
        dialogs.reply(""); // Cancel
        expectChanges([&] { step.edit(c.field); }, {});
        ASSERT_EQ(dialogs.shown().size(), 1u);
        const auto& s = dialogs.shown()[0];
        EXPECT_EQ(std::tuple(s.kind, s.title, s.text, s.initial),
                  std::tuple(Kind::Prompt, c.title, c.message, c.initial));

        // Stored as typed, spaces and all, a pasted line break as a blank; the
        // bank balance as its number.
        const std::string stored = c.field == Step1Field::bankbalance ? "1" : " 1,5 Spa ces ";
        dialogs.reply(" 1,5\r\nSpa\nces\r");
        expectChanges([&] { step.edit(c.field); }, {{c.line, stored}});
        EXPECT_EQ(step.shown(c.field), stored);
    }
}

// Every size against every coverage, and a size written elsewhere that the
// text checks and the number checks read differently.
TEST_F(Step1Test, CoverageRulesCorrectTheChoiceInOrder) {
    const std::map<char, std::string> message{
        {'N', "The promotion size must be at least Small National to have National TV."},
        {'R', "The promotion size must be at least 'Indy With Regional TV' to have Regional TV."},
        {'L', "The promotion size must be 'Indy With Local TV' to have Local TV."},
        {'Z', "Only a Basic Indy can have no television coverage."},
    };
    // Per chosen None, Local, Regional, National: the coverage it ends at
    // and the messages on the way.
    const struct {
        const char* size;
        std::array<const char*, 4> result;
        std::array<const char*, 4> messages;
    } cases[] = {
        {"1", {"None", "None", "None", "None"}, {"", "L", "R", "N"}},
        {"2", {"Local", "Local", "Local", "Local"}, {"Z", "", "RZ", "NZ"}},
        {"3", {"Regional", "Regional", "Regional", "Regional"}, {"Z", "L", "", "NZ"}},
        {"4", {"National", "National", "Regional", "National"}, {"Z", "L", "", ""}},
        {"5", {"National", "National", "Regional", "National"}, {"Z", "L", "", ""}},
        {"6", {"National", "National", "Regional", "National"}, {"Z", "L", "", ""}},
        {"03", {"None", "None", "Regional", "None"}, {"Z", "LZ", "", "NZ"}},
    };
    for (const auto& c : cases) {
        const std::string size = c.size;
        if (size.size() == 1) {
            step.chooseSize(size[0] - '1');
        } else {
            record.set(line::size, size);
        }
        ASSERT_EQ(record.get(line::size), size);
        for (int chosen = 0; chosen < 4; ++chosen) {
            SCOPED_TRACE(size + ", " + std::string(kTvCoverages[chosen]));
            dialogs.clear();
            expectChanges([&] { step.chooseTvCoverage(chosen); },
                          {{line::tvcoverage, c.result[chosen]}});
            std::vector<std::string> expected;
            for (const char* m = c.messages[chosen]; *m; ++m) {
                expected.push_back(message.at(*m));
            }
            EXPECT_EQ(dialogs.texts(), expected);
            EXPECT_EQ(step.tvcoverage().text(), c.result[chosen]);
        }
    }
    step.chooseSize(6);
    step.chooseTvCoverage(4);
    EXPECT_EQ(record.get(line::size), "03") << "no such entries";
    EXPECT_EQ(record.get(line::tvcoverage), "None");
}

TEST_F(Step1Test, RosterSplitEnablesTheBrandsAndKeepsTheirNames) {
    auto split = [this] {
        return std::tuple{record.get(line::rostersplit), step.brandsEnabled(),
                          record.get(line::brand1), record.get(line::brand2)};
    };
    EXPECT_EQ(split(), std::tuple("No", false, "", "")) << "the template";
    step.edit(Step1Field::brand1); // disabled: no prompt
    EXPECT_TRUE(dialogs.shown().empty());
    step.chooseRosterSplit(kYes); // empty names get the defaults
    EXPECT_EQ(split(), std::tuple("Yes", true, "Brand 1", "Brand 2"));
    EXPECT_EQ(step.shown(Step1Field::brand2), "Brand 2");
    dialogs.reply("Iron Hour");
    step.edit(Step1Field::brand1);
    step.chooseRosterSplit(kNo); // the names stay for a later Yes
    EXPECT_EQ(split(), std::tuple("No", false, "Iron Hour", "Brand 2"));
    step.chooseRosterSplit(kYes);
    EXPECT_EQ(split(), std::tuple("Yes", true, "Iron Hour", "Brand 2"));
    record.set(line::brand1, ""); // no brand 1: both get their defaults
    record.set(line::brand2, "Kept?");
    step.chooseRosterSplit(kYes);
    EXPECT_EQ(split(), std::tuple("Yes", true, "Brand 1", "Brand 2"));
    EXPECT_EQ(step.shown(Step1Field::brand1), "Brand 1");
}

TEST_F(Step1Test, DescriptionIsStoredOnEveryChangeWithoutLineBreaks) {
    for (const char* typed : {"lf\nand\r\ncr\r", ""}) {
        step.typeDescription(typed);
        EXPECT_EQ(record.get(line::description), *typed ? "lf and cr " : "");
        EXPECT_EQ(step.description(), record.get(line::description));
    }
    step.descriptionHelp();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              "Type in a short description of this promotion, to help a new player when "
              "choosing which promotion to control.");
    EXPECT_EQ(dialogs.shown()[0].title, "Description");
}

} // namespace
} // namespace bm::promotion
