#include "gui/context/scenario_info_view.h"

#include "gui/ui/field_grid.h"
#include "gui/ui/text_codec.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace bm::gui {

ScenarioInfoView::ScenarioInfoView(context::ScenarioInfoScreen& model, QWidget* parent)
    : ScreenView(ui::Screen::ScenarioInfo, parent), model_(model) {
    heading = makeHeading(toDisplay(context::kScenarioInfoHeading), this);
    hint = new QLabel(toDisplay(context::kScenarioInfoHint), this);

    FieldGrid grid(this);
    for (const auto& p : context::kScenarioPrompts) {
        auto* f = grid.addValueField(p.caption).field;
        fields_[static_cast<std::size_t>(p.field)] = f;
        connect(f, &ValueField::clicked, this, [this, which = p.field] { model_.edit(which); });
    }
    // A description is a sentence or two: room to read it whole.
    grid.layout()->setColumnMinimumWidth(1, 520);

    okButton = makeButton(toDisplay(context::kScenarioInfoOk), this);
    okButton->setMinimumSize(130, 34);
    connect(okButton, &QPushButton::clicked, this, [this] { model_.ok(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(heading);
    layout->addWidget(hint);
    layout->addSpacing(10);
    layout->addLayout(grid.layout());
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->addStretch();

    QWidget* previous = nullptr;
    for (QWidget* w : grid.focusOrder()) {
        if (previous) {
            setTabOrder(previous, w);
        }
        previous = w;
    }
    setTabOrder(previous, okButton);

    watch(model_, [this] { render(); });
    render();
}

void ScenarioInfoView::showEvent(QShowEvent* event) {
    ScreenView::showEvent(event);
    field(context::ScenarioField::scenarioname)->setFocus();
}

void ScenarioInfoView::render() {
    for (const auto& p : context::kScenarioPrompts) {
        field(p.field)->setValue(toDisplay(model_.shown(p.field)));
    }
}

} // namespace bm::gui
