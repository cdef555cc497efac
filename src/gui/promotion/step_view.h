#pragma once

#include "core/promotion/step.h"
#include "gui/ui/field_grid.h"
#include "gui/ui/screen_view.h"

#include <initializer_list>
#include <vector>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace bm::gui {

// The frame of a promotion step: heading ("Step N of 8") and hint on top,
// then the step's own rows, then "<<< Back" and "Next >>>" ("SAVE" on the
// last step). A step view fills body() (a selection bar, a second hint,
// fields()) and ends its constructor with finish().
class StepView : public ScreenView {
    Q_OBJECT
public:
    explicit StepView(promotion::Step& model, QWidget* parent = nullptr);

    QLabel* heading;
    QLabel* hint;
    QPushButton* backButton;
    QPushButton* nextButton;

protected:
    QVBoxLayout* body() const { return body_; }
    FieldGrid& fields() { return fields_; }
    // Adds the field rows below what body() holds, and chains the tab order:
    // `first` (a selection bar's captions, say), the field rows, the buttons.
    void finish(std::initializer_list<QWidget*> first = {});
    // The same with a list made at run time (twelve month captions, say).
    void finish(const std::vector<QWidget*>& first);

private:
    QVBoxLayout* body_;
    FieldGrid fields_;
};

} // namespace bm::gui
