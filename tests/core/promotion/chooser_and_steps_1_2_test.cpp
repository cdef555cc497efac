#include "core/promotion/promotion_chooser.h"
#include "core/promotion/step1.h"
#include "core/promotion/step2.h"
#include "core/promotion/step4.h"

#include "support/step_fixture.h"

#include <filesystem>
#include <map>
#include <tuple>

namespace bm::promotion {
namespace {

namespace fs = std::filesystem;

using test::templateWith;
using Texts = std::vector<std::string>;
using ui::Icon;
using ui::Screen;

constexpr int kYes = 0;
constexpr int kNo = 1;
// A show's lines: name, day, logo, brand, type, bar, rating.
constexpr const char* kFury = "Night Fury|Friday|fury.gif|Brand 2|TV|150|350";

// A later step screen that records the names it was shown.
class FakeStep : public StepFiller {
public:
    explicit FakeStep(const PromotionRecord& record) : record_(record) {}
    void fillFromRecord() override { shownNames.push_back(record_.get(line::promname)); }
    std::vector<std::string> shownNames;

private:
    const PromotionRecord& record_;
};

class PromotionChooserTest : public test::EditorTest {
protected:
    PromotionChooser& chooser = editor.chooser;
    FakeStep laterStep{chooser.record()};

    void SetUp() override {
        chooser.addStep(laterStep);
        game.writeLines("Data/alpha.fed", templateWith({{line::promname, "Alpha Union"}}));
        game.writeLines("Data/beta.fed", templateWith({{line::promname, "Beta League"}}));
        navigator.go(Screen::PromotionMenu);
    }
    void open(ChooserMode mode) {
        chooser.setMode(mode);
        navigator.go(Screen::PromotionChooser);
    }
    auto files() const { return chooser.files(); }
};

TEST_F(PromotionChooserTest, ListsTheContextsFedFilesAndShowsTheClickedOnesName) {
    EXPECT_EQ(std::tuple(chooser.heading(), chooser.nameoffile()),
              std::tuple("Editing Promotions", "filename"));
    chooser.select(0);
    open(ChooserMode::Delete);
    EXPECT_EQ(std::tuple(chooser.heading(), chooser.promptLine(), chooser.actionCaption(),
                         chooser.selected(), files()),
              std::tuple("Delete Promotion", "Select Promotion To Delete", "Delete This Promotion",
                         -1, std::vector<std::string>{"alpha.fed", "beta.fed"}));
    chooser.select(1);
    EXPECT_EQ(std::tuple(chooser.selected(), chooser.promptLine()), std::tuple(1, "Beta League"));
    chooser.select(2);
    EXPECT_EQ(std::tuple(chooser.selected(), chooser.nameoffile()), std::tuple(-1, "filename"));
    EXPECT_TRUE(laterStep.shownNames.empty()) << "a click loads nothing";

    editor.context.enter(context::ContextKind::Scenario, "\\Scenarios\\Other World\\");
    game.write("Scenarios/Other World/gamma.fed", "");
    open(ChooserMode::Edit);
    EXPECT_EQ(files(), std::vector<std::string>{"gamma.fed"});
}

// Values outside step 1's lists are shown as stored, and a short file as empty.
TEST_F(PromotionChooserTest, EditLoadsTheFileExactlyAndFillsEveryStep) {
    using namespace line;
    auto full = templateWith({{size, "6"}, {rostersplit, "yes"}, {tvcoverage, "Regional"}});
    full.push_back("an extra line");
    const std::tuple<platform::Lines, int, bool, int> cases[] = {
        {full, 5, true, 2},
        {{"INI", "Short"}, -1, true, -1},
        {templateWith({{size, "7"}, {rostersplit, "No"}, {tvcoverage, "none"}}), -1, false, -1},
    };
    open(ChooserMode::Edit);
    chooser.act(); // nothing selected
    EXPECT_EQ(navigator.current(), Screen::PromotionChooser);
    const Step1& step1 = editor.step1;
    for (const auto& [lines, sizeIndex, brands, coverage] : cases) {
        game.writeLines("Data/beta.fed", lines);
        laterStep.shownNames.clear();
        navigator.go(Screen::PromotionChooser);
        chooser.select(1);
        chooser.act();
        const auto& record = chooser.record();
        EXPECT_EQ(record.lines(), lines);
        EXPECT_EQ(std::tuple(chooser.nameoffile(), navigator.current(), laterStep.shownNames),
                  std::tuple("beta.fed", Screen::Step1, std::vector<std::string>{lines[1]}));
        EXPECT_EQ(std::tuple(step1.size().index(), step1.brandsEnabled(),
                             step1.tvcoverage().index(), step1.shown(Step1Field::promname)),
                  std::tuple(sizeIndex, brands, coverage, lines[1]));
        EXPECT_EQ(std::tuple(step1.promlogo(), step1.size().text(), step1.tvcoverage().text()),
                  std::tuple(record.get(promlogo),
                             sizeIndex < 0 ? record.get(size) : step1.size().text(),
                             record.get(tvcoverage)));
    }
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(dialogs.busyNow());

    // Gone since it was listed: named, and nothing changes.
    navigator.go(Screen::PromotionChooser);
    const auto before = chooser.record().lines();
    laterStep.shownNames.clear();
    chooser.select(0);
    fs::remove(game.path("Data/alpha.fed"));
    chooser.act();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Critical);
    EXPECT_NE(dialogs.shown()[0].text.find("alpha.fed"), std::string::npos);
    EXPECT_EQ(std::tuple(chooser.record().lines(), chooser.nameoffile(), navigator.current(),
                         laterStep.shownNames.size()),
              std::tuple(before, "beta.fed", Screen::PromotionChooser, 0u));
}

TEST_F(PromotionChooserTest, DeleteAsksFirstAndReportsTheOutcome) {
    open(ChooserMode::Delete);
    chooser.act(); // nothing selected
    EXPECT_TRUE(dialogs.shown().empty());
    const std::string question = "Are you sure you want to permanently delete this promotion?";
    // blocked: the name has become a folder with content since it was listed.
    const std::tuple<bool, bool, std::vector<std::string>, std::vector<std::string>> cases[] = {
        {false, false, {question}, {"alpha.fed", "beta.fed"}},
        {true, true, {question}, {"alpha.fed"}}, // and the failure, naming the file
        {true, false, {question, "Promotion Deleted."}, {}},
    };
    for (const auto& [yes, blocked, said, left] : cases) {
        const std::string file = files().back();
        if (blocked) {
            fs::remove(game.path("Data/" + file));
            game.write("Data/" + file + "/inside.txt", "x");
        }
        chooser.select(static_cast<int>(files().size()) - 1);
        dialogs.clear();
        yes ? dialogs.yes() : dialogs.no();
        chooser.act();
        auto texts = dialogs.texts();
        if (blocked) {
            ASSERT_EQ(texts.size(), 2u);
            EXPECT_NE(texts.back().find(file), std::string::npos) << texts.back();
            EXPECT_EQ(dialogs.shown().back().icon, Icon::Critical);
            texts.pop_back();
        }
        EXPECT_EQ(texts, said) << file;
        EXPECT_EQ(dialogs.shown().front().answer, ui::Default::No) << "Enter must not delete";
        EXPECT_EQ(std::tuple(files(), chooser.selected(), game.exists("Data/" + file)),
                  std::tuple(left, yes ? -1 : 1, !yes || blocked));
    }
    chooser.back();
    EXPECT_EQ(navigator.current(), Screen::PromotionMenu);
}

TEST_F(PromotionChooserTest, ReturnFromTheStepsShowsTheChooserAsItWasLeft) {
    dialogs.reply("new.fed");
    editor.promotionMenu.createPromotion();
    chooser.returnFromSteps(); // never set up: edit mode, listed afresh
    EXPECT_EQ(std::tuple(navigator.current(), chooser.heading(), chooser.nameoffile()),
              std::tuple(Screen::PromotionChooser, "Edit Promotion", "new.fed"));
    EXPECT_EQ(files(), (std::vector<std::string>{"alpha.fed", "beta.fed"}));

    chooser.select(1);
    chooser.act();
    game.write("Data/aaa.fed", ""); // listed afresh: the selection follows its file
    chooser.returnFromSteps();
    EXPECT_EQ(files(), (std::vector<std::string>{"aaa.fed", "alpha.fed", "beta.fed"}));
    EXPECT_EQ(std::tuple(chooser.selected(), chooser.promptLine()), std::tuple(2, "Beta League"));
}

// A name is asked for until it is usable, free and ends in ".fed"; nothing
// is written before the save.
TEST_F(PromotionChooserTest, CreatingAsksForANameUntilItIsUsableFreeAndEndsInFed) {
    using Kind = test::ScriptedDialogs::Kind;
    using Box = std::tuple<Kind, std::string, std::string, Icon, std::string>;
    const Box P{Kind::Prompt, "Filename", "Please enter a filename for this new promotion.",
                Icon::None, "bmf.fed"};
    const Box exists{Kind::Message, "File Already Exists",
                     "There is already a file in this directory with that name. Please choose a "
                     "different name.",
                     Icon::None, ""};
    const Box invalid{Kind::Message, "Filename Invalid", "The filename must end in .fed.",
                      Icon::None, ""};
    const Box unusable{Kind::Message, "Filename Invalid",
                       "\"../alpha.fed\" cannot be used as a file name. A file name must not "
                       "contain \\ / : * ? \" < > | or control characters, must not end in a "
                       "space or a dot, and must not be a reserved device name such as CON, PRN, "
                       "AUX, NUL, COM1 or LPT1.",
                       Icon::Exclamation, ""};
    game.write("Data/alpha", "x\r\n");
    platform::Lines created = makeTemplateRecord().lines();
    created[line::months[0].bigshowlogo] = "NA";
    // The replies, the last accepted one creating and "" cancelling.
    const std::tuple<std::vector<std::string>, std::vector<Box>> cases[] = {
        {{"bmf.fed"}, {P}},
        {{""}, {P}},
        {{"alpha.fed", "abc", "North Side.fed"}, {P, exists, P, invalid, P}},
        {{"alpha", ""}, {P, exists, invalid, P}},
        {{"new.FED", ""}, {P, invalid, P}},
        {{"../alpha.fed", ""}, {P, unusable, P}},
    };
    for (const auto& [replies, boxes] : cases) {
        const std::string& last = replies.back();
        navigator.go(Screen::PromotionMenu);
        dialogs.clear();
        chooser.record().set(line::prominitials, "EDITED");
        const auto before = chooser.record().lines();
        const std::string nameBefore = chooser.nameoffile();
        for (const auto& r : replies) {
            dialogs.reply(r);
        }
        editor.promotionMenu.createPromotion();
        std::vector<Box> shown;
        for (const auto& s : dialogs.shown()) {
            shown.emplace_back(s.kind, s.title, s.text, s.icon, s.initial);
        }
        EXPECT_EQ(shown, boxes) << replies.front();
        EXPECT_EQ(std::tuple(chooser.record().lines(), chooser.nameoffile(), navigator.current()),
                  last.empty() ? std::tuple(before, nameBefore, Screen::PromotionMenu)
                               : std::tuple(created, last, Screen::Step1));
        EXPECT_EQ(editor.step1.shown(Step1Field::prominitials), "BMF") << "step 1 was filled";
        EXPECT_FALSE(!last.empty() && game.exists("Data/" + last));
    }
    EXPECT_EQ(game.read("Data/alpha.fed"),
              platform::joinLines(templateWith({{line::promname, "Alpha Union"}})));
}

// A step with its logo picker in reach, counting its saves.
class ProbeStep : public Step {
public:
    ProbeStep(StepServices& services, int number) : Step(services, number) {}
    void fillFromRecord() override {}
    using Step::pickLogo;
    int saves = 0;

protected:
    void save() override { ++saves; }
};

class StepTest : public test::PromotionStepTest {
protected:
    Step1& step1 = editor.step1;
    Step2& step2 = editor.step2;

    // Step 2's show block, and what its screen shows.
    std::string showBlock(int show) const { return linesFrom(line::shows[show].nameofshow, 7); }
    void setShowBlock(int show, std::string_view lines) {
        setLines(line::shows[show].nameofshow, lines);
    }
    std::string showScreen() const {
        return joined({step2.shown(Step2Field::nameofshow), step2.showday().text(),
                       step2.showlogo(), step2.showbrand().text(), step2.showtype().text(),
                       std::to_string(step2.popularity().position()), step2.percentage(),
                       step2.shown(Step2Field::tvrating)});
    }
    void SetUp() override {
        PromotionStepTest::SetUp();
        game.write("Images/crest.gif", "x");
    }
};

// Leaving closes the picker; SAVE leaves only when the save does; step 1's
// Back asks first, Enter meaning No, and No stays, picker and all.
TEST_F(StepTest, NextAndBackLeadToTheNeighboursAndCloseThePicker) {
    const Texts question{"If you haven't gone through all steps and clicked Save, you will lose "
                         "any changes by returning to the menu.\r\n\r\nAre you sure you want to "
                         "go back to the menu?"};
    const auto before = record.lines();
    for (int n = 1; n <= kStepCount; ++n) {
        ProbeStep step(editor.stepServices, n);
        EXPECT_EQ(std::tuple(step.heading(), step.hint(), step.nextCaption()),
                  std::tuple("Step " + std::to_string(n) + " of 8", "Click On A Stat To Edit",
                             n == 8 ? "SAVE" : "Next >>>"));
        for (const int press : {0, 1, 2}) { // Next, Back, Back answered No
            const bool saved = n == 8 && press == 0, asked = n == 1 && press > 0,
                       stays = asked && press == 2;
            navigator.go(stepScreen(n));
            step.pickLogo(showLogo(2), nullptr);
            dialogs.clear();
            if (asked) {
                stays ? dialogs.no() : dialogs.yes();
            }
            press == 0 ? step.next() : step.back();
            const Screen expected = stays   ? Screen::Step1
                                    : asked ? Screen::PromotionChooser
                                    : saved ? Screen::Step8
                                            : stepScreen(press == 0 ? n + 1 : n - 1);
            EXPECT_EQ(std::tuple(navigator.current(), step.saves, editor.picker.isOpen()),
                      std::tuple(expected, saved, saved || stays))
                << n << press;
            EXPECT_EQ(dialogs.texts(), asked ? question : Texts{});
            if (asked) {
                EXPECT_EQ(dialogs.shown()[0].answer, ui::Default::No);
            }
            step.saves = 0;
            editor.picker.dismiss();
        }
    }
    EXPECT_EQ(record.lines(), before);
}

// The last of each kind of logo; the promotion's own may not be "NA".
TEST_F(StepTest, EachLogoTargetWritesExactlyItsLine) {
    ProbeStep step(editor.stepServices, 2);
    const std::tuple<LogoTarget, const char*, int> targets[] = {
        {promotionLogo(), "Promotion Logo", 2},
        {showLogo(4), "Show 4 Logo", 35},
        {bigShowLogo(12), "December Big Show Logo", 84},
    };
    for (const auto& [target, heading, line] : targets) {
        EXPECT_EQ(std::tuple(target.heading, target.line), std::tuple(heading, line));
        for (const auto& [press, value] : {std::pair{&context::ImagePicker::useImage, "crest.gif"},
                                           std::pair{&context::ImagePicker::useNoImage, "NA"},
                                           std::pair{&context::ImagePicker::makeNoChanges, ""}}) {
            SCOPED_TRACE(std::string(heading) + " " + value);
            const bool writes = *value && !(line == 2 && std::string(value) == "NA");
            std::vector<std::string> shown;
            expectChanges(
                [&] {
                    step.pickLogo(target, [&](const std::string& v) { shown.push_back(v); });
                    EXPECT_EQ(editor.picker.heading(), heading);
                    (editor.picker.*press)();
                },
                writes ? test::LineChanges{{line, value}} : test::LineChanges{});
            EXPECT_EQ(shown, writes ? std::vector<std::string>{value} : std::vector<std::string>{});
            editor.picker.dismiss();
        }
    }
}

// Stored as typed, spaces and all, a pasted line break as a blank; the bank
// balance as its number.
TEST_F(StepTest, Step1EachPromptShowsItsTextsAndStoresItsLine) {
    step1.chooseRosterSplit(kYes);
    const std::string t = " 1,5\r\nSpa\nces\r", s = " 1,5 Spa ces ";
    expectAnswers<Step1Field>(
        step1,
        {{Step1Field::prominitials, t, 0, s, s, "Promotion Initials",
          "Please enter the initials of this promotion, eg. WWF."},
         {Step1Field::promname, t, 1, s, s, "Promotion Name",
          "Please enter the name of this promotion, eg. World Wrestling Federation."},
         {Step1Field::bankbalance, t, 4, "1", "1", "Bank Balance",
          "Please enter the bank balance of this promotion, in U.S. dollars."},
         {Step1Field::website, t, 5, s, s, "Website Address",
          "Please enter the website address of this promotion, eg. "
          "http://www.ironbridge-wrestling.example. If there isn't a website address for this "
          "promotion, enter 'None'."},
         {Step1Field::owner, t, 7, s, s, "Owner's Name",
          "Please enter the name of the owner of this promotion, eg. Garrick Stavely."},
         {Step1Field::brand1, t, 9, s, s, "Brand 1 Name",
          "Please enter the name of the first brand in your roster split."},
         {Step1Field::brand2, t, 10, s, s, "Brand 2 Name",
          "Please enter the name of the second brand in your roster split."}});
    // The description is stored on every change.
    for (const char* typed : {"lf\nand\r\ncr\r", ""}) {
        step1.typeDescription(typed);
        EXPECT_EQ(record.get(line::description), *typed ? "lf and cr " : "");
        EXPECT_EQ(step1.description(), record.get(line::description));
    }
    dialogs.clear();
    step1.descriptionHelp();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(std::tuple(dialogs.shown()[0].text, dialogs.shown()[0].title),
              std::tuple("Type in a short description of this promotion, to help a new player "
                         "when choosing which promotion to control.",
                         "Description"));
}

// Every size against every coverage, and a size written elsewhere that the
// text checks and the number checks read differently.
TEST_F(StepTest, Step1CoverageRulesCorrectTheChoiceInOrder) {
    const std::map<std::string, char> letter{
        {"The promotion size must be at least Small National to have National TV.", 'N'},
        {"The promotion size must be at least 'Indy With Regional TV' to have Regional TV.", 'R'},
        {"The promotion size must be 'Indy With Local TV' to have Local TV.", 'L'},
        {"Only a Basic Indy can have no television coverage.", 'Z'},
    };
    // Per choice of None, Local, Regional, National: the coverage stored and
    // shown, and the messages on the way as letters.
    const std::tuple<std::string, const char*, const char*> cases[] = {
        {"1", "None|None|None|None", "|L|R|N"},
        {"2", "Local|Local|Local|Local", "Z||RZ|NZ"},
        {"3", "Regional|Regional|Regional|Regional", "Z|L||NZ"},
        {"4", "National|National|Regional|National", "Z|L||"},
        {"6", "National|National|Regional|National", "Z|L||"},
        {"03", "None|None|Regional|None", "Z|LZ||NZ"},
    };
    for (const auto& [size, results, messages] : cases) {
        size.size() == 1 ? step1.chooseSize(size[0] - '1') : record.set(line::size, size);
        std::vector<std::string> got, said;
        for (int chosen = 0; chosen < 4; ++chosen) {
            dialogs.clear();
            step1.chooseTvCoverage(chosen);
            got.push_back(record.get(line::tvcoverage));
            EXPECT_EQ(step1.tvcoverage().text(), got.back());
            said.emplace_back();
            for (const auto& text : dialogs.texts()) {
                said.back() += letter.at(text);
            }
        }
        EXPECT_EQ(std::tuple(record.get(line::size), joined(got), joined(said)),
                  std::tuple(size, results, messages));
    }
    step1.chooseSize(6);
    step1.chooseTvCoverage(4);
    EXPECT_EQ(linesFrom(line::size, 1) + linesFrom(line::tvcoverage, 1), "03None") << "no entry";
}

TEST_F(StepTest, Step1RosterSplitEnablesTheBrandsAndKeepsTheirNames) {
    auto split = [this] {
        return joined({record.get(line::rostersplit), step1.brandsEnabled() ? "on" : "off",
                       record.get(line::brand1), record.get(line::brand2),
                       step1.shown(Step1Field::brand1)});
    };
    EXPECT_EQ(split(), "No|off|||");
    step1.edit(Step1Field::brand1); // disabled: no prompt
    EXPECT_TRUE(dialogs.shown().empty());
    step1.chooseRosterSplit(kYes); // empty names get the defaults
    EXPECT_EQ(split(), "Yes|on|Brand 1|Brand 2|Brand 1");
    dialogs.reply("Iron Hour");
    step1.edit(Step1Field::brand1);
    step1.chooseRosterSplit(kNo); // the names stay for a later Yes
    EXPECT_EQ(split(), "No|off|Iron Hour|Brand 2|Iron Hour");
    step1.chooseRosterSplit(kYes);
    EXPECT_EQ(split(), "Yes|on|Iron Hour|Brand 2|Iron Hour");
    setLines(line::brand1, "|Kept?"); // no brand 1: both get their defaults
    step1.chooseRosterSplit(kYes);
    EXPECT_EQ(split(), "Yes|on|Brand 1|Brand 2|Brand 1");
}

TEST_F(StepTest, Step2SelectingShowsTheBlockAndCompletesAShowWithoutName) {
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {1, "||||||", "None|Monday|NA|All|House|0|0%|", "|Monday|NA|All|House|0|"},
        {2, kFury, "Night Fury|Friday|fury.gif|Brand 2|TV|100|150%|3.5", kFury},
        {3, "|Funday|old.gif||PPV|-5|9", "None|Funday|NA|All|PPV|0|0%|9", "|Funday|NA|All|PPV|0|9"},
        {1, "Late Brawl||||TV|abc|x", "Late Brawl|Monday|NA|All|TV|0|abc%|0",
         "Late Brawl||||TV|abc|x"},
        {0, "||||||", "|||||0|%|", "||||||"}, // show 1 has no defaults
    };
    for (const auto& [show, stored, shownAs, after] : cases) {
        setShowBlock(show, stored);
        const auto before = record.lines();
        step2.selectShow(show);
        EXPECT_EQ(std::tuple(showScreen(), showBlock(show)), std::tuple(shownAs, after)) << show;
        setShowBlock(show, stored);
        EXPECT_EQ(record.lines(), before) << "only the selected block changes";
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StepTest, Step2NoneRemovesShowsTwoToFourOnly) {
    expectAnswers<Step2Field>(
        step2, {{Step2Field::nameofshow, "None", -1, "You must have a primary show 1.",
                 "House Show", "Name of Show",
                 "Please enter the name of this show, eg. Monday Night Raw, or put 'None' if no "
                 "show of this type."}});
    setShowBlock(2, kFury);
    step2.selectShow(2);
    expectAnswers<Step2Field>(step2, {{Step2Field::nameofshow, "none", 26, "none", "none"}});
    dialogs.reply("None");
    expectChanges(
        [&] { step2.edit(Step2Field::nameofshow); },
        {{26, ""}, {27, "Monday"}, {28, "NA"}, {29, "All"}, {30, "House"}, {31, "0"}, {32, ""}});
    EXPECT_EQ(showScreen(), "None|Monday|NA|All|House|0|0%|");
}

TEST_F(StepTest, Step2ADayWarnsOncePerExistingShowOnItInShowOrder) {
    auto warning = [](const char* show) {
        return "WARNING!\r\nYour " + std::string(show) +
               " is also on this day. Having more than one regular show on the same day will "
               "cause problems with your game.";
    };
    const std::string primary1 = warning("Primary Show 1"), primary2 = warning("Primary Show 2"),
                      secondary1 = warning("Secondary Show 1"),
                      secondary2 = warning("Secondary Show 2");
    setShowBlock(1, "Iron Hour|Friday");
    setShowBlock(2, "|Wednesday"); // no show: clashes with nothing, either way
    setShowBlock(3, "Late Brawl|Wednesday");
    const std::tuple<int, int, Texts> cases[] = {
        {1, 2, {primary1, secondary2}}, {2, 2, {}}, {0, 4, {}}, {0, 2, {primary2, secondary2}},
        {3, 2, {primary1, primary2}},
    };
    for (const auto& [show, day, warnings] : cases) {
        step2.selectShow(show);
        dialogs.clear();
        expectChanges([&] { step2.chooseDay(day); },
                      {{line::shows[show].showday, std::string(calendar::kWeekdayNames[day])}});
        EXPECT_EQ(dialogs.texts(), warnings) << show << " " << day;
    }
}

// A refused type stays shown until the show is selected again; the record
// keeps the old one.
TEST_F(StepTest, Step2TypeIsCheckedForCoverageThenSize) {
    const std::string noTv =
        "This promotion's television coverage is set to None - this show cannot be a TV Show.";
    const std::string noPpv =
        "Only National promotions can have PPV coverage of their regular shows.";
    const std::tuple<const char*, const char*, int, std::string> cases[] = {
        {"1", "None", 1, noTv}, {"1", "None", 2, noPpv},  {"4", "None", 1, noTv},
        {"4", "None", 2, ""},   {"3", "Regional", 1, ""}, {"3", "Regional", 2, noPpv},
    };
    for (const auto& [size, coverage, type, refusal] : cases) {
        record.set(line::size, size);
        record.set(line::tvcoverage, coverage);
        record.set(line::shows[0].showtype, "House");
        step2.selectShow(0);
        dialogs.clear();
        const std::string chosen(kShowTypes[type]);
        expectChanges([&] { step2.chooseType(type); },
                      {{line::shows[0].showtype, refusal.empty() ? chosen : "House"}});
        EXPECT_EQ(dialogs.texts(), refusal.empty() ? Texts{} : Texts{refusal});
        EXPECT_EQ(step2.showtype().text(), chosen);
    }
}

// A TV rating is stored in hundredths rounded down; PPV buys as typed.
TEST_F(StepTest, Step2RatingIsAskedForTheShownType) {
    const std::string tvRefusal = "Invalid TV Rating!\r\n\r\nThis number must be between 0 and "
                                  "10, eg. 4.75.\r\n\r\nPlease enter another value.";
    const std::string ppvRefusal =
        "Invalid PPV Buys!\r\n\r\nThis number must be between 100 and 1000000, and not include "
        "any commas.\r\n\r\nPlease enter another value.";
    record.set(line::size, "6");
    record.set(line::tvcoverage, "National");
    constexpr auto kRating = Step2Field::tvrating;
    step2.chooseType(1);
    expectAnswers<Step2Field>(
        step2, {{kRating, "10", 18, "1000", "10", "Average TV Rating/Buys",
                 "Please enter the average TV rating for this show.\r\n\r\nExamples of TV "
                 "ratings: WWE Raw averaged a 3.5 to a 4.0 rating in 2005, while TNA Impact "
                 "averaged a 0.8."},
                {kRating, "0", -1, tvRefusal, "10"},
                {kRating, "10.01", -1, tvRefusal, "10"},
                {kRating, "3.456", 18, "345", "3.456"},
                {kRating, "0.29", 18, "28", "0.29"}});
    step2.chooseType(2);
    expectAnswers<Step2Field>(
        step2, {{kRating, "100", 18, "100", "100", "Average PPV Buys",
                 "Please enter the number of buys this show gets on PPV. For example, the weekly "
                 "TNA PPVs on Wednesday nights used to get around 50000 buys."},
                {kRating, "1000000", 18, "1000000", "1000000"},
                {kRating, "99", -1, ppvRefusal, "1000000"},
                {kRating, "1000001", -1, ppvRefusal, "1000000"},
                {kRating, "50,000", -1, ppvRefusal, "1000000"},
                {kRating, "2500 a week", 18, "2500 a week", "2500 a week"}});
    step2.chooseType(0);
    dialogs.clear();
    step2.edit(Step2Field::tvrating);
    EXPECT_TRUE(dialogs.shown().empty()) << "a house show has no rating";
}

// Loading shows show 1 as stored; a picker writes the show or month it was
// opened for.
TEST_F(StepTest, Step2LoadingTheBarAndThePickersOfSteps2And4) {
    step2.selectShow(3);
    const auto file = load({{13, "Caturday"}, {16, "TV"}, {17, "250"}, {18, "28"}});
    EXPECT_EQ(std::tuple(step2.shows().selected(), showScreen(), record.lines()),
              std::tuple(0, "House Show|Caturday|NA|All|TV|100|250%|0.28", file));
    step2.selectShow(1);
    expectChanges([&] { step2.moveBar(37); }, {{line::shows[1].percentage, "37"}});
    EXPECT_EQ(step2.percentage(), "37%");
    step2.selectShow(2);
    step2.pickLogo();
    EXPECT_EQ(editor.picker.heading(), "Show 3 Logo");
    step2.selectShow(1); // the picker does not block the step
    expectChanges([&] { editor.picker.useImage(); }, {{line::shows[2].showlogo, "crest.gif"}});
    EXPECT_EQ(step2.showlogo(), "NA") << "show 2 stays shown";
    Step4& step4 = editor.step4; // and the month, likewise
    step4.selectMonth(2);
    step4.pickLogo();
    step4.selectMonth(3);
    expectChanges([&] { editor.picker.useImage(); }, {{57, "crest.gif"}});
    EXPECT_EQ(step4.shown(BigShowField::bigshowlogo), "NA") << "April stays shown";
    step4.selectMonth(2);
    step4.pickLogo();
    editor.picker.useNoImage();
    EXPECT_EQ(std::tuple(record.get(57), step4.shown(BigShowField::bigshowlogo)),
              std::tuple("NA", "NA"));
}

} // namespace
} // namespace bm::promotion
