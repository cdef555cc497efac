#include "gui/promotion/promotion_chooser_view.h"

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

PromotionChooserView::PromotionChooserView(promotion::PromotionChooser& model, QWidget* parent)
    : ScreenView(ui::Screen::PromotionChooser, parent), model_(model) {
    heading = makeHeading(QString(), this);
    promptLine = new QLabel(this);
    promptLine->setTextFormat(Qt::PlainText);
    promptLine->setMinimumHeight(promptLine->fontMetrics().height() + 4);
    list = new QListWidget(this);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(340, 260);
    nameoffile = new QLabel(this);
    nameoffile->setTextFormat(Qt::PlainText);
    actionButton = makeButton(QString(), this);
    backButton = makeButton(toDisplay(promotion::kChooserBack), this);
    for (auto* b : {actionButton, backButton}) {
        b->setMinimumSize(170, 34);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(actionButton);
    buttons->addStretch();
    buttons->addWidget(backButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(promptLine);
    layout->addWidget(list, 1);
    layout->addWidget(nameoffile);
    layout->addLayout(buttons);

    onChoiceListChosen(list, this, [this](int row) { model_.select(row); });
    connect(list, &QListWidget::itemActivated, this, [this] { model_.act(); });
    connect(actionButton, &QPushButton::clicked, this, [this] { model_.act(); });
    connect(backButton, &QPushButton::clicked, this, [this] { model_.back(); });

    watch(model_, [this] { render(); });
    render();
}

void PromotionChooserView::render() {
    // The list is named by the heading; the promotion name of the clicked
    // file is read out with it.
    setCaption(heading, list, toDisplay(model_.heading()));
    promptLine->setText(toDisplay(model_.promptLine()));
    list->setAccessibleDescription(promptLine->text());
    nameoffile->setText(toDisplay(model_.nameoffile()));
    actionButton->setText(toDisplay(model_.actionCaption()));
    showChoiceList(list, model_.files(), model_.selected());
}

void PromotionChooserView::showEvent(QShowEvent* event) {
    ScreenView::showEvent(event);
    list->setFocus();
}

} // namespace bm::gui
