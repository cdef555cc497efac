#pragma once

#include "core/promotion/step8.h"
#include "gui/promotion/step_view.h"
#include "gui/ui/field_grid.h"

class QComboBox;
class QLabel;
class QScrollBar;

namespace bm::gui {

class Step8View : public StepView {
    Q_OBJECT
public:
    explicit Step8View(promotion::Step8& model, QWidget* parent = nullptr);

    ValueField* field(promotion::Step8Field f) const { return prompts_.field(f); }
    QScrollBar* popularityBar;
    QLabel* popularity;
    QComboBox* country;

private:
    void render();

    promotion::Step8& model_;
    PromptRows<promotion::Step8Field, promotion::kStep8Prompts.size()> prompts_;
};

} // namespace bm::gui
