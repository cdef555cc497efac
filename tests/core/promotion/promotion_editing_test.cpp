#include "core/promotion/promotion_chooser.h"
#include "core/promotion/step1.h"
#include "core/promotion/step2.h"
#include "core/promotion/step3.h"
#include "core/promotion/step4.h"
#include "core/promotion/step5.h"
#include "core/promotion/step6.h"
#include "core/promotion/step7.h"
#include "core/promotion/step8.h"

#include "support/fault.h"
#include "support/step_fixture.h"

#include <filesystem>
#include <functional>
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

class PromotionChooserTest : public test::EditorTest {
protected:
    PromotionChooser& chooser = editor.chooser;

    void SetUp() override {
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
    EXPECT_EQ(editor.step1.shown(Step1Field::promname), "") << "a click loads nothing";

    editor.context.enter(context::ContextKind::Scenario, "\\Scenarios\\Other World\\");
    game.write("Scenarios/Other World/gamma.fed", "");
    open(ChooserMode::Edit);
    EXPECT_EQ(files(), std::vector<std::string>{"gamma.fed"});
}

TEST_F(PromotionChooserTest, EditLoadsTheFileExactlyAndFillsEveryStep) {
    auto lines = templateWith(
        {{line::size, "6"}, {line::rostersplit, "yes"}, {line::tvcoverage, "Regional"}});
    lines.push_back("an extra line");
    game.writeLines("Data/beta.fed", lines);
    open(ChooserMode::Edit);
    chooser.act(); // nothing selected
    EXPECT_EQ(navigator.current(), Screen::PromotionChooser);
    chooser.select(1);
    chooser.act();
    const Step1& s = editor.step1;
    EXPECT_EQ(std::tuple(chooser.record().lines(), chooser.nameoffile(), navigator.current(),
                         s.size().index(), s.tvcoverage().index(), s.brandsEnabled(),
                         dialogs.shown().size(), dialogs.busyNow()),
              std::tuple(lines, "beta.fed", Screen::Step1, 5, 2, true, 0u, false));

    // Gone since it was listed: named, and nothing changes.
    navigator.go(Screen::PromotionChooser);
    chooser.select(0);
    fs::remove(game.path("Data/alpha.fed"));
    chooser.act();
    EXPECT_EQ(std::tuple(dialogs.shown().size(), lastShown().icon,
                         lastShown().text.find("alpha.fed") != std::string::npos),
              std::tuple(1u, Icon::Critical, true));
    EXPECT_EQ(std::tuple(chooser.record().lines(), chooser.nameoffile(), navigator.current(),
                         s.size().index()),
              std::tuple(lines, "beta.fed", Screen::PromotionChooser, 5));
}

TEST_F(PromotionChooserTest, DeleteAsksFirstAndReportsTheOutcome) {
    open(ChooserMode::Delete);
    chooser.act(); // nothing selected
    EXPECT_TRUE(dialogs.shown().empty());
    const std::string question = "Are you sure you want to permanently delete this promotion?";
    // Answered Yes; blocked: the name has become a folder with content since
    // it was listed, and the failure is told, naming the file.
    const std::tuple<bool, bool, Texts, Texts> cases[] = {
        {false, false, {question}, {"alpha.fed", "beta.fed"}},
        {true, true, {question, "beta.fed"}, {"alpha.fed"}},
        {true, false, {question, "Promotion Deleted."}, {}},
    };
    for (const auto& [yes, blocked, said, left] : cases) {
        ASSERT_FALSE(files().empty()) << "a delete took more than it was asked to";
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
        ASSERT_FALSE(texts.empty()) << "asked first";
        if (blocked && texts.back().find(file) != std::string::npos) {
            texts.back() = lastShown().icon == Icon::Critical ? file : "not critical";
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
    using Box = std::tuple<std::string, std::string, Icon, std::string>;
    const Box P{"Filename", "Please enter a filename for this new promotion.", Icon::None,
                "bmf.fed"};
    const Box exists{"File Already Exists",
                     "There is already a file in this directory with that name. Please choose a "
                     "different name.",
                     Icon::None, ""};
    const Box invalid{"Filename Invalid", "The filename must end in .fed.", Icon::None, ""};
    const Box unusable{"Filename Invalid",
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
            shown.emplace_back(s.title, s.text, s.icon, s.initial);
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

using F7 = Step7Field;
using F8 = Step8Field;

constexpr int kTitle1 = 0;
constexpr int kTitle3 = 2;
constexpr int kCustom1 = 4;
constexpr int kCustom2 = 5;

constexpr const char* kTagTeam = "Harbour Tag Titles|Harbour Champions|Tag Team|72|Male|Heavy|Yes|"
                                 "35|Brand 2|Rust Brothers|Cole Rust|Dane Rust|140|No Record Yet|"
                                 "0|6|Sunday 2nd May 2004|Rust Brothers";

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

// The editor on a new promotion ("new.fed"), with no box shown yet. Tables
// here write a block of lines or a screen's fields joined by "|".
class StepTest : public test::EditorTest {
protected:
    PromotionRecord& record = editor.chooser.record();
    Step1& step1 = editor.step1;
    Step2& step2 = editor.step2;
    Step3& step3 = editor.step3;
    Step4& step4 = editor.step4;
    Step5& step5 = editor.step5;
    Step6& step6 = editor.step6;
    Step7& step7 = editor.step7;
    Step8& step8 = editor.step8;

    void SetUp() override {
        game.write("Images/crest.gif", "x");
        dialogs.reply("new.fed");
        editor.promotionMenu.createPromotion();
        dialogs.clear();
    }
    static std::string joined(const std::vector<std::string>& parts) {
        std::string s;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            s += (i ? "|" : "") + parts[i];
        }
        return s;
    }
    std::string linesFrom(int first, int count) const {
        const auto at = record.lines().begin() + first;
        return joined({at, at + count});
    }
    void setLines(int first, std::string_view values) {
        for (std::size_t from = 0, bar = 0; bar != std::string_view::npos; from = bar + 1) {
            bar = values.find('|', from);
            record.set(first++, std::string(values.substr(from, bar - from)));
        }
    }
    // Runs `act` and checks that exactly `changes` reached the record.
    template <typename Act> void expectChanges(Act act, const test::LineChanges& changes) {
        const auto before = record.lines();
        act();
        EXPECT_EQ(record.lines(), test::withLines(before, changes));
    }
    // An answer typed into a field's prompt (its texts checked first when a
    // title is given): stored in `line` as `stored`, or refused (line -1)
    // with the message `stored`; the field shows `shown` then.
    template <typename Field> struct Answer {
        Field field;
        std::string typed;
        int line;
        std::string stored, shown, title = "", message = "";
    };
    template <typename Field, typename Step>
    void expectAnswers(Step& step, const std::vector<Answer<Field>>& answers) {
        for (const auto& a : answers) {
            SCOPED_TRACE(a.title + " " + a.typed);
            if (!a.title.empty()) { // asked with the shown text offered; Cancel keeps it
                const std::string offered = step.shown(a.field);
                dialogs.clear();
                dialogs.reply("");
                expectChanges([&] { step.edit(a.field); }, {});
                ASSERT_EQ(dialogs.shown().size(), 1u);
                const auto& p = dialogs.shown()[0];
                EXPECT_EQ(std::tuple(p.kind, p.title, p.text, p.initial, step.shown(a.field)),
                          std::tuple(test::ScriptedDialogs::Kind::Prompt, a.title, a.message,
                                     offered, offered));
            }
            dialogs.clear();
            dialogs.reply(a.typed);
            const bool refused = a.line < 0;
            expectChanges([&] { step.edit(a.field); },
                          refused ? test::LineChanges{} : test::LineChanges{{a.line, a.stored}});
            const auto texts = dialogs.texts();
            EXPECT_EQ(Texts(texts.begin() + (texts.empty() ? 0 : 1), texts.end()),
                      refused ? Texts{a.stored} : Texts{});
            EXPECT_EQ(step.shown(a.field), a.shown);
        }
    }
    // Edits "odd.fed", the template with these lines changed, loaded
    // through the chooser; its lines.
    platform::Lines load(const test::LineChanges& changes) {
        const auto lines = templateWith(changes);
        game.writeLines("Data/odd.fed", lines);
        editor.chooser.setMode(ChooserMode::Edit);
        editor.chooser.select(0);
        editor.chooser.act();
        return lines;
    }

    void setShowBlock(int show, std::string_view lines) {
        setLines(line::shows[show].nameofshow, lines);
    }
    // What step 2's screen shows of the selected show.
    std::string showScreen() const {
        return joined({step2.shown(Step2Field::nameofshow), step2.showday().text(),
                       step2.showlogo(), step2.showbrand().text(), step2.showtype().text(),
                       std::to_string(step2.popularity().position()), step2.percentage(),
                       step2.shown(Step2Field::tvrating)});
    }
    std::string monthShown() const {
        return joined({step4.shown(BigShowField::bigshowname), step4.bigshowbrand().text(),
                       step4.shown(BigShowField::bigshowlogo)});
    }
    std::string titleBlock(int item) const {
        const auto& b = line::titles[static_cast<std::size_t>(item)];
        return linesFrom(b.first, b.count);
    }
    void setTitleBlock(int item, std::string_view lines) {
        setLines(line::titles[static_cast<std::size_t>(item)].first, lines);
    }
    // Step 6's fields, lists and bars, each in table order.
    std::string titleScreen() const {
        std::vector<std::string> all;
        for (const auto& p : kTitlePrompts) {
            all.push_back(step6.shown(p.field));
        }
        for (const auto& l : kTitleLists) {
            all.push_back(step6.list(l.list).text());
        }
        for (const auto& b : kTitleBars) {
            all.push_back(step6.barText(b.bar));
        }
        return joined(all);
    }
    std::string shownFields() const {
        std::vector<std::string> all;
        for (const auto& p : kStep8Prompts) {
            all.push_back(step8.shown(p.field));
        }
        return joined(all);
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
            EXPECT_TRUE(!asked || dialogs.shown()[0].answer == ui::Default::No);
            step.saves = 0;
            editor.picker.dismiss();
        }
    }
    EXPECT_EQ(record.lines(), before);
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
    step1.descriptionHelp();
    EXPECT_EQ(std::tuple(lastShown().text, lastShown().title),
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
    // Per choice of None, Local, Regional, National: coverage, messages.
    const std::tuple<std::string, const char*, const char*> cases[] = {
        {"1", "None|None|None|None", "|L|R|N"},
        {"2", "Local|Local|Local|Local", "Z||RZ|NZ"},
        {"3", "Regional|Regional|Regional|Regional", "Z|L||NZ"},
        {"4", "National|National|Regional|National", "Z|L||"},
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
        EXPECT_EQ(std::tuple(showScreen(), linesFrom(line::shows[show].nameofshow, 7)),
                  std::tuple(shownAs, after))
            << show;
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
    const std::string p1 = warning("Primary Show 1"), p2 = warning("Primary Show 2"),
                      s1 = warning("Secondary Show 1"), s2 = warning("Secondary Show 2");
    setShowBlock(1, "Iron Hour|Friday");
    setShowBlock(2, "|Wednesday"); // no show: clashes with nothing, either way
    setShowBlock(3, "Late Brawl|Wednesday");
    // Secondary Show 1's name, the show given the day, the warnings.
    const std::tuple<const char*, int, int, Texts> cases[] = {
        {"", 1, 2, {p1, s2}}, {"", 2, 2, {}},       {"", 0, 4, {}},
        {"", 0, 2, {p2, s2}}, {"", 3, 2, {p1, p2}}, {"Mid Card", 3, 2, {p1, p2, s1}}};
    for (const auto& [name, show, day, warnings] : cases) {
        record.set(line::shows[2].nameofshow, name);
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
                {kRating, "2500 a week", 18, "2500 a week", "2500 a week"}});
    step2.chooseType(0);
    dialogs.clear();
    step2.edit(Step2Field::tvrating);
    EXPECT_TRUE(dialogs.shown().empty()) << "a house show has no rating";
}

// Loading shows show 1 as stored; a picker writes the show or month it was
// opened for, shown only while that is still selected.
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
    // and the month, likewise
    step4.selectMonth(2);
    step4.pickLogo();
    step4.selectMonth(3);
    EXPECT_EQ(editor.picker.heading(), "March Big Show Logo");
    expectChanges([&] { editor.picker.useImage(); }, {{57, "crest.gif"}});
    EXPECT_EQ(step4.shown(BigShowField::bigshowlogo), "NA") << "April stays shown";
    step4.selectMonth(2);
    step4.pickLogo();
    editor.picker.useNoImage();
    EXPECT_EQ(std::tuple(record.get(57), step4.shown(BigShowField::bigshowlogo)),
              std::tuple("NA", "NA"));
    step1.pickLogo(); // a promotion must have a logo
    expectChanges([&] { editor.picker.useNoImage(), editor.picker.makeNoChanges(); }, {});
}

TEST_F(StepTest, Step3AttendancesStoreTheirNumberAndListsTheirLevel) {
    expectAnswers<Step3Field>(
        step3, {{Step3Field::tvatt, "7500 fans", 41, "7500", "7500", "Max Televised Attendence",
                 "Please enter the maximum attendence this promotion could attract for a "
                 "televised show at this point in time."},
                {Step3Field::untvatt, "12,000", 40, "12", "12", "Max Untelevised Attendence",
                 "Please enter the maximum attendence this promotion could attract for an "
                 "untelevised show at this point in time."}});
    expectChanges([&] { step3.chooseProduction(Production::primaryprod, 0); }, {{42, "1"}});
    expectChanges([&] { step3.chooseProduction(Production::secondaryprod, 19); }, {{43, "20"}});
    expectChanges([&] { step3.chooseProduction(Production::bigshowprod, 20); }, {}); // no level
    EXPECT_EQ(step3.production(Production::secondaryprod).text(), "$1,250,000 Per Show");
}

// The rate has an upper bound only and is stored in hundredths rounded down;
// the deal only warns below National.
TEST_F(StepTest, Step4DealBuyRateAndAttendanceAreStoredInTheirForms) {
    const std::string refusal =
        "Invalid Buy-Rate!\r\n\r\nThe Buy-Rate is a number usually between 0 and 2, where 1.0 = "
        "400,000 PPV buys. WWE usually get between 0.5 and 1.0 for their monthly PPV "
        "events.\r\n\r\nPlease enter another value.";
    constexpr auto kRate = Step4Field::ppvbuyrate;
    expectAnswers<Step4Field>(
        step4, {{kRate, "5", 47, "500", "5", "Average PPV Buy-Rate",
                 "Please enter the average buy rate this promotion gets for big shows on "
                 "Pay-Per-View (not weekly shows).\r\nSome examples of real life buy-rates: "
                 "\r\nSummerslam 2005 - 0.94\r\nNo Way Out 2005 - 0.59\r\nRoyal Rumble 2005 - "
                 "0.83"},
                {kRate, "5.01", -1, refusal, "5"},
                {kRate, "0.835", 47, "83", "0.835"},
                {kRate, "-0.001", 47, "-1", "-0.001"},
                {Step4Field::bigshowatt, "12,000", 48, "12", "12", "Max Big Show Attendence",
                 "Please enter the maximum attendence this promotion could attract for a big "
                 "show at this point in time."}});
    const std::string warning =
        "WARNING:\r\nOnly National sized promotions can have a monthly PPV deal.";
    for (const auto& [size, choice, warns] :
         {std::tuple{"3", 0, true}, std::tuple{"4", 0, false}, std::tuple{"1", 1, false}}) {
        record.set(line::size, size);
        dialogs.clear();
        expectChanges([&] { step4.choosePpvDeal(choice); }, {{46, choice == 0 ? "Yes" : "No"}});
        EXPECT_EQ(dialogs.texts(), warns ? std::vector{warning} : std::vector<std::string>{});
    }
}

TEST_F(StepTest, Step4MonthsAreSelectedNamedAndRemoved) {
    expectAnswers<BigShowField>(
        step4, {{BigShowField::bigshowname, "Thaw", 49, "Thaw", "Thaw", "Big Show Name",
                 "Please enter the name of the big show which is held in this month by this "
                 "promotion, or if this promotion doesn't have a big show in this month, enter "
                 "'None'."},
                {BigShowField::bigshowlogo, "thaw.gif", 51, "thaw.gif", "thaw.gif", "Big Show Logo",
                 "Please enter the name of the image you want to use for this big show's logo. "
                 "The image file should be kept in the Images folder in your BM folder. If you "
                 "don't want to specify a logo for this month's big show, enter 'NA'."}});
    record.set(61, "May Mayhem"); // a named month without logo line
    record.set(62, "Brand 9");
    // Each action in turn, with the lines it changes and what the month shows.
    const auto then = [&](const std::function<void()>& act, const test::LineChanges& changes,
                          const char* shown) {
        expectChanges(act, changes);
        EXPECT_EQ(monthShown(), shown);
    };
    const auto name = [&] { step4.edit(BigShowField::bigshowname); };
    dialogs.reply("Spring Slam").reply("slam.gif").reply("").reply("None");
    then([&] { step4.selectMonth(2); }, {{56, "All"}, {57, "NA"}}, "None|All|NA");
    then(name, {{55, "Spring Slam"}}, "Spring Slam|All|NA");
    then([&] { step4.chooseBrand(1); }, {{56, "Brand 1"}}, "Spring Slam|Brand 1|NA");
    then([&] { step4.edit(BigShowField::bigshowlogo); }, {{57, "slam.gif"}},
         "Spring Slam|Brand 1|slam.gif");
    then(name, {}, "Spring Slam|Brand 1|slam.gif"); // Cancel
    then(name, {{55, ""}, {56, ""}, {57, ""}}, "None|All|NA");
    then([&] { step4.selectMonth(2); }, {{56, "All"}, {57, "NA"}}, "None|All|NA");
    then([&] { step4.selectMonth(4); }, {}, "May Mayhem|Brand 9|NA");
}

// Whatever a file holds is shown without writing; edits are stored
// unchecked, and "None" (exactly) empties the booking.
TEST_F(StepTest, Step5ShowsTheBookingAsStoredAndStoresEditsUnchecked) {
    // The booking's lines, then what the screen shows.
    const auto booking = [&] {
        return joined({linesFrom(line::nameofbigshow, 4), step5.shown(Step5Field::nameofbigshow),
                       step5.level().text(), step5.shown(Step5Field::dateofshow),
                       std::to_string(step5.daysBar().position()), step5.days()});
    };
    for (const auto& [lines, shown] :
         {std::pair{"None|3|Sunday 26th September 2004|12", "None|Basic||0|0"},
          std::pair{"Odd Show|02||-70000", "Odd Show|02||0|-70000"}}) {
        setLines(line::nameofbigshow, lines);
        expectChanges([&] { step5.fillFromRecord(); }, {});
        EXPECT_EQ(booking(), std::string(lines) + "|" + shown);
    }
    step5.chooseLevel(2);
    step5.chooseLevel(3); // no such entry
    step5.moveDays(17);
    expectAnswers<Step5Field>(
        step5,
        {{Step5Field::nameofbigshow, "Harvest Havoc", 234, "Harvest Havoc", "Harvest Havoc",
          "Big Show Name",
          "Please enter the name of the next big show this promotion will have. If there "
          "isn't one currently planned, enter 'None'."},
         {Step5Field::dateofshow, "23/08/2004", 236, "23/08/2004", "23/08/2004", "Date Of Big Show",
          "Please enter the date when this big show will take place. The date must be in "
          "the form 'Wednesday 18th August 2004'."},
         {Step5Field::nameofbigshow, "none", 234, "none", "none"}});
    EXPECT_EQ(booking(), "none|3|23/08/2004|17|none|Extensive|23/08/2004|17|17");
    dialogs.reply("None");
    step5.edit(Step5Field::nameofbigshow);
    EXPECT_EQ(booking(), "None|||0|None|Basic||0|0");
}

// Odd values load and show as stored, writing nothing; step 4 shows January.
TEST_F(StepTest, LoadingShowsOddValuesAsStoredAndWritesNothing) {
    EXPECT_EQ(std::tuple(monthShown(), record.get(51)), std::tuple("None|All|NA", "NA"));
    step4.selectMonth(5);
    // Size, roster split, coverage; steps 3 and 4; a talk show; popularity, country.
    const test::LineChanges odd{{3, "7"},   {8, "No"},   {11, "none"},    {41, "1e3"},
                                {42, "20"}, {43, "07"},  {44, "21"},      {46, "maybe"},
                                {47, "83"}, {48, "9e9"}, {50, "Brand 2"}, {230, ""},
                                {231, ""},  {45, "abc"}, {233, "Mars"}};
    EXPECT_EQ(load(odd), record.lines());
    const auto number = [](int n) { return std::to_string(n); };
    EXPECT_EQ(joined({number(step1.size().index()), step1.size().text(),
                      number(step1.tvcoverage().index()), step1.tvcoverage().text(),
                      step1.brandsEnabled() ? "on" : "off"}),
              "-1|7|-1|none|off");
    EXPECT_EQ(
        joined({step3.shown(Step3Field::tvatt), step3.production(Production::primaryprod).text(),
                step3.production(Production::secondaryprod).text(),
                number(step3.production(Production::bigshowprod).index())}),
        "1e3|$1,250,000 Per Show|07|-1");
    EXPECT_EQ(joined({number(step4.months().selected()), number(step4.ppvdeal().index()),
                      step4.ppvdeal().text(), step4.shown(Step4Field::ppvbuyrate),
                      step4.shown(Step4Field::bigshowatt), monthShown()}),
              "0|-1|maybe|0.83|9e9|None|All|NA");
    EXPECT_EQ(joined({shownFields(), number(step8.popularityBar().position()), step8.popularity(),
                      number(step8.country().index()), step8.country().text()}),
              "NA|NA|NA||NA|NA|0|abc%|-1|Mars");
}

// Titles 1 to 4 have no type or holder lines. Removing a title empties every
// line shown and keeps the three the save writes; title 1 cannot be removed.
TEST_F(StepTest, Step6SelectingAnEmptyTitleShowsItsDefaultsAndNoneRemovesOne) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {kTitle3, "None|||None|None|0|0||Singles|All|All|No|All|0%|0",
         "||0|All|All|No|0|All|||||||"},
        {kCustom2, "None||||||||Singles|All|All|No|All|0%|0",
         "||Singles|0|All|All|No|0|All|||||||||"},
    };
    for (const auto& [item, shown, stored] : cases) {
        step6.selectTitle(kCustom1); // a type that must not carry over
        step6.choose(TitleList::titletype, 1);
        const auto before = record.lines();
        const std::string empty = titleBlock(item);
        step6.selectTitle(item);
        EXPECT_EQ(std::tuple(titleScreen(), titleBlock(item), step6.typeEnabled()),
                  std::tuple(shown, stored, item >= kCustom1));
        setTitleBlock(item, empty);
        EXPECT_EQ(record.lines(), before) << "only the selected block changes";
    }

    setTitleBlock(kCustom1, kTagTeam);
    step6.selectTitle(kCustom1);
    dialogs.reply("None");
    step6.edit(TitleField::titlename);
    EXPECT_EQ(titleBlock(kCustom1),
              "||Singles|0|All|All|No|0|All|||||No Record Yet|0|||Rust Brothers");
    EXPECT_EQ(titleScreen(), "None|||None|None|0|0||Singles|All|All|No|All|0%|0");
    step6.selectTitle(kTitle1);
    const std::string title1 = titleScreen();
    EXPECT_EQ(title1,
              "World Heavyweight Title|World Heavyweight Champion|Vacant|None|None|0|0|Monday 23rd "
              "August 2004|Singles|Male|All|No|All|50%|60");
    step6.cleartitles(); // title 1 is never cleared
    expectAnswers<TitleField>(
        step6, {{TitleField::titlename, "None", -1,
                 "Every promotion must have a primary singles title.", "World Heavyweight Title"}});
    EXPECT_EQ(titleScreen(), title1);
}

// Titles 1 to 4 have no holder lines: those answers are only shown.
TEST_F(StepTest, Step6PromptsStoreInTheSelectedBlockAndHoldersOnlyForCustomTitles) {
    setTitleBlock(kCustom1, kTagTeam);
    step6.selectTitle(kCustom1);
    const line::TitleLines& c = line::titles[kCustom1];
    const std::vector<Answer<TitleField>> answers{
        {TitleField::titlename, "Iron Crown", c.titlename, "Iron Crown", "Iron Crown", "Title Name",
         "Please enter the name of this title belt, eg. World Heavyweight Championship. If you "
         "don't want a title belt here, enter 'None'."},
        {TitleField::holdername, "Crown Holder", c.holdername, "Crown Holder", "Crown Holder",
         "Holder Name",
         "Please enter the name the holder of this title belt will have, eg. World Heavyweight "
         "Champion."},
        {TitleField::currentchamp, "Vacant", c.currentchamp, "Vacant", "Vacant",
         "Current Champion(s)",
         "Please enter the name of the wrestler(s) who currently hold this title belt. If it is a "
         "tag team title, enter the name of the tag team here. If the title is currently vacant, "
         "enter 'Vacant'."},
        {TitleField::champ1, " Ivo Kask ", c.champ1, " Ivo Kask ", " Ivo Kask ", "Champion 1",
         "If this is a tag team title, please enter the name of the first member of the team "
         "which currently hold this title belt. If the title isn't a tag team title, or is "
         "vacant, enter 'None'."},
        {TitleField::champ2, "None", c.champ2, "None", "None", "Champion 2",
         "If this is a tag team title, please enter the name of the second member of the team "
         "which currently hold this title belt. If the title isn't a tag team title, or is "
         "vacant, enter 'None'."},
        {TitleField::reign, "23 days", c.reign, "23", "23", "Current Reign",
         "Please enter the number of days this wrestler/team has/have held this title so far."},
        {TitleField::defenses, "1,500", c.defenses, "1", "1", "Title Defences",
         "Please enter the number of title defences this wrestler/team has/have made so far."},
        {TitleField::historydate, "21/08/2004", c.historydate, "21/08/2004", "21/08/2004",
         "Date Of Title Change",
         "Please enter the date when this title was won, or the date it was made vacant. The "
         "date must be in the form 'Saturday 21st August 2004'."}};
    expectAnswers(step6, answers);
    step6.selectTitle(kTitle1);
    for (const auto& a : answers) {
        dialogs.reply(a.typed);
        step6.edit(a.field);
        EXPECT_EQ(step6.shown(a.field), a.shown);
    }
    EXPECT_EQ(titleBlock(kTitle1), "Iron Crown|Crown Holder|50|Male|All|No|60|All|Vacant|23|"
                                   "No Record Yet|0|1|21/08/2004|Vacant");
    step6.selectTitle(kTitle1);
    EXPECT_EQ(step6.shown(TitleField::champ1), "None");
}

// Lists store their entry and bars their value in the selected block; out of
// range changes nothing, and titles 1 to 4 are always singles.
TEST_F(StepTest, Step6ListsAndBarsStoreInTheSelectedBlockAndTheCalculatorOpensBeside) {
    const line::TitleLines &t1 = line::titles[kTitle1], &c1 = line::titles[kCustom1];
    // The title, a list and its entry, the lines changed, the list's text then.
    const std::tuple<int, TitleList, int, test::LineChanges, const char*> choices[] = {
        {kTitle1, TitleList::titlegender, 2, {{t1.titlegender, "Female"}}, "Female"},
        {kTitle1, TitleList::titlegender, 3, {}, "Female"},
        {kTitle1, TitleList::titlebrand, -1, {}, "All"},
        {kTitle1, TitleList::titletype, 1, {}, "Singles"},
        {kCustom1, TitleList::titletype, 1, {{c1.titletype, "Tag Team"}}, "Tag Team"},
        {kCustom1, TitleList::titleweight, 2, {{c1.titleweight, "Heavy"}}, "Heavy"},
    };
    for (const auto& [title, list, entry, changes, text] : choices) {
        step6.selectTitle(title);
        expectChanges([&] { step6.choose(list, entry); }, changes);
        EXPECT_EQ(step6.list(list).text(), text) << entry;
    }
    // A bar and its position, the lines changed, the label and bar then.
    const std::tuple<TitleBar, int, test::LineChanges, const char*, int> moves[] = {
        {TitleBar::titlevalue, 100, {{c1.titlevalue, "100"}}, "100%", 100},
        {TitleBar::titlevalue, 101, {}, "100%", 100},
        {TitleBar::mindraw, -1, {}, "7", 7},
        {TitleBar::mindraw, 0, {{c1.mindraw, "0"}}, "0", 0},
    };
    step6.moveBar(TitleBar::mindraw, 7);
    for (const auto& [bar, position, changes, label, at] : moves) {
        expectChanges([&] { step6.moveBar(bar, position); }, changes);
        EXPECT_EQ(std::tuple(step6.barText(bar), step6.bar(bar).position()), std::tuple(label, at));
    }
    navigator.go(Screen::Step6);
    expectChanges([&] { step6.openCalculator(); }, {});
    EXPECT_EQ(
        std::tuple(navigator.current(), navigator.isVisible(Screen::DateCalculator), step6.hint()),
        std::tuple(Screen::Step6, true, "Click on a title belt to edit..."));
}

// Only "None" (exactly) empties a role; a name's "None" empties its title
// too, while a title may be given to an empty role (the save clears it).
TEST_F(StepTest, Step7EachRolePromptsWithItsTextsAndNoneEmptiesItAndItsTitle) {
    for (const auto& p : kStep7Prompts) {
        EXPECT_EQ(step7.shown(p.field), "None") << "a new promotion has nobody";
    }
    setLines(217, "Rae \xe9||Rae \xe9||Rae \xe9||Rae \xe9||Rae \xe9|Rae \xe9");
    step7.fillFromRecord();
    expectAnswers<F7>(
        step7,
        {{F7::powerfig1name, "None", 217, "", "None", "Brand 1 Power Figure 1",
          "Please enter the name of the 1st power figure for this promotion. If this promotion has "
          "a roster split, this will be the main power figure of the first brand. If there is no "
          "person in this role, enter 'None'."},
         {F7::brand1powerfig1title, "None", 218, "", "None", "Brand 1 Power Figure 1 Job Title",
          "Please enter the job title of the 1st power figure for this promotion, eg. 'Co-General "
          "Manager Of Raw'. If this promotion has a roster split, this will be the main power "
          "figure of the first brand. If there is no person in this role, enter 'None'."},
         {F7::brand1powerfig2name, "None", 219, "", "None", "Brand 1 Power Figure 2",
          "Please enter the name of the 2nd power figure for this promotion. If this promotion has "
          "a roster split, this will be the 2nd power figure of the first brand. If there is no "
          "person in this role, enter 'None'."},
         {F7::brand1powerfig2title, "None", 220, "", "None", "Brand 1 Power Figure 2 Job Title",
          "Please enter the job title of the 2nd power figure for this promotion, eg. 'Co-General "
          "Manager Of Raw'. If this promotion has a roster split, this will be the 2nd power "
          "figure of the first brand. If there is no person in this role, enter 'None'."},
         {F7::brand2powerfig1name, "None", 221, "", "None", "Brand 2 Power Figure 1",
          "Please enter the name of the 1st power figure for brand 2 of this promotion. This power "
          "figure will only be used if this promotion has a roster split. If there is no person "
          "in this role, enter 'None'."},
         {F7::brand2powerfig1title, "None", 222, "", "None", "Brand 2 Power Figure 1 Job Title",
          "Please enter the job title of the 1st power figure of the 2nd brand for this "
          "promotion, eg. 'Co-General Manager Of Raw'. This power figure will only be used if "
          "this promotion has a roster split. If there is no person in this role, enter 'None'."},
         {F7::brand2powerfig2name, "None", 223, "", "None", "Brand 2 Power Figure 2",
          "Please enter the name of the 2nd power figure for brand 2 of this promotion. This power "
          "figure will only be used if this promotion has a roster split. If there is no person "
          "in this role, enter 'None'."},
         {F7::brand2powerfig2title, "None", 224, "", "None", "Brand 2 Power Figure 2 Job Title",
          "Please enter the job title of the 2nd power figure of the 2nd brand for this "
          "promotion, eg. 'Co-General Manager Of Raw'. This power figure will only be used if "
          "this promotion has a roster split. If there is no person in this role, enter 'None'."},
         {F7::interviewer1, "None", 225, "", "None", "Interviewer 1",
          "Please enter the name of the 1st interviewer for this promotion. If this promotion has "
          "a roster split, this will be the interviewer for the 1st brand. If there is nobody in "
          "this role, enter 'None'."},
         {F7::interviewer2, "None", 226, "", "None", "Interviewer 2",
          "Please enter the name of the 2nd interviewer for this promotion. If this promotion has "
          "a roster split, this will be the interviewer for the 2nd brand. If there is nobody in "
          "this role, enter 'None'."},
         {F7::interviewer2, "none", 226, "none", "none"},
         {F7::brand2powerfig2title, "Boss", 224, "Boss", "Boss"}});
    for (const auto& [name, line, title] :
         {std::tuple{F7::powerfig1name, 217, F7::brand1powerfig1title},
          std::tuple{F7::brand1powerfig2name, 219, F7::brand1powerfig2title},
          std::tuple{F7::brand2powerfig1name, 221, F7::brand2powerfig1title},
          std::tuple{F7::brand2powerfig2name, 223, F7::brand2powerfig2title}}) {
        setLines(217, "Rae|Boss|Rae|Boss|Rae|Boss|Rae|Boss");
        step7.fillFromRecord();
        dialogs.reply("None");
        expectChanges([&] { step7.edit(name); }, {{line, ""}, {line + 1, ""}});
        EXPECT_EQ(step7.shown(title), "None");
    }
}

TEST_F(StepTest, Step8StoresTheTalkShowsAsTypedAndThePopularityAndCountry) {
    EXPECT_EQ(shownFields(), "NA|NA|NA|NA|NA|NA") << "both off when new";
    const std::string k = "na \xa0";
    expectAnswers<F8>(
        step8,
        {{F8::brand1talkshowname, k, 227, k, k, "Brand 1 Talk Show Segment Name",
          "Please enter the name of the talk show segment for this promotion, if there is one. If "
          "there is a roster split for this promotion, enter the talk show details here if it is "
          "on brand 1. If there is no talk show segment for this promotion/brand, enter 'NA'."},
         {F8::brand1talkshowhost, k, 228, k, k, "Brand 1 Talk Show Segment Host",
          "Please enter the name of the host of this talk show segment. If there isn't a talk show "
          "segment for this promotion/brand, enter 'NA'."},
         {F8::talkshow1showname, k, 229, k, k, "Which Show?",
          "Please enter the name of the show that this talk show segment is on (eg. 'Raw'), if "
          "there is one. If there is no talk show segment for this promotion/brand, enter 'NA'."},
         {F8::brand2talkshowname, k, 230, k, k, "Brand 2 Talk Show Segment Name",
          "Please enter the name of the talk show segment for this promotion's 2nd brand, if there "
          "is one. This will only be used if there is a roster split in this promotion. If there "
          "is no talk show segment for brand 2, enter 'NA'."},
         {F8::brand2talkshowhost, k, 231, k, k, "Brand 2 Talk Show Segment Host",
          "Please enter the name of the host of this talk show segment. If there isn't a talk show "
          "segment for this promotion's 2nd brand, enter 'NA'."},
         {F8::talkshow2showname, k, 232, k, k, "Which Show?",
          "Please enter the name of the show that this talk show segment is on (eg. 'Raw'), if "
          "there is one. If there is no talk show segment for this promotion's 2nd brand, enter "
          "'NA'."}});
    step8.movePopularity(37);
    step8.movePopularity(101);
    step8.chooseCountry(2);
    step8.chooseCountry(4);
    EXPECT_EQ(joined({record.get(line::popularity), step8.popularity(), record.get(line::country)}),
              "37|37%|Japan");
}

// Only "NA" and "None" switch a segment off; a host or show field keeps
// showing what was typed into it.
TEST_F(StepTest, Step8NaOrNoneSwitchesOffOnlyItsOwnSegment) {
    const std::tuple<F8, const char*, const char*, const char*> cases[] = {
        {F8::brand1talkshowname, "NA", "NA|||Chat|Dee|Weekly", "NA|NA|NA|Chat|Dee|Weekly"},
        {F8::brand1talkshowname, "None", "NA|||Chat|Dee|Weekly", "NA|NA|NA|Chat|Dee|Weekly"},
        {F8::talkshow1showname, "None", "NA|||Chat|Dee|Weekly", "NA|NA|None|Chat|Dee|Weekly"},
        {F8::brand2talkshowhost, "None", "Chat|Dee|Weekly|NA||", "Chat|Dee|Weekly|NA|None|NA"},
        {F8::brand2talkshowname, "NONE", "Chat|Dee|Weekly|NONE|Dee|Weekly",
         "Chat|Dee|Weekly|NONE|Dee|Weekly"},
    };
    constexpr const char* kBothOn = "Chat|Dee|Weekly|Chat|Dee|Weekly";
    for (const auto& [field, reply, lines, shown] : cases) {
        setLines(line::brand1talkshowname, kBothOn);
        step8.fillFromRecord();
        const auto before = record.lines();
        dialogs.reply(reply);
        step8.edit(field);
        EXPECT_EQ(std::tuple(linesFrom(line::brand1talkshowname, 6), shownFields()),
                  std::tuple(lines, shown))
            << reply;
        setLines(line::brand1talkshowname, kBothOn);
        EXPECT_EQ(record.lines(), before) << "only the segments change";
    }
}

TEST_F(StepTest, Step8SaveLeavesAndCountsAsSavedOnlyOnceTheFileIsWritten) {
    navigator.go(Screen::Step8);
    for (const bool diskFull : {true, false}) {
        dialogs.reply("Ada Quill");
        editor.step7.edit(Step7Field::brand1powerfig2name); // the save moves her up
        const platform::Lines before = record.lines();
        dialogs.clear();
        platform::FaultPlan plan; // a full disk, or one that never fills
        plan.failFrom(platform::Op::Write, diskFull ? 1 : 1'000'000, ENOSPC);
        step8.next();
        EXPECT_EQ(std::tuple(dialogs.texts().size(), game.exists("Data/new.fed"),
                             navigator.current(), editor.chooser.unsavedWork().empty(),
                             record.lines() == before),
                  diskFull ? std::tuple(1u, false, Screen::Step8, false, true)
                           : std::tuple(1u, true, Screen::PromotionMenu, true, false));
    }
}

} // namespace
} // namespace bm::promotion
