#pragma once

#include "core/promotion/step3.h"
#include "gui/promotion/step_view.h"
#include "gui/ui/field_grid.h"

#include <array>

class QComboBox;

namespace bm::gui {

class Step3View : public StepView {
    Q_OBJECT
public:
    explicit Step3View(promotion::Step3& model, QWidget* parent = nullptr);

    ValueField* field(promotion::Step3Field f) const { return prompts_.field(f); }
    QComboBox* production(promotion::Production list) const {
        return production_[static_cast<std::size_t>(list)];
    }

private:
    void render();

    promotion::Step3& model_;
    PromptRows<promotion::Step3Field, promotion::kStep3Prompts.size()> prompts_;
    std::array<QComboBox*, promotion::kProductionCount> production_{};
};

} // namespace bm::gui
