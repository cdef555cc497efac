// Every kind of save, made to fail at each of its file steps in turn.
#include "core/promotion/save_rules.h"
#include "core/roster/roster.h"
#include "support/editor_fixture.h"
#include "support/fault.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace bm::app {
namespace {

using context::MenuButton;
using platform::Op;
using ui::Screen;

const std::string kMainData = "BM13\r\n7\r\nWednesday\r\n18\r\nAugust\r\n2004\r\n\xff tail\r\n";
const std::string kVenues = "Quay Hall\r\nQuay, Coast\r\nQuay\r\n900\r\nUK\r\nNone\r\n"
                            "Rim Dome\r\nRim, Ridge\r\nRim\r\n300\r\nUSA\r\nNone\r\nstray\r\n";

class SaveFaults : public test::EditorTest {
protected:
    void SetUp() override {
        game.write("Data/maindata.bm1", kMainData);
        game.write("Data/venues.txt", kVenues);
        game.write("Data/bmf.fed", "Old\r\nOld Promotion\r\n");
        game.writeLines("Scenarios/Isle/scenario.txt", {"Isle", "Sea", "Kit"});
        roster::Roster wrestlers;
        wrestlers.append(roster::newWrestler("Cass Vane", "2004"));
        game.write("Data/wrestlers.bm1", roster::rosterBytes(wrestlers));
        wrestlers.append(roster::newWrestler("Rook Hale", "2001"));
        game.write("Data/other.bm1", roster::rosterBytes(wrestlers));
    }
    bool said(std::string_view text) const {
        return std::ranges::any_of(dialogs.texts(),
                                   [&](auto& t) { return t.find(text) != t.npos; });
    }
    // A file's bytes, or whether a folder is there.
    std::string state(const std::string& relative) const {
        return std::filesystem::is_directory(game.path(relative)) ? "(folder)"
               : game.exists(relative)                            ? game.read(relative)
                                                                  : "(none)";
    }
    // The roster screen's wrestlers, its unsaved mark and its tools' text boxes.
    std::string rosterShown() const {
        std::string shown = roster::rosterBytes(editor.rosterScreen.roster()) +
                            (editor.rosterScreen.hasUnsavedChanges() ? "changed" : "as saved");
        for (std::size_t b = 0; b < roster::kBoxCount; ++b) {
            shown += "|" + editor.bulkTools.text(static_cast<roster::Box>(b));
        }
        return shown;
    }
    bool listed(std::string_view name) const {
        return std::ranges::count(editor.venueEditor.names(), name) > 0;
    }
};

// Whichever step fails, the file is as it was (or whole and new when only the
// folder sync after the rename failed; a new scenario never), no temporary
// file is left, a message names the file, nothing says it was saved, and the
// roster screen still shows what the user had.
TEST_F(SaveFaults, AFailedStepOfAnySaveKeepsTheFileAndIsNeverReportedAsSaved) {
    auto& venues = editor.venueEditor;
    auto& tools = editor.bulkTools;
    auto& screen = editor.rosterScreen;
    const auto from = [&](MenuButton button, std::function<void()> then) {
        return [&, button, then] {
            editor.start.editNewGameData();
            editor.menu.press(button);
            then();
        };
    };
    const auto wrestlers = MenuButton::Wrestlers;
    bool promotionSaved = false;
    const struct {
        const char* kind;
        std::string file; // the file whose content is judged
        std::function<void()> open;
        std::function<void()> save;
        std::function<bool()> saidSaved;
        bool wholeOrNothing = false;
    } cases[] = {
        {"start date", "Data/maindata.bm1",
         from(MenuButton::StartDate,
              [&] {
                  editor.startDate.chooseDay("19");
                  editor.startDate.chooseWeekday("Thursday");
              }),
         [&] { editor.startDate.confirm(); },
         [&] { return said("Saved OK") || navigator.current() != Screen::StartDate; }},
        {"venue confirmed", "Data/venues.txt",
         from(MenuButton::Venues,
              [&] {
                  venues.edit();
                  dialogs.reply("Anchor Yard");
                  venues.editField(venues::VenueField::venuename);
              }),
         [&] { venues.confirmChanges(); },
         [&] { return said("Saved OK") || !venues.editing() || listed("Anchor Yard"); }},
        {"venue added", "Data/venues.txt", from(MenuButton::Venues, [] {}),
         [&] { venues.addNew(); }, [&] { return listed("Default Venue") || venues.editing(); }},
        {"venue deleted", "Data/venues.txt", from(MenuButton::Venues, [] {}),
         [&] { dialogs.yes(), venues.deleteVenue(); }, [&] { return !listed("Quay Hall"); }},
        {"scenario info", "Scenarios/Isle/scenario.txt",
         [&] {
             editor.start.editScenario();
             editor.start.select(0);
             editor.start.ok();
             editor.menu.press(MenuButton::ScenarioInfo);
             dialogs.reply("Isle Revisited");
             editor.scenarioInfo.edit(context::ScenarioField::scenarioname);
         },
         [&] { editor.scenarioInfo.ok(); },
         [&] { return navigator.current() != Screen::ScenarioInfo; }},
        {"first scenario created", "Scenarios/Fresh",
         [&] { std::filesystem::remove_all(game.path("Scenarios")); },
         [&] { dialogs.reply("Fresh"), editor.start.createScenario(); },
         [&] { return said("Please enter some information"); }, true},
        {"roster", "Data/wrestlers.bm1",
         from(wrestlers,
              [&] {
                  screen.roster()[0].set(roster::Field::names, "Vale"), screen.rosterChanged(false);
              }),
         [&] { screen.saveChanges(); }, [&] { return said("Saved OK"); }},
        {"promotion exported", "Data/out.bm1",
         from(wrestlers,
              [&] {
                  std::filesystem::remove(game.path("Data/out.bm1"));
                  tools.type(roster::Box::ExportPromotion, "Free Agent");
                  tools.type(roster::Box::ExportFile, "out.bm1");
              }),
         [&] { tools.go(roster::ToolRow::Export); }, [&] { return said("created successfully"); }},
        {"roster merged", "Data/other.bm1", from(wrestlers, [] {}),
         [&] { dialogs.reply("other.bm1").yes(), tools.exportIntoAnotherFile(); },
         [&] { return said("exported successfully"); }},
        {"promotion", "Data/bmf.fed", [] {},
         [&] {
             editor.chooser.createPromotion("bmf.fed");
             auto record = editor.chooser.record();
             promotionSaved = promotion::savePromotion(record, "bmf.fed", editor.context, dialogs);
         },
         [&] { return promotionSaved; }},
    };
    for (const auto& c : cases) {
        const auto reset = [&] {
            SetUp();
            navigator.go(Screen::Start);
            editor.menu.backToMenu();
            c.open();
            dialogs.clear();
            dialogs.forgetAnswers();
        };
        reset();
        const std::string before = state(c.file), shown = rosterShown();
        std::vector<Op> steps;
        {
            platform::FaultPlan watch;
            c.save();
            steps = watch.steps();
        }
        ASSERT_TRUE(c.saidSaved()) << c.kind << " does not save at all";
        EXPECT_FALSE(steps.empty()) << c.kind << " took no file step";
        const std::string after = state(c.file); // what a save that went through leaves
        const auto replaced = std::ranges::find(steps, Op::Rename);
        for (auto step = steps.begin(); step != steps.end(); ++step) {
            const std::string where =
                std::string(c.kind) + ", failed step " + std::to_string(step - steps.begin());
            reset();
            platform::FaultPlan plan;
            plan.fail(*step, static_cast<int>(std::count(steps.begin(), step + 1, *step)), EIO);
            c.save();
            const std::string now = state(c.file);
            EXPECT_TRUE(now == before || (step > replaced && replaced != steps.end() &&
                                          !c.wholeOrNothing && now == after))
                << where;
            EXPECT_TRUE(test::strayTemporaryFiles(game.root()).empty()) << where;
            EXPECT_TRUE(said(game.root().string())) << where << ": no file named";
            EXPECT_FALSE(c.saidSaved()) << where;
            EXPECT_EQ(rosterShown(), shown) << where;
        }
    }
}

} // namespace
} // namespace bm::app
