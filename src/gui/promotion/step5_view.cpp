#include "gui/promotion/step5_view.h"

#include "gui/ui/choice_box.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace bm::gui {

using promotion::Step5Field;

Step5View::Step5View(promotion::Step5& model, QWidget* parent)
    : StepView(model, parent), model_(model) {
    explanation = new QLabel(toDisplay(promotion::kStep5Explanation), this);
    explanation->setWordWrap(true);
    explanation->setMaximumWidth(560);
    body()->addWidget(explanation);
    body()->addSpacing(8);

    const auto& table = promotion::kStep5Prompts;
    const auto edit = [this](Step5Field f) { model_.edit(f); };
    prompts_.add(fields(), table, Step5Field::nameofbigshow, this, edit);
    level = new QComboBox(this);
    fields().addRow(promotion::kLevelCaption, level);
    prompts_.add(fields(), table, Step5Field::dateofshow, this, edit);
    daysRow_ = fields().addBarRow(promotion::kDaysCaption, model_.daysBar());
    daysBar = daysRow_.bar;
    days = daysRow_.value;
    finish();

    connect(level, &QComboBox::activated, this, [this](int i) { model_.chooseLevel(i); });
    // valueChanged follows a drag as it happens.
    connect(daysBar, &QScrollBar::valueChanged, this, [this](int v) { model_.moveDays(v); });

    watch(model_, [this] { render(); });
    render();
}

void Step5View::render() {
    prompts_.show(model_.fieldTexts());
    showChoice(level, model_.level());
    daysRow_.show(model_.daysBar(), toDisplay(model_.days()));
}

} // namespace bm::gui
