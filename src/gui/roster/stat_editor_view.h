#pragma once

#include "core/roster/stat_editor.h"
#include "gui/ui/screen_view.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace bm::gui {

class GridView;
class StatGridModel;

// One wrestler's stats as a captioned grid; a click (or Enter) on a value
// opens the stat's input beside it, Enter applies it and Escape cancels.
class StatEditorView : public ScreenView {
    Q_OBJECT
public:
    explicit StatEditorView(roster::StatEditor& model, QWidget* parent = nullptr);

    QLabel* heading;
    GridView* grid;
    QLabel* editingCaption;
    QLineEdit* textBox;
    QComboBox* choiceBox;
    QScrollBar* scrollBar;
    QLabel* numberLabel;
    QLabel* help;
    QPushButton* applyButton;
    QPushButton* cancelButton;
    QPushButton* closeButton;
    QPushButton* deleteButton;

    // The input shown for the stat being edited; none while idle.
    QWidget* currentInput() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render();
    void showChoices();

    roster::StatEditor& model_;
    StatGridModel* gridModel_;
    bool wasEditing_ = false;
};

} // namespace bm::gui
