#include "gui/gui_fixture.h"

#include <QLabel>

namespace bm::gui {
namespace {

using context::ScenarioField;

class ScenarioInfoViewTest : public test::GuiTest {};

// From the start screen through the new scenario's information to its menu,
// and back to the same screen from the menu.
TEST_F(ScenarioInfoViewTest, ScenarioInfoWiring) {
    ScenarioInfoView& view = app.view<ScenarioInfoView>();
    const auto shown = [&] {
        QStringList values;
        for (auto f : {ScenarioField::scenarioname, ScenarioField::scenariodesc,
                       ScenarioField::scenariocreator}) {
            values << view.field(f)->value();
        }
        return values.join('|');
    };
    game.write("Data/maindata.bm1", "main\r\n");
    game.write("Data/venues.txt", "");
    ASSERT_TRUE(app.start());
    dialogs.reply("Tide Turn");
    click(app.view<StartScreenView>().createScenarioButton);
    ASSERT_TRUE(view.isVisible());
    EXPECT_FALSE(app.view<StartScreenView>().isVisible());
    EXPECT_EQ(view.heading->text() + "|" + view.hint->text() + "|" + tabOrder(&view),
              QStringLiteral("Scenario Information File|Click an item to edit|Title Of "
                             "Scenario|Scenario Description|Your Name|OK"));
    EXPECT_EQ(shown(), QStringLiteral("Tide Turn|Enter a description here.|Enter your name here."));
    EXPECT_EQ(view.focusWidget(), view.field(ScenarioField::scenarioname));
    screenshot(&view, "scenario_info");

    dialogs.reply("Storms \x93\xe9\x94");
    QTest::keyClick(view.field(ScenarioField::scenariodesc), Qt::Key_Return);
    click(view.okButton);
    ASSERT_TRUE(app.view<EditingMenuView>().isVisible());
    click(app.view<EditingMenuView>().button(context::MenuButton::ScenarioInfo));
    EXPECT_EQ(shown(), QStringLiteral("Tide Turn|Storms \u201c\u00e9\u201d|Enter your name here."));
}

} // namespace
} // namespace bm::gui
