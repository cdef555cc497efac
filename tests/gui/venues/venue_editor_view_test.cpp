#include "gui/gui_fixture.h"

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

class VenueEditorViewTest : public test::GuiTest {
protected:
    VenueEditorView& view = app.view<VenueEditorView>();

    QString listed() const {
        QStringList names;
        for (int i = 0; i < view.names->count(); ++i) {
            names << view.names->item(i)->text();
        }
        return names.join('|') + " " + view.totalShowing->text();
    }
    // The filter with the yellow face, also told to screen readers.
    QString marked() const {
        QString found;
        for (int i = 0; i < 5; ++i) {
            auto* b = view.filterButton(static_cast<VenueFilter>(i));
            if (b->palette().color(QPalette::Button) == QColor(Qt::yellow) ||
                !b->accessibleDescription().isEmpty()) {
                found += b->text() + "/" + b->accessibleDescription();
            }
        }
        return found;
    }
    // Only the controls of the mode respond, Tab visits just them, in order,
    // and the keyboard starts where that mode's work is.
    void expectMode(bool editing, QWidget* focus) const {
        std::vector<QWidget*> all, responding;
        for (int i = 0; i < 5; ++i) {
            all.push_back(view.filterButton(static_cast<VenueFilter>(i)));
        }
        all.push_back(view.names);
        for (auto f : {VenueField::venuename, VenueField::citystate, VenueField::cityname,
                       VenueField::capacity}) {
            all.push_back(view.field(f));
        }
        all.push_back(view.country);
        all.push_back(view.field(VenueField::exclusiveto));
        for (int i = 0; i < 6; ++i) {
            all.push_back(view.button(static_cast<VenueButton>(i)));
        }
        QStringList captions;
        for (QWidget* w : all) {
            auto* b = qobject_cast<QPushButton*>(w);
            captions << (b ? b->text() : w->accessibleName());
            // Item views ignore buddies: the list carries its name itself.
            if (!b) {
                EXPECT_EQ(w == view.names ? accessibleName(w) : labelledBy(w), captions.back());
            }
            const bool editControl = b == view.button(VenueButton::ConfirmChanges) ||
                                     b == view.button(VenueButton::CancelChanges) ||
                                     (!b && w != view.names);
            EXPECT_EQ(w->isEnabled(), editControl == editing) << captions.back().toStdString();
            if (editControl == editing) {
                responding.push_back(w);
            }
        }
        EXPECT_EQ(captions.join('|'),
                  QStringLiteral("Show All|USA Only|UK Only|Japan Only|Other Only|Total "
                                 "Showing|Venue Name|City & State|City Only|Capacity|Country|"
                                 "Exclusive To|Add New|Delete|Edit|Confirm Changes|Cancel "
                                 "Changes|Back To Menu"));
        EXPECT_EQ(tabChain(responding.front()), responding);
        EXPECT_EQ(view.focusWidget(), focus);
    }
};

TEST_F(VenueEditorViewTest, BrowseEditAddAndDeleteThroughTheControls) {
    game.write("Data/venues.txt", kHarbor + kNorth);
    ASSERT_TRUE(app.start());
    click(app.view<StartScreenView>().newGameButton);
    click(app.view<EditingMenuView>().button(context::MenuButton::Venues));
    ASSERT_TRUE(view.isVisible());
    EXPECT_TRUE(dialogs.shown().empty()) << "filling the list chooses nothing";
    EXPECT_EQ(view.heading->text(), QStringLiteral("Editing Venues"));
    EXPECT_LE(view.frameGeometry().width(), 1366);
    EXPECT_LE(view.frameGeometry().height(), 768);
    EXPECT_EQ(listed() + " " + marked(), QStringLiteral("12|Harbor Hall 2 Show All/Marked"));
    EXPECT_EQ(view.names->currentRow(), 1) << "the first record of the file";
    expectMode(false, view.names);
    screenshot(&view, "venues");

    click(view.filterButton(VenueFilter::UK));
    EXPECT_EQ(listed() + " " + marked(), QStringLiteral("12 1 UK Only/Marked"));
    EXPECT_EQ(view.field(VenueField::exclusiveto)->value(), QStringLiteral("XWA"));
    click(view.filterButton(VenueFilter::All));
    QTest::mouseClick(view.names->viewport(), Qt::LeftButton, {},
                      view.names->visualItemRect(view.names->item(1)).center());
    EXPECT_EQ(view.country->currentText(), QStringLiteral("USA"));

    // By keyboard alone: Enter on the list edits, a field prompts, the
    // country list chooses; confirming writes the file.
    QTest::keyClick(view.names, Qt::Key_Return);
    expectMode(true, view.field(VenueField::venuename));
    screenshot(&view, "venues_editing");
    dialogs.reply("Caf\xe9 Dome");
    QTest::keyClick(view.field(VenueField::venuename), Qt::Key_Return);
    EXPECT_EQ(view.field(VenueField::venuename)->value(), QStringLiteral("Caf\u00e9 Dome"));
    QTest::keyClick(view.country, Qt::Key_Down);
    click(view.button(VenueButton::ConfirmChanges));
    EXPECT_EQ(game.read("Data/venues.txt"),
              "Caf\xe9 Dome\r\nHarbor, Coast\r\nHarbor\r\n5000\r\nUK\r\nNone\r\n" + kNorth);
    expectMode(false, view.names);

    click(view.button(VenueButton::AddNew));
    EXPECT_EQ(listed(), QStringLiteral("12|Caf\u00e9 Dome|Default Venue 3"));
    click(view.button(VenueButton::CancelChanges));
    dialogs.yes();
    click(view.button(VenueButton::Delete));
    EXPECT_EQ(listed(), QStringLiteral("12|Caf\u00e9 Dome 2"));

    click(view.button(VenueButton::BackToMenu));
    EXPECT_TRUE(app.view<EditingMenuView>().isVisible());
    EXPECT_FALSE(view.isVisible());
}

} // namespace
} // namespace bm::gui
