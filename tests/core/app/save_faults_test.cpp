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
        roster::Roster one;
        one.append(roster::newWrestler("Cass Vane", "2004"));
        game.write("Data/wrestlers.bm1", roster::rosterBytes(one));
        game.writeLines("Scenarios/Isle/scenario.txt", {"Isle", "Sea", "Kit"});
        roster::Roster other;
        other.append(roster::newWrestler("Cass Vane", "2001"));
        other.append(roster::newWrestler("Rook Hale", "2001"));
        game.write("Data/other.bm1", roster::rosterBytes(other));
    }
    bool said(std::string_view text) const {
        const auto texts = dialogs.texts();
        return std::any_of(texts.begin(), texts.end(),
                           [&](const std::string& t) { return t.find(text) != t.npos; });
    }
    // A file's bytes, or whether a folder is there.
    std::string state(const std::string& relative) const {
        if (std::filesystem::is_directory(game.path(relative))) {
            return "(folder)";
        }
        return game.exists(relative) ? game.read(relative) : "(none)";
    }
    // What the roster screen holds: its wrestlers, whether they are unsaved,
    // and the text boxes of its tools.
    std::string rosterShown() const {
        std::string shown = roster::rosterBytes(editor.rosterScreen.roster()) +
                            (editor.rosterScreen.hasUnsavedChanges() ? "changed" : "as saved");
        for (std::size_t b = 0; b < roster::kBoxCount; ++b) {
            shown += "|" + editor.bulkTools.text(static_cast<roster::Box>(b));
        }
        return shown;
    }
    bool listed(std::string_view name) const {
        const auto& names = editor.venueEditor.names();
        return std::find(names.begin(), names.end(), name) != names.end();
    }
};

// Whichever step fails, the file is as it was (or, when only the folder sync
// after the replacement failed, whole and new; a new scenario never), no
// temporary file is left, a message names the file, nothing says that it was
// saved, and the screen still shows what the user had.
TEST_F(SaveFaults, AFailedStepOfAnySaveKeepsTheFileAndIsNeverReportedAsSaved) {
    auto& venues = editor.venueEditor;
    auto& tools = editor.bulkTools;
    const auto wrestlers = [&](std::function<void()> then) {
        return [&, then] {
            editor.start.editNewGameData();
            editor.menu.press(MenuButton::Wrestlers);
            then();
        };
    };
    const auto scenarioCreated = [&] { return said("Please enter some information"); };
    const struct {
        const char* kind;
        std::string file; // the file whose content is judged
        std::function<void()> open;
        std::function<void()> save;
        std::function<bool()> saidSaved;
        std::function<std::string()> shown = [] { return std::string(); };
        bool wholeOrNothing = false;
    } cases[] = {
        {"start date", "Data/maindata.bm1",
         [&] {
             editor.start.editNewGameData();
             editor.menu.press(MenuButton::StartDate);
             editor.startDate.chooseDay("19");
             editor.startDate.chooseWeekday("Thursday");
         },
         [&] { editor.startDate.confirm(); },
         [&] { return said("Saved OK") || navigator.current() != Screen::StartDate; }},
        {"venue confirmed", "Data/venues.txt",
         [&] {
             editor.start.editNewGameData();
             editor.menu.press(MenuButton::Venues);
             venues.edit();
             dialogs.reply("Anchor Yard");
             venues.editField(venues::VenueField::venuename);
         },
         [&] { venues.confirmChanges(); },
         [&] { return said("Saved OK") || !venues.editing() || listed("Anchor Yard"); }},
        {"venue added", "Data/venues.txt",
         [&] {
             editor.start.editNewGameData();
             editor.menu.press(MenuButton::Venues);
         },
         [&] { venues.addNew(); }, [&] { return listed("Default Venue") || venues.editing(); }},
        {"venue deleted", "Data/venues.txt",
         [&] {
             editor.start.editNewGameData();
             editor.menu.press(MenuButton::Venues);
         },
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
        {"scenario created", "Scenarios/Fresh",
         [&] { std::filesystem::remove_all(game.path("Scenarios/Fresh")); },
         [&] { dialogs.reply("Fresh"), editor.start.createScenario(); }, scenarioCreated,
         [] { return std::string(); }, true},
        {"first scenario created", "Scenarios/Fresh",
         [&] { std::filesystem::remove_all(game.path("Scenarios")); },
         [&] { dialogs.reply("Fresh"), editor.start.createScenario(); }, scenarioCreated,
         [] { return std::string(); }, true},
        {"roster", "Data/wrestlers.bm1",
         wrestlers([&] { editor.rosterScreen.roster()[0].set(roster::Field::names, "Cass Vale"); }),
         [&] { editor.rosterScreen.saveChanges(); }, [&] { return said("Saved OK"); },
         [&] { return rosterShown(); }},
        {"promotion exported", "Data/out.bm1", wrestlers([&] {
             std::filesystem::remove(game.path("Data/out.bm1"));
             tools.type(roster::Box::ExportPromotion, "Free Agent");
             tools.type(roster::Box::ExportFile, "out.bm1");
         }),
         [&] { tools.go(roster::ToolRow::Export); }, [&] { return said("created successfully"); },
         [&] { return rosterShown(); }},
        {"roster merged", "Data/other.bm1", wrestlers([] {}),
         [&] { dialogs.reply("other.bm1").yes(), tools.exportIntoAnotherFile(); },
         [&] { return said("exported successfully"); }, [&] { return rosterShown(); }},
        {"promotion", "Data/bmf.fed", [] {},
         [&] {
             editor.chooser.createPromotion("bmf.fed");
             auto record = editor.chooser.record();
             if (promotion::savePromotion(record, "bmf.fed", editor.context, dialogs)) {
                 dialogs.message("saved OK, it says", ui::Icon::None, ui::kProgramTitle);
             }
         },
         [&] { return said("saved OK"); }},
    };
    for (const auto& c : cases) {
        SetUp();
        const auto before = state(c.file);
        std::string after; // what a save that went through leaves
        std::string shown; // what the screen showed before the save
        int runs = 0;
        test::forEachFailingStep(
            [&] {
                SetUp();
                navigator.go(Screen::Start);
                editor.menu.backToMenu();
                c.open();
                dialogs.clear();
                dialogs.forgetAnswers();
                shown = c.shown();
            },
            [&] {
                c.save();
                if (runs++ == 0) {
                    ASSERT_TRUE(c.saidSaved()) << c.kind << " does not save at all";
                    after = state(c.file);
                }
            },
            [&](const test::FailedStep& step) {
                const std::string where = std::string(c.kind) + ", failed " + step.name();
                const auto now = state(c.file);
                EXPECT_TRUE(now == before ||
                            (step.afterReplacing && !c.wholeOrNothing && now == after))
                    << where;
                EXPECT_EQ(test::strayTemporaryFiles(game.root()),
                          std::vector<std::filesystem::path>{})
                    << where;
                EXPECT_TRUE(said(game.root().string())) << where << ": no file named";
                EXPECT_FALSE(c.saidSaved()) << where;
                EXPECT_EQ(c.shown(), shown) << where;
            });
        EXPECT_GT(runs, 1) << c.kind << " took no file step";
    }
}

} // namespace
} // namespace bm::app
