#include "core/promotion/step6.h"

#include "support/editor_fixture.h"

#include <tuple>
#include <vector>

namespace bm::promotion {
namespace {

using Kind = test::ScriptedDialogs::Kind;
using Lines = std::vector<std::string>;

constexpr int kTitle1 = 0;
constexpr int kTitle3 = 2;
constexpr int kCustom1 = 4;
constexpr int kCustom2 = 5;

class Step6Test : public test::EditorTest {
protected:
    Step6& step = editor.step6;
    PromotionRecord& record = editor.chooser.record();

    void SetUp() override {
        dialogs.reply("new.fed");
        editor.promotionMenu.createPromotion();
        dialogs.clear();
    }
    // A block's lines, in file order.
    Lines block(int item) const {
        const auto& b = line::titles[static_cast<std::size_t>(item)];
        return {record.lines().begin() + b.first, record.lines().begin() + b.first + b.count};
    }
    void setBlock(int item, const Lines& lines) {
        const auto& b = line::titles[static_cast<std::size_t>(item)];
        for (int i = 0; i < b.count; ++i) {
            record.set(b.first + i, lines[static_cast<std::size_t>(i)]);
        }
    }
    // What the screen shows, field by field in screen order.
    Lines screen() const {
        return {step.shown(TitleField::titlename),
                step.shown(TitleField::holdername),
                step.list(TitleList::titletype).text(),
                step.barText(TitleBar::titlevalue),
                step.list(TitleList::titlegender).text(),
                step.list(TitleList::titleweight).text(),
                step.list(TitleList::titlehardcore).text(),
                step.barText(TitleBar::mindraw),
                step.list(TitleList::titlebrand).text(),
                step.shown(TitleField::currentchamp),
                step.shown(TitleField::champ1),
                step.shown(TitleField::champ2),
                step.shown(TitleField::reign),
                step.shown(TitleField::defenses),
                step.shown(TitleField::historydate)};
    }
    void answer(TitleField field, std::string reply) {
        dialogs.reply(std::move(reply));
        step.edit(field);
    }
};

const Lines kTagTeam{"Harbour Tag Titles",
                     "Harbour Tag Champions",
                     "Tag Team",
                     "72",
                     "Male",
                     "Heavy",
                     "Yes",
                     "35",
                     "Brand 2",
                     "The Rust Brothers",
                     "Cole Rust",
                     "Dane Rust",
                     "140",
                     "No Record Yet",
                     "0",
                     "6",
                     "Sunday 2nd May 2004",
                     "The Rust Brothers"};

TEST_F(Step6Test, SelectingAnEmptyTitleShowsAndStoresItsDefaults) {
    const struct {
        int item;
        Lines shown;
        Lines stored;
        bool typeEnabled;
    } cases[] = {
        {kTitle3,
         {"None", "", "Singles", "0%", "All", "All", "No", "0", "All", "", "None", "None", "0", "0",
          ""},
         {"", "", "0", "All", "All", "No", "0", "All", "", "", "", "", "", "", ""},
         false},
        {kCustom2,
         {"None", "", "Singles", "0%", "All", "All", "No", "0", "All", "", "", "", "", "", ""},
         {"", "", "Singles", "0", "All", "All", "No", "0", "All", "", "", "", "", "", "", "", "",
          ""},
         true},
    };
    for (const auto& c : cases) {
        step.selectTitle(kCustom1); // a type that must not carry over
        step.choose(TitleList::titletype, 1);
        Lines expected = record.lines();
        const auto& b = line::titles[static_cast<std::size_t>(c.item)];
        std::copy(c.stored.begin(), c.stored.end(), expected.begin() + b.first);

        step.selectTitle(c.item);
        EXPECT_EQ(step.titles().selected(), c.item);
        EXPECT_EQ(screen(), c.shown) << c.item;
        EXPECT_EQ(record.lines(), expected) << c.item << ": only the defaults are written";
        EXPECT_EQ(step.typeEnabled(), c.typeEnabled);
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

// Removing a title empties every line the screen shows, keeps the three the
// save writes, and title 1 cannot be removed.
TEST_F(Step6Test, NoneRemovesATitleButTheFirst) {
    Lines singles(kTagTeam);
    singles.erase(singles.begin() + 10, singles.begin() + 12); // no holders
    singles.erase(singles.begin() + 2);                        // nor a type
    const struct {
        int item;
        Lines before;
        Lines after;
    } cases[] = {
        {kCustom1,
         kTagTeam,
         {"", "", "Singles", "0", "All", "All", "No", "0", "All", "", "", "", "", "No Record Yet",
          "0", "", "", "The Rust Brothers"}},
        {kTitle3,
         singles,
         {"", "", "0", "All", "All", "No", "0", "All", "", "", "No Record Yet", "0", "", "",
          "The Rust Brothers"}},
        {kTitle1, singles, singles},
    };
    for (const auto& c : cases) {
        setBlock(c.item, c.before);
        step.selectTitle(c.item);
        const Lines shown = screen();
        Lines expected = record.lines();
        const auto& b = line::titles[static_cast<std::size_t>(c.item)];
        std::copy(c.after.begin(), c.after.end(), expected.begin() + b.first);
        dialogs.clear();
        answer(TitleField::titlename, "None");

        EXPECT_EQ(record.lines(), expected) << c.item;
        if (c.item == kTitle1) {
            ASSERT_EQ(dialogs.shown().size(), 2u);
            const auto& refusal = dialogs.shown()[1];
            EXPECT_EQ(std::tuple(refusal.kind, refusal.text, refusal.title, refusal.icon),
                      std::tuple(Kind::Message,
                                 "Every promotion must have a primary singles title.",
                                 "BM 1.3 Official Editor", ui::Icon::None));
            EXPECT_EQ(screen(), shown);
        } else {
            EXPECT_EQ(screen(), (Lines{"None", "", "Singles", "0%", "All", "All", "No", "0", "All",
                                       "", "None", "None", "0", "0", ""}));
        }
    }
}

TEST_F(Step6Test, PromptsStoreInTheSelectedBlockAndHoldersOnlyForCustomTitles) {
    setBlock(kCustom1, kTagTeam);
    const struct {
        TitleField field;
        const char* title;
        const char* message;
        const char* answer;
        const char* stored;
    } cases[] = {
        {TitleField::titlename, "Title Name",
         "Please enter the name of this title belt, eg. World Heavyweight Championship. If you "
         "don't want a title belt here, enter 'None'.",
         "Iron Crown", "Iron Crown"},
        {TitleField::holdername, "Holder Name",
         "Please enter the name the holder of this title belt will have, eg. World Heavyweight "
         "Champion.",
         "Crown Holder", "Crown Holder"},
        {TitleField::currentchamp, "Current Champion(s)",
         "Please enter the name of the wrestler(s) who currently hold this title belt. If it is a "
         "tag team title, enter the name of the tag team here. If the title is currently vacant, "
         "enter 'Vacant'.",
         "Vacant", "Vacant"},
        {TitleField::champ1, "Champion 1",
         "If this is a tag team title, please enter the name of the first member of the team "
         "which currently hold this title belt. If the title isn't a tag team title, or is "
         "vacant, enter 'None'.",
         " Ivo Kask ", " Ivo Kask "},
        {TitleField::champ2, "Champion 2",
         "If this is a tag team title, please enter the name of the second member of the team "
         "which currently hold this title belt. If the title isn't a tag team title, or is "
         "vacant, enter 'None'.",
         "None", "None"},
        {TitleField::reign, "Current Reign",
         "Please enter the number of days this wrestler/team has/have held this title so far.",
         "23 days", "23"},
        {TitleField::defenses, "Title Defences",
         "Please enter the number of title defences this wrestler/team has/have made so far.",
         "1,500", "1"},
        {TitleField::historydate, "Date Of Title Change",
         "Please enter the date when this title was won, or the date it was made vacant. The "
         "date must be in the form 'Saturday 21st August 2004'.",
         "21/08/2004", "21/08/2004"},
    };
    for (const int item : {kTitle1, kCustom1}) {
        step.selectTitle(item);
        const auto& b = line::titles[static_cast<std::size_t>(item)];
        for (const auto& c : cases) {
            const std::string initial = step.shown(c.field);
            const int ln = kTitlePrompts[c.field].recordLine(b);
            Lines expected = record.lines();
            if (ln != line::kNoLine) {
                expected[static_cast<std::size_t>(ln)] = c.stored;
            }
            dialogs.clear();
            answer(c.field, ""); // Cancel
            answer(c.field, c.answer);
            ASSERT_EQ(dialogs.shown().size(), 2u);
            const auto& s = dialogs.shown()[0];
            EXPECT_EQ(std::tuple(s.kind, s.title, s.text, s.initial),
                      std::tuple(Kind::Prompt, c.title, c.message, initial));
            EXPECT_EQ(step.shown(c.field), c.stored) << c.title;
            EXPECT_EQ(record.lines(), expected) << item << " " << c.title;
        }
    }
    // The holders of title 1 were only shown; they show "None" again.
    step.selectTitle(kTitle1);
    EXPECT_EQ(step.shown(TitleField::champ1), "None");
    EXPECT_EQ(record.get(line::titles[0].reign), "23");

    const std::pair<const char*, const char*> reigns[] = {
        {"None", "0"}, {"abc", "0"}, {"-3", "-3"}};
    for (const auto& [reply, stored] : reigns) {
        answer(TitleField::reign, reply);
        EXPECT_EQ(record.get(line::titles[0].reign), stored) << reply;
        EXPECT_EQ(step.shown(TitleField::reign), stored) << reply;
    }
}

TEST_F(Step6Test, ListsAndBarsStoreInTheSelectedBlockAndOddValuesAreShownAsStored) {
    Lines odd(kTagTeam);
    odd[2] = "Trios";  // type
    odd[3] = "250";    // value
    odd[4] = "Mixed";  // gender
    odd[7] = "-40000"; // mindraw
    odd[10] = "";      // champ1
    setBlock(kCustom2, odd);
    const auto before = record.lines();
    step.selectTitle(kCustom2);
    EXPECT_EQ(step.bar(TitleBar::titlevalue).position(), 100);
    EXPECT_EQ(step.bar(TitleBar::mindraw).position(), 0);
    EXPECT_EQ(screen(), (Lines{"Harbour Tag Titles", "Harbour Tag Champions", "Trios", "250%",
                               "Mixed", "Heavy", "Yes", "-40000", "Brand 2", "The Rust Brothers",
                               "None", "Dane Rust", "140", "6", "Sunday 2nd May 2004"}));
    EXPECT_EQ(record.lines(), before) << "shown, not written back";

    const struct {
        int item;
        TitleList list;
        int index;
        const char* stored; // nullptr: nothing changes
    } choices[] = {
        {kCustom2, TitleList::titletype, 0, "Singles"},
        {kCustom2, TitleList::titlegender, 2, "Female"},
        {kCustom2, TitleList::titleweight, 1, "Light"},
        {kCustom2, TitleList::titlehardcore, 0, "No"},
        {kCustom2, TitleList::titlebrand, 3, nullptr},
        {kTitle1, TitleList::titletype, 1, nullptr},
        {kTitle1, TitleList::titlebrand, 1, "Brand 1"},
    };
    for (const auto& c : choices) {
        step.selectTitle(c.item);
        const auto& row = kTitleLists[static_cast<std::size_t>(c.list)];
        Lines expected = record.lines();
        if (c.stored) {
            expected[static_cast<std::size_t>(line::titles[c.item].*row.line)] = c.stored;
        }
        const std::string shown = step.list(c.list).text();
        step.choose(c.list, c.index);
        EXPECT_EQ(record.lines(), expected) << row.caption;
        EXPECT_EQ(step.list(c.list).text(), c.stored ? c.stored : shown) << row.caption;
    }

    const struct {
        TitleBar bar;
        int position;
        const char* label;
    } moves[] = {
        {TitleBar::titlevalue, 100, "100%"},
        {TitleBar::titlevalue, 101, "100%"},
        {TitleBar::mindraw, 0, "0"},
        {TitleBar::mindraw, 57, "57"},
    };
    step.selectTitle(kCustom2);
    for (const auto& m : moves) {
        step.moveBar(m.bar, m.position);
        const auto& row = kTitleBars[static_cast<std::size_t>(m.bar)];
        EXPECT_EQ(step.barText(m.bar), m.label);
        EXPECT_EQ(record.get(line::titles[kCustom2].*row.line) + std::string(row.suffix), m.label);
    }
}

TEST_F(Step6Test, CalculatorOpensBesideTheStepAndStaysOpen) {
    navigator.go(ui::Screen::Step6);
    const auto before = record.lines();
    step.openCalculator();
    EXPECT_EQ(navigator.current(), ui::Screen::Step6);
    EXPECT_TRUE(navigator.isVisible(ui::Screen::DateCalculator));
    step.next();
    EXPECT_EQ(navigator.current(), ui::Screen::Step7);
    EXPECT_TRUE(navigator.isVisible(ui::Screen::DateCalculator));
    EXPECT_EQ(record.lines(), before);
}

} // namespace
} // namespace bm::promotion
