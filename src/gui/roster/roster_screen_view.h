#pragma once

#include "core/roster/roster_screen.h"
#include "gui/ui/screen_view.h"

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bm::gui {

class GridView;
class RosterGridModel;

// The roster screen: the list of wrestlers, its sorts, filters and search,
// the way into the stat editor, and the save.
class RosterScreenView : public ScreenView {
    Q_OBJECT
public:
    explicit RosterScreenView(roster::RosterScreen& model, QWidget* parent = nullptr);

    // The bulk tools go below the buttons; the view takes the panel over.
    void setBulkToolsPanel(QWidget* panel);

    QLabel* heading;
    GridView* grid;
    RosterGridModel* gridModel;
    QLabel* totalCaption;
    QLabel* totalnum;
    QLabel* searchCaption;
    QLineEdit* searchBox;
    QPushButton* createButton;
    QPushButton* saveButton;
    QPushButton* doneButton;
    QPushButton* sortNameButton;
    QPushButton* sortPromotionButton;
    QPushButton* showAllButton;
    QPushButton* showInjuredButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void render();
    void showRows(int top);

    roster::RosterScreen& model_;
    ui::Subscription rowsChanged_;
    // Where the bulk tools panel goes: the panel is made elsewhere, over its
    // own model, and handed in through setBulkToolsPanel.
    QBoxLayout* bulkToolsSlot_;
};

} // namespace bm::gui
