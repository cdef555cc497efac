#pragma once

#include "core/promotion/step1.h"
#include "gui/promotion/step_view.h"
#include "gui/ui/field_grid.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bm::gui {

class Step1View : public StepView {
    Q_OBJECT
public:
    explicit Step1View(promotion::Step1& model, QWidget* parent = nullptr);

    ValueField* field(promotion::Step1Field f) const { return prompts_.field(f); }
    QLabel* caption(promotion::Step1Field f) const { return prompts_.caption(f); }
    ValueField* promlogo;
    QPushButton* logoButton;
    QComboBox* size;
    QLineEdit* description;
    QComboBox* rostersplit;
    QComboBox* tvcoverage;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render();

    promotion::Step1& model_;
    PromptRows<promotion::Step1Field, promotion::kStep1Prompts.size()> prompts_;
};

} // namespace bm::gui
