#include "gui/ui/field_grid.h"

#include "gui/ui/caption.h"

#include <QGridLayout>
#include <QHBoxLayout>

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

} // namespace bm::gui
