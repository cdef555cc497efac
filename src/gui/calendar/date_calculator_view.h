#pragma once

#include "core/calendar/date_calculator.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace bm::gui {

// A side window: it opens beside the calling screen, never blocks it, and
// closing it only hides it.
class DateCalculatorView : public QWidget {
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
    void keyPressEvent(QKeyEvent* event) override;

private:
    void render();

    calendar::DateCalculator& model_;
    ui::Subscription subscription_;
    std::array<std::array<QComboBox*, calendar::DateCalculator::kParts>,
               calendar::DateCalculator::kRows>
        lists_{};
    std::array<QGroupBox*, calendar::DateCalculator::kRows> rows_{};
};

} // namespace bm::gui
