#include "core/promotion/step1.h"

#include "support/editor_fixture.h"

namespace bm::promotion {
namespace {

using ui::Icon;
using ui::Screen;
using Kind = test::ScriptedDialogs::Kind;

int indexOf(std::span<const std::string_view> entries, std::string_view entry) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == entry) {
            return static_cast<int>(i);
        }
    }
    ADD_FAILURE() << "no entry " << entry;
    return -1;
}

class Step1Test : public test::EditorTest {
protected:
    Step1& step = editor.step1;
    PromotionRecord& record = editor.chooser.record();

    // Loads the lines as a file through the chooser, as the user would.
    void load(const platform::Lines& lines) {
        game.writeLines("Data/p.fed", lines);
        editor.chooser.setMode(ChooserMode::Edit);
        editor.chooser.select(0);
        editor.chooser.act();
        ASSERT_EQ(navigator.current(), Screen::Step1);
    }
    void create() {
        dialogs.reply("new.fed");
        editor.promotionMenu.createPromotion();
        dialogs.clear();
    }
    static platform::Lines withSize(std::string size) {
        platform::Lines lines = makeTemplateRecord().lines();
        lines[line::size] = std::move(size);
        return lines;
    }
};

TEST_F(Step1Test, LoadingShowsEveryLineOfAFullFile) {
    platform::Lines lines = makeTemplateRecord().lines();
    lines[line::prominitials] = "NGW";
    lines[line::promname] = "Northgate Wrestling";
    lines[line::promlogo] = "ngw.gif";
    lines[line::size] = "5";
    lines[line::bankbalance] = "-1250.5";
    lines[line::website] = "None";
    lines[line::description] = "Hard-hitting action from the docks.";
    lines[line::owner] = "Odile Brackenridge";
    lines[line::rostersplit] = "Yes";
    lines[line::brand1] = "Friday Fury";
    lines[line::brand2] = "Sunday Slam";
    lines[line::tvcoverage] = "Regional";
    load(lines);

    EXPECT_EQ(step.shown(Step1Field::prominitials), "NGW");
    EXPECT_EQ(step.shown(Step1Field::promname), "Northgate Wrestling");
    EXPECT_EQ(step.promlogo(), "ngw.gif");
    EXPECT_EQ(step.size().index(), 4);
    EXPECT_EQ(step.size().text(), "Medium National (eg. WCW 2000)");
    EXPECT_EQ(step.shown(Step1Field::bankbalance), "-1250.5");
    EXPECT_EQ(step.shown(Step1Field::website), "None");
    EXPECT_EQ(step.description(), "Hard-hitting action from the docks.");
    EXPECT_EQ(step.shown(Step1Field::owner), "Odile Brackenridge");
    EXPECT_EQ(step.rostersplit().text(), "Yes");
    EXPECT_TRUE(step.brandsEnabled());
    EXPECT_EQ(step.shown(Step1Field::brand1), "Friday Fury");
    EXPECT_EQ(step.shown(Step1Field::brand2), "Sunday Slam");
    EXPECT_EQ(step.tvcoverage().index(), 2);
    EXPECT_EQ(record.lines(), lines) << "filling changes nothing";
}

TEST_F(Step1Test, ValuesOutsideTheListsAndShortFilesAreShownAsStored) {
    const struct {
        const char* label;
        platform::Lines lines;
        int sizeIndex;
        std::string sizeText;
        std::string split;
        bool brandsEnabled;
        int coverageIndex;
        std::string coverage;
    } cases[] = {
        {"short file", {"INI", "Name Only"}, -1, "", "", true, -1, ""},
        {"odd values",
         {"I", "N", "l.jpg", "7", "0", "w", "d", "o", "Maybe", "B1", "B2", "Cable"},
         -1,
         "7",
         "Maybe",
         true,
         -1,
         "Cable"},
        {"padded size",
         {"I", "N", "l", " 2", "", "", "", "", "No", "", "", "none"},
         -1,
         " 2",
         "No",
         false,
         -1,
         "none"},
        {"size zero",
         {"I", "N", "l", "0", "", "", "", "", "yes", "", "", "Local"},
         -1,
         "0",
         "yes",
         true,
         1,
         "Local"},
        {"size six",
         {"I", "N", "l", "6", "", "", "", "", "No", "X", "Y", "National"},
         5,
         "Large National (eg. WWE)",
         "No",
         false,
         3,
         "National"},
    };
    for (const auto& c : cases) {
        load(c.lines);
        EXPECT_EQ(step.size().index(), c.sizeIndex) << c.label;
        EXPECT_EQ(step.size().text(), c.sizeText) << c.label;
        EXPECT_EQ(step.rostersplit().text(), c.split) << c.label;
        EXPECT_EQ(step.brandsEnabled(), c.brandsEnabled) << c.label;
        EXPECT_EQ(step.tvcoverage().index(), c.coverageIndex) << c.label;
        EXPECT_EQ(step.tvcoverage().text(), c.coverage) << c.label;
        EXPECT_EQ(step.shown(Step1Field::brand2), record.get(line::brand2)) << c.label;
        EXPECT_EQ(record.lines(), c.lines) << c.label << ": nothing grows or changes on loading";
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Step1Test, EachPromptHasItsTitleMessageAndDefaultAndStoresItsLine) {
    create();
    step.chooseRosterSplit(indexOf(kRosterSplits, "Yes"));
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
        // Cancel first: nothing changes.
        const auto before = record.lines();
        dialogs.clear();
        dialogs.reply("");
        step.edit(c.field);
        ASSERT_EQ(dialogs.shown().size(), 1u) << c.title;
        const auto& shown = dialogs.shown()[0];
        EXPECT_EQ(shown.kind, Kind::Prompt);
        EXPECT_EQ(shown.title, c.title);
        EXPECT_EQ(shown.text, c.message);
        EXPECT_EQ(shown.initial, c.initial);
        EXPECT_EQ(record.lines(), before) << c.title;

        // Spaces alone are an answer, stored as typed except the number.
        dialogs.reply("  42 Spaces ");
        step.edit(c.field);
        const std::string expected = c.field == Step1Field::bankbalance ? "42" : "  42 Spaces ";
        platform::Lines after = before;
        after[static_cast<std::size_t>(c.line)] = expected;
        EXPECT_EQ(record.lines(), after) << c.title;
        EXPECT_EQ(step.shown(c.field), expected) << c.title;
        EXPECT_EQ(step1Prompt(c.field).line, c.line);
    }
}

TEST_F(Step1Test, BankBalanceStoresTheDecimalTextOfTheReplysNumber) {
    create();
    const struct {
        const char* reply;
        const char* stored;
    } cases[] = {
        {"250,000", "250"},   {"abc", "0"},   {"-42.5", "-42.5"}, {"1.5e3", "1500"},
        {"  7 dollars", "7"}, {"   ", "0"},   {"+12", "12"},      {"$100", "0"},
        {".5", "0.5"},        {"0012", "12"},
    };
    std::string previous = "250000";
    for (const auto& c : cases) {
        dialogs.reply(c.reply);
        step.edit(Step1Field::bankbalance);
        EXPECT_EQ(dialogs.shown().back().initial, previous) << "the prompt offers what is shown";
        EXPECT_EQ(record.get(line::bankbalance), c.stored) << c.reply;
        EXPECT_EQ(step.shown(Step1Field::bankbalance), c.stored) << c.reply;
        previous = c.stored;
    }
}

TEST_F(Step1Test, SizeIsStoredAsItsPositionWithoutRecheckingCoverage) {
    create();
    for (int i = 0; i < 6; ++i) {
        step.chooseSize(i);
        EXPECT_EQ(record.get(line::size), std::to_string(i + 1));
        EXPECT_EQ(step.size().index(), i);
    }
    EXPECT_EQ(record.get(line::tvcoverage), "None");
    step.chooseSize(6);
    step.chooseSize(-1);
    EXPECT_EQ(record.get(line::size), "6") << "no such entry";
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Step1Test, RosterSplitDisablesAndRestoresTheBrands) {
    create();
    EXPECT_FALSE(step.brandsEnabled()) << "the template has no split";
    step.edit(Step1Field::brand1); // disabled: no prompt
    EXPECT_TRUE(dialogs.shown().empty());

    step.chooseRosterSplit(indexOf(kRosterSplits, "Yes"));
    EXPECT_EQ(record.get(line::rostersplit), "Yes");
    EXPECT_TRUE(step.brandsEnabled());
    EXPECT_EQ(record.get(line::brand1), "Brand 1");
    EXPECT_EQ(record.get(line::brand2), "Brand 2");
    EXPECT_EQ(step.shown(Step1Field::brand1), "Brand 1");
    EXPECT_EQ(step.shown(Step1Field::brand2), "Brand 2");

    dialogs.reply("Iron Hour");
    step.edit(Step1Field::brand1);
    step.chooseRosterSplit(indexOf(kRosterSplits, "No"));
    EXPECT_EQ(record.get(line::rostersplit), "No");
    EXPECT_FALSE(step.brandsEnabled());
    EXPECT_EQ(record.get(line::brand1), "Iron Hour") << "names are kept";

    step.chooseRosterSplit(indexOf(kRosterSplits, "Yes"));
    EXPECT_EQ(step.shown(Step1Field::brand1), "Iron Hour");
    EXPECT_EQ(step.shown(Step1Field::brand2), "Brand 2");

    // Brand 1 empty: both get their defaults, whatever brand 2 held.
    record.set(line::brand1, "");
    record.set(line::brand2, "Kept?");
    step.chooseRosterSplit(indexOf(kRosterSplits, "Yes"));
    EXPECT_EQ(record.get(line::brand1), "Brand 1");
    EXPECT_EQ(record.get(line::brand2), "Brand 2");
    EXPECT_EQ(step.shown(Step1Field::brand2), "Brand 2");
}

TEST_F(Step1Test, CoverageRulesCorrectInOrderForEverySize) {
    const std::string N = std::string(kNationalNeedsSize);
    const std::string R = std::string(kRegionalNeedsSize);
    const std::string L = std::string(kLocalNeedsSize);
    const std::string Z = std::string(kNoneOnlyForBasic);
    const struct {
        const char* size;
        const char* chosen;
        const char* result;
        std::vector<std::string> messages;
    } cases[] = {
        {"1", "None", "None", {}},
        {"1", "Local", "None", {L}},
        {"1", "Regional", "None", {R}},
        {"1", "National", "None", {N}},
        {"2", "None", "Local", {Z}},
        {"2", "Local", "Local", {}},
        {"2", "Regional", "Local", {R, Z}},
        {"2", "National", "Local", {N, Z}},
        {"3", "None", "Regional", {Z}},
        {"3", "Local", "Regional", {L}},
        {"3", "Regional", "Regional", {}},
        {"3", "National", "Regional", {N, Z}},
        {"4", "None", "National", {Z}},
        {"4", "Local", "National", {L}},
        {"4", "Regional", "Regional", {}},
        {"4", "National", "National", {}},
        {"5", "None", "National", {Z}},
        {"5", "Local", "National", {L}},
        {"5", "Regional", "Regional", {}},
        {"5", "National", "National", {}},
        {"6", "None", "National", {Z}},
        {"6", "Local", "National", {L}},
        {"6", "Regional", "Regional", {}},
        {"6", "National", "National", {}},
        // Sizes from files made elsewhere: the text tests and the numeric
        // tests disagree, and the rules still end on what they set.
        {"03", "Local", "None", {L, Z}},
        {"", "Local", "None", {L}},
        {"", "National", "None", {N}},
        {"2.5", "None", "None", {Z}},
    };
    for (const auto& c : cases) {
        load(withSize(c.size));
        const auto before = record.lines();
        dialogs.clear();
        step.chooseTvCoverage(indexOf(kTvCoverages, c.chosen));
        const std::string label = std::string("size ") + c.size + ", " + c.chosen;
        EXPECT_EQ(step.tvcoverage().text(), c.result) << label;
        EXPECT_EQ(record.get(line::tvcoverage), c.result) << label;
        EXPECT_EQ(dialogs.texts(), c.messages) << label;
        for (const auto& shown : dialogs.shown()) {
            EXPECT_EQ(shown.kind, Kind::Message) << label;
            EXPECT_EQ(shown.title, "BM 1.3 Official Editor") << label;
            EXPECT_EQ(shown.icon, Icon::None) << label;
        }
        platform::Lines after = before;
        after[line::tvcoverage] = c.result;
        EXPECT_EQ(record.lines(), after) << label << ": only line 11 changes";
    }
}

TEST_F(Step1Test, DescriptionIsStoredOnEveryChangeWithoutLineBreaks) {
    create();
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"A", "A"},
        {"A rising indy", "A rising indy"},
        {"two\r\nlines", "two lines"},
        {"lf\nand\rcr", "lf and cr"},
        {"\r\n\r\n", "  "},
        {"", ""},
    };
    for (const auto& c : cases) {
        step.typeDescription(c.typed);
        EXPECT_EQ(record.get(line::description), c.stored) << c.typed;
        EXPECT_EQ(step.description(), c.stored) << c.typed;
    }
    EXPECT_TRUE(dialogs.shown().empty());
    step.descriptionHelp();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              "Type in a short description of this promotion, to help a new player when "
              "choosing which promotion to control.");
    EXPECT_EQ(dialogs.shown()[0].title, "Description");
    EXPECT_EQ(dialogs.shown()[0].kind, Kind::Message);
}

TEST_F(Step1Test, NextGoesToStepTwoOnceItExists) {
    create();
    navigator.missing.insert(Screen::Step2);
    step.next();
    EXPECT_EQ(navigator.current(), Screen::Step1) << "no step 2 window yet: stay";
    navigator.missing.clear();
    step.next();
    EXPECT_EQ(navigator.current(), Screen::Step2);
    EXPECT_FALSE(navigator.isVisible(Screen::Step1));
    EXPECT_TRUE(dialogs.shown().empty()) << "no check on the way";
}

TEST_F(Step1Test, BackAsksBeforeLeavingForTheChooser) {
    create();
    dialogs.no();
    step.back();
    EXPECT_EQ(navigator.current(), Screen::Step1);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, Kind::Question);
    EXPECT_EQ(dialogs.shown()[0].title, "BM 1.3 Official Editor");
    EXPECT_EQ(dialogs.shown()[0].text,
              "If you haven't gone through all steps and clicked Save, you will lose any "
              "changes by returning to the menu.\r\n\r\nAre you sure you want to go back to the "
              "menu?");
}

TEST_F(Step1Test, LogoIsPickedBesideTheStepAndShownWhenChosen) {
    game.write("Images/crest.jpg", "not really a picture");
    create();
    step.pickLogo();
    EXPECT_TRUE(navigator.isVisible(Screen::ImagePicker));
    EXPECT_TRUE(navigator.isVisible(Screen::Step1)) << "the step stays";
    EXPECT_EQ(editor.picker.heading(), "Promotion Logo");
    EXPECT_FALSE(editor.picker.noImageEnabled());
    editor.picker.useImage();
    EXPECT_EQ(record.get(line::promlogo), "crest.jpg");
    EXPECT_EQ(step.promlogo(), "crest.jpg");
    EXPECT_FALSE(navigator.isVisible(Screen::ImagePicker));
}

} // namespace
} // namespace bm::promotion
