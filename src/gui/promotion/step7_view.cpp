#include "gui/promotion/step7_view.h"

namespace bm::gui {

Step7View::Step7View(promotion::Step7& model, QWidget* parent)
    : StepView(model, parent), model_(model) {
    prompts_.addAll(fields(), promotion::kStep7Prompts, this,
                    [this](promotion::Step7Field f) { model_.edit(f); });
    finish();
    watch(model_, [this] { prompts_.show(model_.fieldTexts()); });
    prompts_.show(model_.fieldTexts());
}

} // namespace bm::gui
