#pragma once

#include "core/promotion/step2.h"
#include "gui/promotion/step_view.h"
#include "gui/ui/field_grid.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace bm::gui {

class SelectionBar;

class Step2View : public StepView {
    Q_OBJECT
public:
    explicit Step2View(promotion::Step2& model, QWidget* parent = nullptr);

    SelectionBar* shows;
    QLabel* secondHint;
    ValueField* field(promotion::Step2Field f) const { return prompts_.field(f); }
    ValueField* showlogo;
    QPushButton* logoButton;
    QComboBox* showday;
    QComboBox* showbrand;
    QComboBox* showtype;
    QScrollBar* popularity;
    QLabel* percentage;

private:
    void render();

    promotion::Step2& model_;
    PromptRows<promotion::Step2Field, promotion::kStep2Prompts.size()> prompts_;
};

} // namespace bm::gui
