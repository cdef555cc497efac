#include "core/roster/stat_editor.h"

#include "core/roster/roster_fixture.h"

#include <tuple>

namespace bm::roster {
namespace {

using Kind = bm::test::ScriptedDialogs::Kind;
using ui::Screen;

constexpr int kValue = 1; // the value column

int rowOf(Field field) {
    return static_cast<int>(indexOf(field));
}

class StatEditorTest : public test::RosterTest {
protected:
    // Al is edited; Bo and a wrestler without a name share the roster.
    void SetUp() override {
        RosterTest::SetUp();
        openWith({{"Al", "NWC"}, {"Bo"}, {"", "CCW"}});
        edit("Al");
        dialogs.clear();
    }
    const WrestlerRecord& al() const { return screen.roster()[0]; }
};

TEST_F(StatEditorTest, EachStatIsCheckedAndStoredInItsForm) {
    const std::string inUse = "That name is already being used in this database.";
    const std::string expiryForm =
        "The expiry date must be in the form month then year, eg. January 2004.";
    const struct {
        Field field;
        std::string typed; // into the text box or the list; for a bar, its position
        std::vector<std::string> messages;
        std::string stored; // when no message
    } cases[] = {
        {Field::names, "", {"You can't leave the Full Name stat blank.", inUse}, ""},
        {Field::names, "Al", {inUse}, ""},
        {Field::names, "Bo", {inUse}, ""},
        {Field::names, "al", {}, "al"},
        {Field::shortname, "", {"You can't leave the Short Name stat blank.", inUse}, ""},
        {Field::shortname, "Big Al", {}, "Big Al"},
        {Field::promotion, "", {"You can't leave the Promotion stat blank."}, ""},
        {Field::brand, "brand 1", {"The Brand stat must be either Brand 1, Brand 2 or All."}, ""},
        {Field::gender, "male", {"The Gender stat must be either Male or Female."}, ""},
        {Field::gender, "Female", {}, "Female"},
        {Field::pop, "55", {}, "55"},
        {Field::desc, "", {"You can't leave the Description stat blank."}, ""},
        {Field::expires, "", {"You can't leave the Contract Expiry Date stat blank."}, ""},
        {Field::expires, "March", {expiryForm}, ""},
        {Field::expires, "march 2005", {expiryForm}, ""},
        {Field::expires, "Marchy 2005", {expiryForm}, ""},
        {Field::expires, "December soon", {}, "December soon"},
        {Field::wages, "", {"You can't leave the Weekly Wages stat blank."}, ""},
        {Field::indybookings,
         "yes",
         {"The Accept Indy Bookings stat must be either Yes or No."},
         ""},
        {Field::bookingfee, "", {"You can't leave the Booking Fee stat blank."}, ""},
        {Field::multiproms,
         "",
         {"You can't leave the Regular Promotions stat blank. If the wrestler doesn't wrestle for "
          "more than one promotion regularly, enter 'None'."},
         ""},
        {Field::multiproms, "none", {}, "None"},
        {Field::multiproms, "NONE", {}, "NONE"},
        {Field::roles,
         "3",
         {"The Card Position stat must be either Lower Carder, Mid Carder or Upper Carder."},
         ""},
        {Field::roles, "Upper Carder", {}, "3"},
        {Field::faceheel, "Tweener", {"The Disposition stat must be either Face or Heel."}, ""},
        {Field::finisher, "", {"You can't leave the Finisher stat blank."}, ""},
        {Field::finisher,
         "The Drop",
         {"You can't start the finisher with 'The'! The game automatically adds 'the' to the "
          "commentary."},
         ""},
        {Field::finisher, "the Drop", {}, "the Drop"},
        {Field::finisher, "Thesis Driver", {}, "Thesis Driver"},
        {Field::finishertype,
         "p",
         {"The Finisher Type stat must be either Pin, Submission or Top Rope."},
         ""},
        {Field::finishertype, "Top Rope", {}, "t"},
        {Field::tagteam, "", {"You can't leave the Tag Team stat blank."}, ""},
        {Field::tagteam, "None", {}, "no"},
        {Field::tagteam, "NONE", {}, "NONE"},
        {Field::stable, "", {"You can't leave the Stable stat blank."}, ""},
        {Field::stable, "No", {}, "no"},
        {Field::injury,
         "",
         {"You can't leave the Injury Time stat blank. If this wrestler is not injured, enter "
          "'0'."},
         ""},
        {Field::status, "", {}, ""},
        {Field::cond, "0", {"Condition stat cannot be 'Inj' if Injury Time is zero."}, ""},
        {Field::manager, "", {"You can't leave the Valet stat blank."}, ""},
        {Field::manager, "none", {}, "no"},
        {Field::ringstyle,
         "Brawler",
         {"The Ring Style stat must be one of the options in the list."},
         ""},
        {Field::weight, "heavy", {"The Weight Class stat must be either Light or Heavy."}, ""},
        {Field::basecountry,
         "Canada",
         {"The Base Country stat must be either USA, UK, Japan or Other."},
         ""},
    };
    for (const auto& c : cases) {
        const std::string before(al().get(c.field));
        dialogs.clear();
        stats.clickCell(rowOf(c.field), kValue);
        if (stats.input() == Input::Scroll) {
            stats.moveScroll(std::stoi(c.typed));
        } else if (stats.input() == Input::Choice) {
            stats.typeChoice(c.typed);
        } else {
            stats.typeText(c.typed);
        }
        stats.apply();
        EXPECT_EQ(dialogs.texts(), c.messages) << c.typed;
        for (const auto& shown : dialogs.shown()) {
            EXPECT_EQ(std::tuple(shown.kind, shown.icon, shown.title),
                      std::tuple(Kind::Message, ui::Icon::None, "BM 1.3 Official Editor"));
        }
        EXPECT_EQ(al().get(c.field), c.messages.empty() ? c.stored : before) << c.typed;
        EXPECT_EQ(stats.editing(), !c.messages.empty()) << c.typed;
        stats.cancel();
    }
    EXPECT_EQ(stats.heading(), "al");
    EXPECT_EQ(stats.value(rowOf(Field::finishertype)), "Top Rope");
    EXPECT_EQ(stats.value(rowOf(Field::roles)), "Upper Carder");
}

TEST_F(StatEditorTest, InputsStartFromTheShownValue) {
    WrestlerRecord& record = screen.roster()[0];
    record.set(Field::roles, "7");
    record.set(Field::finishertype, "x");
    record.set(Field::pop, "150");
    record.set(Field::cond, "Inj");
    record.set(Field::injury, "14");
    EXPECT_EQ(stats.value(rowOf(Field::roles)), "");
    EXPECT_EQ(stats.value(rowOf(Field::finishertype)), "x");

    // A hand-edited value the bar cannot show is kept until the bar moves.
    const struct {
        Field field;
        int move; // -1: not moved
        int bar;
        const char* label;
    } scrolls[] = {
        {Field::pop, -1, 100, "150"}, {Field::cond, -1, 1, "Inj"}, {Field::cond, 0, 0, "Inj"},
        {Field::cond, 1, 1, "1"},     {Field::morale, 0, 0, "0"},  {Field::morale, 101, 100, "100"},
    };
    for (const auto& s : scrolls) {
        stats.clickCell(rowOf(s.field), kValue);
        if (s.move >= 0) {
            stats.moveScroll(s.move);
        }
        EXPECT_EQ(std::tuple(stats.scrollValue(), stats.numberLabel()), std::tuple(s.bar, s.label));
        stats.cancel();
    }
    stats.clickCell(rowOf(Field::cond), kValue);
    stats.apply();
    EXPECT_EQ(al().cond(), "Inj") << "injured, so Inj stands";

    stats.clickCell(rowOf(Field::finishertype), kValue);
    EXPECT_EQ(stats.choiceText(), "x");
    EXPECT_EQ(stats.choices().size(), 3u);
    EXPECT_EQ(stats.editingCaption(), "Finisher Type");
    stats.cancel();

    stats.clickCell(rowOf(Field::expires), kValue);
    EXPECT_EQ(stats.textBox(), "July 2007");
    EXPECT_EQ(stats.editingCaption(), "Contract Expiry Date");
    EXPECT_EQ(stats.help(), "The date the wrestler's contract expires, month then year. Every "
                            "wrestler on the database can be given a random expiry date instantly "
                            "by clicking the button on the previous screen. If choosing manually, "
                            "remember the game begins in the year 2004, so no dates should be "
                            "before this.");
    EXPECT_EQ(editor.context.startYear, "2004");

    // While a stat is edited nothing else can be started, closed or deleted.
    stats.clickCell(0, kValue);
    stats.close();
    stats.deleteWrestler();
    EXPECT_EQ(stats.editingRow(), rowOf(Field::expires));
    EXPECT_EQ(navigator.current(), Screen::StatEditor);
    stats.cancel();
    EXPECT_EQ(std::tuple(stats.editing(), stats.editingCaption(), stats.help()),
              std::tuple(false, "Click on a stat above to edit", ""));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StatEditorTest, DeletingAsksAndRemovesExactlyTheEntryEdited) {
    dialogs.no();
    stats.deleteWrestler();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(
        std::tuple(dialogs.shown()[0].text, dialogs.shown()[0].answer),
        std::tuple("Are you sure you want to permanently delete this wrestler?", ui::Default::No));
    EXPECT_EQ(dialogs.shown()[1].text, "Delete cancelled.");
    EXPECT_EQ(navigator.current(), Screen::StatEditor);
    EXPECT_EQ(screen.roster().size(), 3u);

    // A new wrestler deleted at once, among older generated names.
    stats.close();
    screen.showAll();
    for (const char* name : {"New Wrestler", "New Wrestler 2"}) {
        screen.createNewWrestler();
        stats.clickCell(0, kValue);
        stats.typeText(name);
        stats.apply();
        stats.close();
    }
    const Roster before = screen.roster();
    screen.createNewWrestler();
    EXPECT_EQ(stats.heading(), "New Wrestler 1");
    dialogs.clear();
    dialogs.yes();
    stats.deleteWrestler();
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{std::string(kDeleteQuestion),
                                                         "This wrestler has been deleted."}));
    EXPECT_EQ(screen.roster(), before);
    EXPECT_EQ(screen.totalnum(), "5");
    EXPECT_EQ(navigator.current(), Screen::Roster);
}

} // namespace
} // namespace bm::roster
