#include "gui/gui_fixture.h"

#include <QLabel>
#include <QPushButton>

#include <string>

namespace bm::gui {
namespace {

using context::ScenarioField;

class ScenarioInfoViewTest : public test::GuiTest {
protected:
    ScenarioInfoView& view = app.view<ScenarioInfoView>();
    EditingMenuView& menu = app.view<EditingMenuView>();

    QString shown() const {
        QStringList values;
        for (auto f : {ScenarioField::scenarioname, ScenarioField::scenariodesc,
                       ScenarioField::scenariocreator}) {
            values << view.field(f)->value();
        }
        return values.join('|');
    }
};

// From the start screen through the new scenario's information to its menu,
// and back to the same screen from the menu.
TEST_F(ScenarioInfoViewTest, CreatedScenarioIsDescribedAndReopenedFromTheMenu) {
    game.write("Data/maindata.bm1", "main\r\n");
    game.write("Data/venues.txt", "");
    ASSERT_TRUE(app.start());
    dialogs.reply("Tide Turn");
    click(app.view<StartScreenView>().createScenarioButton);
    ASSERT_TRUE(view.isVisible());
    EXPECT_FALSE(app.view<StartScreenView>().isVisible());
    EXPECT_EQ(view.heading->text() + "|" + view.hint->text(),
              QStringLiteral("Scenario Information File|Click an item to edit"));
    EXPECT_EQ(shown(), QStringLiteral("Tide Turn|Enter a description here.|Enter your name here."));
    EXPECT_EQ(tabOrder(&view),
              QStringLiteral("Title Of Scenario|Scenario Description|Your Name|OK"));
    EXPECT_EQ(view.focusWidget(), view.field(ScenarioField::scenarioname));
    EXPECT_LE(view.frameGeometry().width(), 1366);
    EXPECT_LE(view.frameGeometry().height(), 768);
    screenshot(&view, "scenario_info");

    dialogs.reply("Storms \x93\xe9\x94");
    QTest::keyClick(view.field(ScenarioField::scenariodesc), Qt::Key_Return);
    click(view.okButton);
    ASSERT_TRUE(menu.isVisible());
    click(menu.button(context::MenuButton::ScenarioInfo));
    EXPECT_EQ(shown(), QStringLiteral("Tide Turn|Storms \u201c\u00e9\u201d|Enter your name here."));
}

} // namespace
} // namespace bm::gui
