#pragma once

#include "core/calendar/date_calculator.h"
#include "gui/ui/side_window.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace bm::gui {

// Closing it only hides it; its lists keep their dates for the next opening.
class DateCalculatorView : public SideWindowView {
    Q_OBJECT
public:
    using Row = calendar::DateCalculator::Row;
    using Part = calendar::DateCalculator::Part;

    explicit DateCalculatorView(calendar::DateCalculator& model, QWidget* parent = nullptr);

    QComboBox* list(Row row, Part part) const {
        return lists_[static_cast<std::size_t>(row)][static_cast<std::size_t>(part)];
    }
    QGroupBox* rowBox(Row row) const { return rows_[static_cast<std::size_t>(row)]; }
    QPushButton* calculateButton;
    QLabel* result;

protected:
    void cancel() override { model_.close(); }

private:
    void render();

    calendar::DateCalculator& model_;
    std::array<std::array<QComboBox*, calendar::DateCalculator::kParts>,
               calendar::DateCalculator::kRows>
        lists_{};
    std::array<QGroupBox*, calendar::DateCalculator::kRows> rows_{};
};

} // namespace bm::gui
