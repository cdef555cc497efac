#pragma once

#include "core/promotion/step7.h"
#include "gui/promotion/step_view.h"
#include "gui/ui/field_grid.h"

namespace bm::gui {

class Step7View : public StepView {
    Q_OBJECT
public:
    explicit Step7View(promotion::Step7& model, QWidget* parent = nullptr);

    ValueField* field(promotion::Step7Field f) const { return prompts_.field(f); }

private:
    promotion::Step7& model_;
    PromptRows<promotion::Step7Field, promotion::kStep7Prompts.size()> prompts_;
};

} // namespace bm::gui
