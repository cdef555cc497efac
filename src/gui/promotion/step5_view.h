#pragma once

#include "core/promotion/step5.h"
#include "gui/promotion/step_view.h"
#include "gui/ui/field_grid.h"

class QComboBox;
class QLabel;
class QScrollBar;

namespace bm::gui {

class Step5View : public StepView {
    Q_OBJECT
public:
    explicit Step5View(promotion::Step5& model, QWidget* parent = nullptr);

    ValueField* field(promotion::Step5Field f) const { return prompts_.field(f); }
    QLabel* explanation;
    QComboBox* level;
    QScrollBar* daysBar;
    QLabel* days;

private:
    void render();

    promotion::Step5& model_;
    PromptRows<promotion::Step5Field, promotion::kStep5Prompts.size()> prompts_;
    FieldGrid::BarRow daysRow_{};
};

} // namespace bm::gui
