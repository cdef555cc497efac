#pragma once

#include "core/context/start_screen.h"
#include "gui/ui/screen_view.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace bm::gui {

class StartScreenView : public ScreenView {
    Q_OBJECT
public:
    explicit StartScreenView(context::StartScreen& model, QWidget* parent = nullptr);

    QPushButton* newGameButton;
    QPushButton* scenarioButton;
    QPushButton* createScenarioButton;
    QPushButton* savedGameButton;
    QPushButton* exitButton;
    QLabel* listHeading;
    QListWidget* list;
    QPushButton* okButton;
    QPushButton* cancelButton;

private:
    void render();

    context::StartScreen& model_;
    QWidget* mainPanel_;
    QWidget* choicePanel_;
};

} // namespace bm::gui
