#include "gui/context/start_screen_view.h"

#include "gui/ui/caption.h"
#include "gui/ui/choice_list.h"
#include "gui/ui/text_codec.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace bm::gui {

StartScreenView::StartScreenView(context::StartScreen& model, QWidget* parent)
    : ScreenView(ui::Screen::Start, parent), model_(model) {
    mainPanel_ = new QWidget(this);
    auto* mainLayout = new QVBoxLayout(mainPanel_);
    newGameButton = makeButton(toDisplay(context::kNewGameButton), mainPanel_);
    scenarioButton = makeButton(toDisplay(context::kScenarioButton), mainPanel_);
    createScenarioButton = makeButton(toDisplay(context::kCreateScenarioButton), mainPanel_);
    savedGameButton = makeButton(toDisplay(context::kSavedGameButton), mainPanel_);
    exitButton = makeButton(toDisplay(context::kExitButton), mainPanel_);
    for (auto* b :
         {newGameButton, scenarioButton, createScenarioButton, savedGameButton, exitButton}) {
        b->setMinimumHeight(36);
        mainLayout->addWidget(b);
    }

    choicePanel_ = new QWidget(this);
    auto* choiceLayout = new QVBoxLayout(choicePanel_);
    listHeading = new QLabel(choicePanel_);
    list = new QListWidget(choicePanel_);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    okButton = makeButton(toDisplay(context::kChooseOk), choicePanel_);
    cancelButton = makeButton(toDisplay(context::kChooseCancel), choicePanel_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    choiceLayout->addWidget(listHeading);
    choiceLayout->addWidget(list);
    choiceLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mainPanel_);
    layout->addWidget(choicePanel_);
    setMinimumSize(360, 300);

    connect(newGameButton, &QPushButton::clicked, this, [this] { model_.editNewGameData(); });
    connect(scenarioButton, &QPushButton::clicked, this, [this] { model_.editScenario(); });
    connect(createScenarioButton, &QPushButton::clicked, this, [this] { model_.createScenario(); });
    connect(savedGameButton, &QPushButton::clicked, this, [this] { model_.editSavedGame(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { model_.exit(); });
    onChoiceListChosen(list, this, [this](int row) { model_.select(row); });
    connect(list, &QListWidget::itemActivated, this, [this] { model_.ok(); });
    connect(okButton, &QPushButton::clicked, this, [this] { model_.ok(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { model_.cancel(); });
    cancelButton->setShortcut(Qt::Key_Escape);

    watch(model_, [this] { render(); });
    render();
}

void StartScreenView::render() {
    const bool choosing = model_.choosing();
    const bool wasChoosing = choicePanel_->isVisibleTo(this);
    mainPanel_->setVisible(!choosing);
    choicePanel_->setVisible(choosing);
    setCaption(listHeading, list, toDisplay(model_.listHeading()));
    showChoiceList(list, model_.items(), model_.selected());
    // Keep the keyboard where the user now works.
    if (choosing && !wasChoosing) {
        list->setFocus();
    } else if (!choosing && wasChoosing) {
        newGameButton->setFocus();
    }
}

} // namespace bm::gui
