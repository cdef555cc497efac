#include "gui/promotion/step3_view.h"

#include "gui/ui/choice_box.h"

#include <QComboBox>

namespace bm::gui {

using promotion::Production;

Step3View::Step3View(promotion::Step3& model, QWidget* parent)
    : StepView(model, parent), model_(model) {
    prompts_.addAll(fields(), promotion::kStep3Prompts, this,
                    [this](promotion::Step3Field f) { model_.edit(f); });
    for (std::size_t i = 0; i < production_.size(); ++i) {
        auto* box = new QComboBox(this);
        production_[i] = box;
        fields().addRow(promotion::kProductionCaptions[i], box);
        connect(box, &QComboBox::activated, this, [this, i](int index) {
            model_.chooseProduction(static_cast<Production>(i), index);
        });
    }
    finish();

    watch(model_, [this] { render(); });
    render();
}

void Step3View::render() {
    prompts_.show(model_.fieldTexts());
    for (std::size_t i = 0; i < production_.size(); ++i) {
        showChoice(production_[i], model_.production(static_cast<Production>(i)));
    }
}

} // namespace bm::gui
