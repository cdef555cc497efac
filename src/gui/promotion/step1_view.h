#pragma once

#include "core/promotion/step1.h"
#include "gui/ui/screen_view.h"
#include "gui/ui/value_field.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bm::gui {

class Step1View : public ScreenView {
    Q_OBJECT
public:
    explicit Step1View(promotion::Step1& model, QWidget* parent = nullptr);

    ValueField* field(promotion::Step1Field f) const {
        return fields_[static_cast<std::size_t>(f)];
    }
    QLabel* caption(promotion::Step1Field f) const {
        return captions_[static_cast<std::size_t>(f)];
    }
    QLabel* heading;
    QLabel* hint;
    ValueField* promlogo;
    QPushButton* logoButton;
    QComboBox* size;
    QLineEdit* description;
    QComboBox* rostersplit;
    QComboBox* tvcoverage;
    QPushButton* backButton;
    QPushButton* nextButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render();

    promotion::Step1& model_;
    std::array<ValueField*, promotion::kStep1Prompts.size()> fields_{};
    std::array<QLabel*, promotion::kStep1Prompts.size()> captions_{};
};

} // namespace bm::gui
