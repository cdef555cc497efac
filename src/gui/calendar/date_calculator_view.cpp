#include "gui/calendar/date_calculator_view.h"

#include "core/calendar/date_choices.h"
#include "gui/ui/caption.h"
#include "gui/ui/screen_view.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace bm::gui {

DateCalculatorView::DateCalculatorView(calendar::DateCalculator& model, QWidget* parent)
    : SideWindowView(ui::Screen::DateCalculator, calendar::kCalculatorTitle, parent),
      model_(model) {
    auto* layout = new QVBoxLayout(this);
    for (const Row row : {Row::TitleWon, Row::GameStart}) {
        auto* box = new QGroupBox(toDisplay(calendar::DateCalculator::caption(row)), this);
        rows_[static_cast<std::size_t>(row)] = box;
        auto* grid = new QGridLayout(box);
        grid->setHorizontalSpacing(12);
        for (int i = 0; i < calendar::DateCalculator::kParts; ++i) {
            const auto part = static_cast<Part>(i);
            auto* combo = new QComboBox(box);
            for (const auto& entry : calendar::DateCalculator::entries(part)) {
                combo->addItem(toDisplay(entry));
            }
            combo->setCurrentIndex(-1);
            // Both rows have a "Day"; the row's caption tells them apart.
            auto* label = new QLabel(box);
            setCaption(label, combo,
                       toDisplay(calendar::kDatePartCaptions[static_cast<std::size_t>(i)]));
            combo->setAccessibleDescription(box->title());
            grid->addWidget(label, 0, i);
            grid->addWidget(combo, 1, i);
            lists_[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)] = combo;
            connect(combo, &QComboBox::currentIndexChanged, this, [this, row, part, combo] {
                model_.choose(row, part, toBytes(combo->currentText()));
            });
        }
        layout->addWidget(box);
    }

    calculateButton = makeButton(toDisplay(calendar::kCalculate), this);
    calculateButton->setMinimumSize(160, 34);
    result = new QLabel(this);
    QFont resultFont = result->font();
    resultFont.setBold(true);
    result->setFont(resultFont);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Room for any count, so the window keeps its size.
    result->setMinimumWidth(
        result->fontMetrics().horizontalAdvance(toDisplay(calendar::kDaysBetween) + "000000"));
    layout->addSpacing(8);
    layout->addWidget(calculateButton, 0, Qt::AlignLeft);
    layout->addWidget(result);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(calculateButton, &QPushButton::clicked, this, [this] { model_.calculate(); });

    watch(model_, [this] { render(); });
    render();
}

void DateCalculatorView::render() {
    for (const Row row : {Row::TitleWon, Row::GameStart}) {
        for (int i = 0; i < calendar::DateCalculator::kParts; ++i) {
            const auto part = static_cast<Part>(i);
            QComboBox* combo = list(row, part);
            const QSignalBlocker blocker(combo);
            const auto& chosen = model_.chosen(row, part);
            combo->setCurrentIndex(chosen.empty() ? -1 : combo->findText(toDisplay(chosen)));
        }
    }
    result->setText(toDisplay(model_.result()));
}

} // namespace bm::gui
