#include "gui/gui_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include <string>

namespace bm::gui {
namespace {

using venues::VenueButton;
using venues::VenueField;
using venues::VenueFilter;

const std::string kHarbor = "Harbor Hall\r\nHarbor, Coast\r\nHarbor\r\n5000\r\nUSA\r\nNone\r\n";
const std::string kNorth = "12\r\nNorth, Shire\r\nNorth\r\n800\r\nUK\r\nXWA\r\n";

using VenueEditorViewTest = test::GuiTest;

TEST_F(VenueEditorViewTest, BrowseEditAddAndDeleteThroughTheControls) {
    VenueEditorView& view = app.view<VenueEditorView>();
    // The names, their number, the filter with the yellow face and its description.
    const auto listed = [&view] {
        QString shown;
        for (int i = 0; i < view.names->count(); ++i) {
            shown += view.names->item(i)->text() + "|";
        }
        shown += view.totalShowing->text();
        for (int i = 0; i < 5; ++i) {
            auto* b = view.filterButton(static_cast<VenueFilter>(i));
            if (b->palette().color(QPalette::Button) == QColor(Qt::yellow) ||
                !b->accessibleDescription().isEmpty()) {
                shown += " " + b->text() + "/" + b->accessibleDescription();
            }
        }
        return shown;
    };
    game.write("Data/venues.txt", kHarbor + kNorth);
    openFromMenu(context::MenuButton::Venues);
    EXPECT_TRUE(dialogs.shown().empty()) << "filling the list chooses nothing";
    EXPECT_EQ(view.heading->text() + ": " + listed(),
              QStringLiteral("Editing Venues: 12|Harbor Hall|2 Show All/Marked"));
    EXPECT_EQ(view.names->currentRow(), 1) << "the first record of the file";
    EXPECT_EQ(tabOrder(&view), QStringLiteral("Show All|USA Only|UK Only|Japan Only|Other Only|"
                                              "[Total Showing]|Add New|Delete|Edit|Back To Menu"));
    EXPECT_EQ(view.focusWidget(), view.names);
    screenshot(&view, "venues");

    click(view.filterButton(VenueFilter::UK));
    EXPECT_EQ(listed(), QStringLiteral("12|1 UK Only/Marked"));
    EXPECT_EQ(view.field(VenueField::exclusiveto)->value(), QStringLiteral("XWA"));
    click(view.filterButton(VenueFilter::All));
    clickRow(view.names, 1);

    // By keyboard alone: Enter on the list edits; confirming writes the file.
    QTest::keyClick(view.names, Qt::Key_Return);
    EXPECT_EQ(tabOrder(&view), QStringLiteral("Venue Name|City & State|City Only|Capacity|Country|"
                                              "Exclusive To|Confirm Changes|Cancel Changes"));
    EXPECT_EQ(view.focusWidget(), view.field(VenueField::venuename));
    screenshot(&view, "venues_editing");
    dialogs.reply("Caf\xe9 Dome");
    QTest::keyClick(view.field(VenueField::venuename), Qt::Key_Return);
    QTest::keyClick(view.country, Qt::Key_Down);
    click(view.button(VenueButton::ConfirmChanges));
    EXPECT_EQ(game.read("Data/venues.txt"),
              "Caf\xe9 Dome\r\nHarbor, Coast\r\nHarbor\r\n5000\r\nUK\r\nNone\r\n" + kNorth);
    EXPECT_EQ(view.focusWidget(), view.names);
    dialogs.yes();
    click(view.button(VenueButton::Delete));
    EXPECT_EQ(listed(), QStringLiteral("12|1 Show All/Marked"));
    click(view.button(VenueButton::AddNew));
    EXPECT_EQ(view.names->count(), 2) << "Add New writes a venue at once and edits it";
    click(view.button(VenueButton::CancelChanges));
    EXPECT_FALSE(view.button(VenueButton::ConfirmChanges)->isEnabled()) << "back to browsing";
}

} // namespace
} // namespace bm::gui
