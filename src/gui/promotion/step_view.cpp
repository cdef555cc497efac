#include "gui/promotion/step_view.h"

#include "gui/ui/text_codec.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace bm::gui {

StepView::StepView(promotion::Step& model, QWidget* parent)
    : ScreenView(promotion::stepScreen(model.number()), parent), body_(new QVBoxLayout),
      fields_(this) {
    heading = makeHeading(toDisplay(model.heading()), this);
    hint = new QLabel(toDisplay(model.hint()), this);
    backButton = makeButton(toDisplay(promotion::kStepBack), this);
    nextButton = makeButton(toDisplay(model.nextCaption()), this);
    for (auto* b : {backButton, nextButton}) {
        b->setMinimumSize(130, 34);
    }
    connect(backButton, &QPushButton::clicked, this, [&model] { model.back(); });
    connect(nextButton, &QPushButton::clicked, this, [&model] { model.next(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(backButton);
    buttons->addStretch();
    buttons->addWidget(nextButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(hint);
    layout->addSpacing(6);
    layout->addLayout(body_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

void StepView::finish(std::initializer_list<QWidget*> first) {
    finish(std::vector<QWidget*>(first));
}

void StepView::finish(const std::vector<QWidget*>& first) {
    body_->addLayout(fields_.layout());
    std::vector<QWidget*> order(first);
    order.insert(order.end(), fields_.focusOrder().begin(), fields_.focusOrder().end());
    order.push_back(backButton);
    order.push_back(nextButton);
    // Screen readers list a window's controls in the order of its children:
    // the buttons, made first, go after the step's own rows.
    backButton->raise();
    nextButton->raise();
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace bm::gui
