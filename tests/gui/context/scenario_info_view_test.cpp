#include "gui/gui_fixture.h"

#include <QLabel>
#include <QPushButton>

#include <string>
#include <vector>

namespace bm::gui {
namespace {

using context::ScenarioField;

class ScenarioInfoViewTest : public test::GuiTest {
protected:
    ScenarioInfoView& view = app.view<ScenarioInfoView>();
    EditingMenuView& menu = app.view<EditingMenuView>();

    QString shown() const {
        return view.field(ScenarioField::scenarioname)->value() + "|" +
               view.field(ScenarioField::scenariodesc)->value() + "|" +
               view.field(ScenarioField::scenariocreator)->value();
    }
};

// Create a Scenario on the start screen leads through the info screen to the
// menu of the new scenario; the menu opens the same screen on the file.
TEST_F(ScenarioInfoViewTest, CreatedScenarioIsDescribedAndReopenedFromTheMenu) {
    game.write("Data/maindata.bm1", "main\r\n");
    game.write("Data/venues.txt", "");
    ASSERT_TRUE(app.start());
    dialogs.reply("Tide Turn");
    click(app.view<StartScreenView>().createScenarioButton);
    ASSERT_TRUE(view.isVisible());
    EXPECT_FALSE(app.view<StartScreenView>().isVisible());
    EXPECT_EQ(dialogs.shown().size(), 2u) << "the name prompt and the information message";
    EXPECT_EQ(view.heading->text() + "|" + view.hint->text(),
              QStringLiteral("Scenario Information File|Click an item to edit"));
    EXPECT_EQ(shown(), QStringLiteral("Tide Turn|Enter a description here.|Enter your name here."));

    const std::vector<QWidget*> order = {view.field(ScenarioField::scenarioname),
                                         view.field(ScenarioField::scenariodesc),
                                         view.field(ScenarioField::scenariocreator), view.okButton};
    EXPECT_EQ(tabChain(order.front()), order);
    EXPECT_EQ(view.focusWidget(), order.front());
    const QStringList captions = {"Title Of Scenario", "Scenario Description", "Your Name", "OK"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(accessibleName(order[i]), captions[static_cast<int>(i)]);
    }
    EXPECT_EQ(labelledBy(order[1]), captions[1]);
    EXPECT_LE(view.frameGeometry().width(), 1366);
    EXPECT_LE(view.frameGeometry().height(), 768);
    screenshot(&view, "scenario_info");

    dialogs.reply("Storms at sea \x93\xe9\x94");
    QTest::keyClick(order[1], Qt::Key_Return);
    EXPECT_EQ(dialogs.shown().back().title, "Scenario Description");
    click(view.okButton);
    ASSERT_TRUE(menu.isVisible());
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(menu.heading->text(), QStringLiteral("Currently Editing: Scenario Data"));
    EXPECT_TRUE(menu.button(context::MenuButton::ScenarioInfo)->isEnabled());
    const std::string file = "Tide Turn\r\nStorms at sea \x93\xe9\x94\r\nEnter your name here.\r\n";
    EXPECT_EQ(game.read("Scenarios/Tide Turn/scenario.txt"), file);

    click(menu.button(context::MenuButton::ScenarioInfo));
    ASSERT_TRUE(view.isVisible());
    EXPECT_EQ(shown(), QStringLiteral("Tide Turn|Storms at sea \u201c\u00e9\u201d|Enter your name "
                                      "here."));
    click(view.okButton);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(game.read("Scenarios/Tide Turn/scenario.txt"), file);
}

} // namespace
} // namespace bm::gui
