#include "core/app/editor.h"

#include "core/promotion/record/promotion_layout.h"
#include "support/editor_fixture.h"

#include <functional>

namespace bm::app {
namespace {

using ui::Screen;
using EditorClose = test::EditorTest;

// Closing asks only when work would be lost, naming each piece; Enter stays.
TEST_F(EditorClose, AsksOnlyWhenWorkWouldBeLostAndNamesIt) {
    game.writeLines("Data/maindata.bm1", {"a", "b", "Wednesday", "18", "August", "2004"});
    game.writeLines("Data/old.fed", promotion::makeTemplateRecord().lines());
    const std::string promotion = "- the changes to the promotion \"old.fed\"";
    const std::string date = "- the start date Thursday 18 August 2004, not yet saved in "
                             "\\Data\\maindata.bm1";
    const std::string roster = "- the changes to the wrestlers file \"wrestlers.bm1\"";
    const std::string venue = "- the changes to the venue \"Quay Hall\", not yet confirmed in "
                              "\\Scenarios\\Tide\\venues.txt";
    const std::string info = "- the scenario information, not yet saved in "
                             "\\Scenarios\\Tide\\scenario.txt";
    const auto load = [](Editor& e) { // loading alone changes nothing
        e.chooser.setMode(promotion::ChooserMode::Edit);
        e.chooser.select(0);
        e.chooser.act();
    };
    const auto editPromotion = [&](Editor& e) {
        load(e);
        dialogs.reply("New Name");
        e.step1.edit(promotion::Step1Field::promname);
    };
    const auto everything = [&](Editor& e) {
        editPromotion(e);
        e.startDate.open();
        e.startDate.chooseWeekday("Thursday");
        e.rosterScreen.rosterChanged(false);
    };
    // The stored "Mexico" shows as "Other": seeing it is no change.
    const auto capacity = [&](Editor& e, const char* typed) {
        game.writeLines("Scenarios/Tide/venues.txt",
                        {"Quay Hall", "Quay, Coast", "Quay", "900", "Mexico", "None"});
        game.writeLines("Scenarios/Tide/scenario.txt", {"Tide", "Waves", "Ann"});
        e.context.enter(context::ContextKind::Scenario, "\\Scenarios\\Tide\\");
        e.scenarioInfo.open();
        e.venueEditor.open();
        e.venueEditor.edit();
        if (*typed) {
            dialogs.reply(typed), e.venueEditor.editField(venues::VenueField::capacity);
        }
    };
    const struct {
        const char* name;
        Screen from;
        std::function<void(Editor&)> act;
        std::vector<std::string> lost; // empty: no question
        bool yes = false;
    } cases[] = {
        {"start screen: Exit", Screen::Start, everything, {}},
        {"nothing changed", Screen::Step1, load, {}},
        {"promotion, No", Screen::Step1, editPromotion, {promotion}},
        {"everything", Screen::StartDate, everything, {promotion, date, roster}, true},
        {"venue edit mode alone", Screen::Venues, [&](Editor& e) { capacity(e, ""); }, {}},
        {"same capacity", Screen::Venues, [&](Editor& e) { capacity(e, "900 seats"); }, {}},
        {"venue confirmed",
         Screen::Venues,
         [&](Editor& e) { capacity(e, "950"), e.venueEditor.confirmChanges(); },
         {}},
        {"venue and scenario information",
         Screen::Venues,
         [&](Editor& e) {
             capacity(e, "950");
             dialogs.reply("Low"), e.scenarioInfo.edit(context::ScenarioField::scenariodesc);
         },
         {venue, info}},
    };
    for (const auto& c : cases) {
        Editor e{dialogs, navigator};
        c.act(e);
        navigator.go(c.from);
        navigator.quitRequested = false;
        dialogs.clear();
        if (!c.lost.empty()) {
            c.yes ? dialogs.yes() : dialogs.no();
        }
        e.closeRequested();
        std::string question = "Closing the editor now will lose work that has not been saved:\r\n";
        for (const auto& work : c.lost) {
            question += "\r\n" + work;
        }
        ASSERT_EQ(dialogs.shown().size(), c.lost.empty() ? 0u : 1u) << c.name;
        for (const auto& shown : dialogs.shown()) {
            EXPECT_EQ(std::tuple(shown.text, shown.answer, shown.icon),
                      std::tuple(question + "\r\n\r\nClose the editor anyway?", ui::Default::No,
                                 ui::Icon::Exclamation))
                << c.name;
        }
        EXPECT_EQ(navigator.quitRequested, c.lost.empty() || c.yes) << c.name;
    }
}

} // namespace
} // namespace bm::app
