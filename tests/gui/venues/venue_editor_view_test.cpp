#include "gui/gui_fixture.h"

#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <string>
#include <vector>

namespace bm::gui {
namespace {

using venues::VenueButton;
using venues::VenueField;
using venues::VenueFilter;

const std::string kHarbor = "Harbor Hall\r\nHarbor, Coast\r\nHarbor\r\n5000\r\nUSA\r\nNone\r\n";
const std::string kNorth = "12\r\nNorth, Shire\r\nNorth\r\n800\r\nUK\r\nXWA\r\n";
const std::string kCafe = "Caf\xe9 Arena\r\nRidge, Hills\r\nRidge\r\n1200\r\nMexico\r\nNone\r\n";

class VenueEditorViewTest : public test::GuiTest {
protected:
    VenueEditorView& view = app.view<VenueEditorView>();
    EditingMenuView& menu = app.view<EditingMenuView>();

    void SetUp() override {
        game.write("Data/venues.txt", kHarbor + kNorth + kCafe);
        ASSERT_TRUE(app.start());
        click(app.view<StartScreenView>().newGameButton);
        click(menu.button(context::MenuButton::Venues));
    }
    QString listed() const {
        QStringList names;
        for (int i = 0; i < view.names->count(); ++i) {
            names << view.names->item(i)->text();
        }
        return names.join('|');
    }
    // Every control, in tab order, with whether it responds in edit mode.
    std::vector<std::pair<QWidget*, bool>> controls() const {
        std::vector<std::pair<QWidget*, bool>> all;
        for (int i = 0; i < 5; ++i) {
            all.emplace_back(view.filterButton(static_cast<VenueFilter>(i)), false);
        }
        all.emplace_back(view.names, false);
        for (auto f : {VenueField::venuename, VenueField::citystate, VenueField::cityname,
                       VenueField::capacity}) {
            all.emplace_back(view.field(f), true);
        }
        all.emplace_back(view.country, true);
        all.emplace_back(view.field(VenueField::exclusiveto), true);
        for (int i = 0; i < 6; ++i) {
            const auto b = static_cast<VenueButton>(i);
            all.emplace_back(view.button(b),
                             b == VenueButton::ConfirmChanges || b == VenueButton::CancelChanges);
        }
        return all;
    }
    // Only the controls of the mode respond, and Tab visits exactly them, in order.
    void expectMode(bool editing) const {
        std::vector<QWidget*> responding;
        for (const auto& [w, inEditMode] : controls()) {
            EXPECT_EQ(w->isEnabled(), inEditMode == editing) << w->accessibleName().toStdString();
            if (inEditMode == editing) {
                responding.push_back(w);
            }
        }
        EXPECT_EQ(tabChain(responding.front()), responding);
        EXPECT_EQ(view.focusWidget(),
                  editing ? static_cast<QWidget*>(view.field(VenueField::venuename)) : view.names);
    }
};

TEST_F(VenueEditorViewTest, BrowseEditAddAndDeleteThroughTheControls) {
    ASSERT_TRUE(view.isVisible());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(dialogs.shown().empty()) << "filling the list chooses nothing";
    EXPECT_EQ(view.heading->text(), QStringLiteral("Editing Venues"));
    QStringList captions;
    for (const auto& [w, inEditMode] : controls()) {
        auto* b = qobject_cast<QPushButton*>(w);
        captions << (b ? b->text() : w->accessibleName());
        // Item views ignore buddies: the list carries the name itself.
        if (!b) {
            EXPECT_EQ(w == view.names ? accessibleName(w) : labelledBy(w), captions.back());
        }
    }
    EXPECT_EQ(captions.join('|'),
              QStringLiteral("Show All|USA Only|UK Only|Japan Only|Other Only|Total Showing|Venue "
                             "Name|City & State|City Only|Capacity|Country|Exclusive To|Add "
                             "New|Delete|Edit|Confirm Changes|Cancel Changes|Back To Menu"));
    EXPECT_LE(view.frameGeometry().width(), 1366);
    EXPECT_LE(view.frameGeometry().height(), 768);

    // The sorted names, the first record of the file shown and highlighted.
    EXPECT_EQ(listed(), QStringLiteral("12|Caf\u00e9 Arena|Harbor Hall"));
    EXPECT_EQ(view.totalShowing->text(), QStringLiteral("3"));
    EXPECT_EQ(view.names->currentRow(), 2);
    EXPECT_EQ(view.field(VenueField::capacity)->value(), QStringLiteral("5000"));
    EXPECT_TRUE(view.filterButton(VenueFilter::All)->isChecked());
    expectMode(false);
    screenshot(&view, "venues");

    click(view.filterButton(VenueFilter::UK));
    EXPECT_EQ(listed() + view.totalShowing->text(), QStringLiteral("121"));
    EXPECT_EQ(view.field(VenueField::exclusiveto)->value(), QStringLiteral("XWA"));
    EXPECT_FALSE(view.filterButton(VenueFilter::All)->isChecked());
    EXPECT_TRUE(view.filterButton(VenueFilter::UK)->isChecked());
    click(view.filterButton(VenueFilter::All));
    QTest::mouseClick(view.names->viewport(), Qt::LeftButton, {},
                      view.names->visualItemRect(view.names->item(1)).center());
    EXPECT_EQ(view.field(VenueField::venuename)->value(), QStringLiteral("Caf\u00e9 Arena"));
    EXPECT_EQ(view.country->currentText(), QStringLiteral("Other"));

    // Edit by keyboard: a prompt from the field, the country from its list.
    QTest::keyClick(view.names, Qt::Key_Return);
    expectMode(true);
    screenshot(&view, "venues_editing");
    dialogs.reply("Caf\xe9 Dome");
    QTest::keyClick(view.field(VenueField::venuename), Qt::Key_Return);
    EXPECT_EQ(view.field(VenueField::venuename)->value(), QStringLiteral("Caf\u00e9 Dome"));
    QTest::keyClick(view.country, Qt::Key_Up);
    EXPECT_EQ(app.editor().venueEditor.country().text(), "Japan");
    dialogs.clear();
    click(view.button(VenueButton::ConfirmChanges));
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Changes Saved OK."});
    const std::string dome = "Caf\xe9 Dome\r\nRidge, Hills\r\nRidge\r\n1200\r\nJapan\r\nNone\r\n";
    EXPECT_EQ(game.read("Data/venues.txt"), kHarbor + kNorth + dome);
    expectMode(false);

    // A new venue is written at once and stays when its edit is cancelled.
    const std::string added =
        "Default Venue\r\nMiami, Florida\r\nFlorida\r\n1000\r\nUSA\r\nNone\r\n";
    click(view.button(VenueButton::AddNew));
    EXPECT_EQ(game.read("Data/venues.txt"), kHarbor + kNorth + dome + added);
    expectMode(true);
    click(view.button(VenueButton::CancelChanges));
    EXPECT_EQ(view.names->currentItem()->text(), QStringLiteral("Default Venue"));
    dialogs.clear();
    dialogs.yes();
    click(view.button(VenueButton::Delete));
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"Are you sure you want to delete the venue ''Default "
                                       "Venue''?"});
    EXPECT_EQ(game.read("Data/venues.txt"), kHarbor + kNorth + dome);
    EXPECT_EQ(view.totalShowing->text(), QStringLiteral("3"));

    click(view.button(VenueButton::BackToMenu));
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(view.isVisible());
}

} // namespace
} // namespace bm::gui
