#include "gui/ui/field_grid.h"

#include "gui/ui/bar.h"
#include "gui/ui/caption.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollBar>

namespace bm::gui {

FieldGrid::FieldGrid(QWidget* owner) : owner_(owner), grid_(new QGridLayout) {
    grid_->setColumnMinimumWidth(1, 380);
    grid_->setColumnStretch(1, 1);
}

QLabel* FieldGrid::addRow(std::string_view caption, QWidget* control, QWidget* beside) {
    const int row = rows_++;
    auto* label = new QLabel(owner_);
    setCaption(label, control, toDisplay(caption));
    grid_->addWidget(label, row, 0);
    focusOrder_.push_back(control);
    if (beside) {
        auto* pair = new QHBoxLayout;
        pair->addWidget(control, 1);
        pair->addWidget(beside);
        grid_->addLayout(pair, row, 1);
        focusOrder_.push_back(beside);
    } else {
        grid_->addWidget(control, row, 1);
    }
    return label;
}

FieldGrid::ValueRow FieldGrid::addValueField(std::string_view caption, QWidget* beside) {
    auto* field = new ValueField(toDisplay(caption), owner_);
    return {field, addRow(caption, field, beside)};
}

FieldGrid::BarRow FieldGrid::addBarRow(std::string_view caption, const ui::Bar& bar) {
    auto* scrollBar = makeBar(bar, owner_);
    auto* value = new QLabel(owner_);
    // Room for the widest value, so the bar keeps its width as it moves; a
    // long stored text is cut short here and told whole to screen readers.
    const int width = value->fontMetrics().horizontalAdvance(QStringLiteral("-00000%"));
    value->setMinimumWidth(width);
    value->setMaximumWidth(3 * width);
    const int row = rows_++;
    auto* label = new QLabel(owner_);
    setCaption(label, scrollBar, toDisplay(caption));
    grid_->addWidget(label, row, 0);
    auto* pair = new QHBoxLayout;
    pair->addWidget(value);
    pair->addWidget(scrollBar, 1);
    grid_->addLayout(pair, row, 1);
    focusOrder_.push_back(scrollBar);
    return {scrollBar, value, label};
}

void FieldGrid::BarRow::show(const ui::Bar& position, const QString& text) const {
    showBar(bar, position);
    value->setText(text);
    // A stored value outside the bar's range is told as it stands.
    bar->setAccessibleDescription(text);
}

} // namespace bm::gui
